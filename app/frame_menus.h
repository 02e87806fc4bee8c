#pragma once
// The main frame's two menus, built from their tables: the one shown while no document is open
// and the one shown while one is. Each item is an action bound to its command through the
// frame's command actions, with its command id as the action's data and its shortcut text after a
// tab (menu text only: the keys are the accelerator table's). Menus and actions belong to `owner`.

// own
#include "framework/command_ids.h"

// std
#include <span>
#include <vector>

class CCommandActions;
class QAction;
class QMenu;
class QWidget;

// One item of a menu table: a command, a submenu, or a separator (no text).
struct MenuEntry {
    const char* text = nullptr;
    CommandId id = 0;
    const char* shortcut = nullptr;
    std::span<const MenuEntry> submenu = {};
};

std::span<const MenuEntry> NoDocumentMenu();
std::span<const MenuEntry> DocumentMenu();

class CFrameMenus {
public:
    CFrameMenus(std::span<const MenuEntry> table, CCommandActions& commands, QWidget& owner);

    // The menus of the menu bar, left to right.
    const std::vector<QMenu*>& TopLevel() const { return m_topLevel; }
    // Every menu, submenus included.
    const std::vector<QMenu*>& All() const { return m_all; }
    // The first item of a command, or null.
    QAction* Action(CommandId id) const;
    // The menu that holds the first item of a command, or null.
    QMenu* MenuOf(CommandId id) const;

private:
    QMenu* Build(const MenuEntry& popup, CCommandActions& commands, QWidget& owner);

    std::vector<QMenu*> m_topLevel;
    std::vector<QMenu*> m_all;
};

// The command of a menu item or toolbar action; 0 for a submenu, separator or window entry.
CommandId CommandOf(const QAction& action);
