#pragma once
// The two lists the toolkit keeps in menus, refreshed each time their menu opens:
// - CRecentFileMenu: the recent files in a File menu, items "&1 path" ... bound to commands 57616
//   to 57619, in place of the grey placeholder "Recent File", which shows only while the list is
//   empty;
// - CWindowListMenu: the open child windows at the end of the Window menu, "&1 title" ..., the
//   active one checked; choosing one activates it.
// The menus, the list and the area must outlive these objects.

// Qt
#include <QPointer>

// std
#include <vector>

class CCommandActions;
class CRecentFileList;
class QAction;
class QMdiArea;
class QMenu;

class CRecentFileMenu {
public:
    CRecentFileMenu(QMenu& menu, QAction& placeholder, const CRecentFileList& list,
                    CCommandActions& commands);
    void Refresh();

private:
    QAction& m_placeholder;
    const CRecentFileList& m_list;
    std::vector<QAction*> m_entries;
};

class CWindowListMenu {
public:
    CWindowListMenu(QMenu& menu, QMdiArea& area);
    void Refresh();

private:
    QMenu& m_menu;
    QMdiArea& m_area;
    std::vector<QPointer<QAction>> m_entries;
};
