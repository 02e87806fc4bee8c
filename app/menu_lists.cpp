// own
#include "app/menu_lists.h"
#include "app/recent_file_list.h"
#include "framework/command_ids.h"
#include "framework/qt/command_actions.h"

// Qt
#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

CRecentFileMenu::CRecentFileMenu(QMenu& menu, QAction& placeholder, const CRecentFileList& list,
                                 CCommandActions& commands)
    : m_placeholder(placeholder), m_list(list) {
    for (std::size_t i = 0; i < CRecentFileList::kSize; ++i) {
        auto* entry = new QAction(&menu);
        const CommandId id = ID_FILE_MRU_FILE1 + static_cast<CommandId>(i);
        entry->setData(id);
        menu.insertAction(&placeholder, entry);
        commands.Bind(*entry, id);
        m_entries.push_back(entry);
    }
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [this] { Refresh(); });
    Refresh();
}

void CRecentFileMenu::Refresh() {
    const std::size_t count = m_list.Entries().size();
    m_placeholder.setVisible(count == 0);
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        m_entries[i]->setVisible(i < count);
        if (i < count)
            m_entries[i]->setText(QFile::decodeName(QByteArray::fromStdString(m_list.MenuText(i))));
    }
}

CWindowListMenu::CWindowListMenu(QMenu& menu, QMdiArea& area) : m_menu(menu), m_area(area) {
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [this] { Refresh(); });
}

void CWindowListMenu::Refresh() {
    for (const QPointer<QAction>& entry : m_entries)
        delete entry.data();
    m_entries.clear();
    const QList<QMdiSubWindow*> windows = m_area.subWindowList();
    if (windows.isEmpty()) return;
    m_entries.push_back(m_menu.addSeparator());
    int number = 0;
    for (QMdiSubWindow* window : windows) {
        // The title without Qt's modified marker, its '&' shown as itself.
        QString title = window->windowTitle().replace(QStringLiteral("[*]"), QString());
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = m_menu.addAction(QStringLiteral("&%1 %2").arg(++number).arg(title));
        entry->setCheckable(true);
        entry->setChecked(window == m_area.currentSubWindow());
        QObject::connect(entry, &QAction::triggered, &m_area,
                         [area = &m_area, target = QPointer<QMdiSubWindow>(window)] {
                             if (target) area->setActiveSubWindow(target);
                         });
        m_entries.push_back(entry);
    }
}
