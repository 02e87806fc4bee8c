// own
#include "app/frame_menus.h"
#include "framework/qt/command_actions.h"
#include "framework/command_ids.h"

// Qt
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QVariant>

namespace {
using E = MenuEntry;
constexpr E kSeparator{};

constexpr E kOptionsWithoutDocument[] = {
    {"View &Toolbar", ID_VIEW_TOOLBAR},
    {"View &Status Bar", ID_VIEW_STATUS_BAR},
    kSeparator,
    {"&Communications...", ID_TOOLS_COMMUNICATIONS},
};
constexpr E kOptionsWithDocument[] = {
    {"View &Toolbar", ID_VIEW_TOOLBAR},
    {"View &Status Bar", ID_VIEW_STATUS_BAR},
    kSeparator,
    {"View Station &Addresses", ID_VIEW_STATION_ADDRESSES},
    {"&Max Number of Zones...", ID_MAX_ZONES},
    {"&Communications...", ID_TOOLS_COMMUNICATIONS},
};
constexpr E kToolsWithoutDocument[] = {{"&Options", 0, nullptr, kOptionsWithoutDocument}};
constexpr E kToolsWithDocument[] = {
    {"&Options", 0, nullptr, kOptionsWithDocument},
    {"Check &Configuration...", ID_TOOLS_CHECK_CONFIG},
};
constexpr E kHelp[] = {{"&About Corvantn...", ID_APP_ABOUT}};

constexpr E kFileWithoutDocument[] = {
    {"&New", ID_FILE_NEW, "Ctrl+N"},
    {"&Open...", ID_FILE_OPEN, "Ctrl+O"},
    kSeparator,
    {"P&rint Setup...", ID_FILE_PRINT_SETUP},
    kSeparator,
    {"Recent File", ID_FILE_MRU_FILE1},
    kSeparator,
    {"E&xit", ID_APP_EXIT},
};
constexpr E kFileWithDocument[] = {
    {"&New", ID_FILE_NEW, "Ctrl+N"},
    {"&Open...", ID_FILE_OPEN, "Ctrl+O"},
    {"&Close", ID_FILE_CLOSE},
    {"&Save", ID_FILE_SAVE, "Ctrl+S"},
    {"Save &As...", ID_FILE_SAVE_AS},
    kSeparator,
    {"&Print...", ID_FILE_PRINT, "Ctrl+P"},
    {"Print Pre&view", ID_FILE_PRINT_PREVIEW},
    {"P&rint Setup...", ID_FILE_PRINT_SETUP},
    {"&Export Report...", ID_FILE_EXPORT_REPORT},
    kSeparator,
    {"&Download Config...", ID_DOWNLOAD_CONFIG},
    kSeparator,
    {"Recent File", ID_FILE_MRU_FILE1},
    kSeparator,
    {"E&xit", ID_APP_EXIT},
};
constexpr E kEdit[] = {
    {"&Undo", ID_EDIT_UNDO, "Ctrl+Z"},
    {"&Redo", ID_EDIT_REDO, "Ctrl+Y"},
    kSeparator,
    {"Cu&t", ID_EDIT_CUT, "Ctrl+X"},
    {"&Copy", ID_EDIT_COPY, "Ctrl+C"},
    {"&Paste", ID_EDIT_PASTE, "Ctrl+V"},
    kSeparator,
    {"&Insert Station...", ID_EDIT_INSERT_STATION, "INS"},
    {"&Add Station...", ID_EDIT_ADD_STATION},
    {"&Delete Station...", ID_EDIT_DELETE_STATION, "DEL"},
    {"Station Pr&operties...", ID_EDIT_STATION_PROPERTIES},
    kSeparator,
    {"&Zone Names...", ID_EDIT_ZONE_NAMES},
    {"&Stations...", ID_EDIT_STATIONS},
};
constexpr E kWindow[] = {
    {"&New Window", ID_WINDOW_NEW},
    {"&Cascade", ID_WINDOW_CASCADE},
    {"&Tile", ID_WINDOW_TILE_HORZ},
    {"&Arrange Icons", ID_WINDOW_ARRANGE},
};

constexpr E kMenuWithoutDocument[] = {
    {"&File", 0, nullptr, kFileWithoutDocument},
    {"&Tools", 0, nullptr, kToolsWithoutDocument},
    {"&Help", 0, nullptr, kHelp},
};
constexpr E kMenuWithDocument[] = {
    {"&File", 0, nullptr, kFileWithDocument},
    {"&Edit", 0, nullptr, kEdit},
    {"&Tools", 0, nullptr, kToolsWithDocument},
    {"&Window", 0, nullptr, kWindow},
    {"&Help", 0, nullptr, kHelp},
};
} // namespace

std::span<const MenuEntry> NoDocumentMenu() {
    return kMenuWithoutDocument;
}

std::span<const MenuEntry> DocumentMenu() {
    return kMenuWithDocument;
}

CommandId CommandOf(const QAction& action) {
    return action.data().toUInt();
}

CFrameMenus::CFrameMenus(std::span<const MenuEntry> table, CCommandActions& commands,
                         QWidget& owner) {
    for (const MenuEntry& popup : table)
        m_topLevel.push_back(Build(popup, commands, owner));
}

QMenu* CFrameMenus::Build(const MenuEntry& popup, CCommandActions& commands, QWidget& owner) {
    auto* menu = new QMenu(QString::fromLatin1(popup.text), &owner);
    m_all.push_back(menu);
    commands.UpdateBefore(*menu);
    for (const MenuEntry& entry : popup.submenu) {
        if (!entry.text) {
            menu->addSeparator();
        } else if (!entry.submenu.empty()) {
            menu->addMenu(Build(entry, commands, owner));
        } else {
            QAction* action = menu->addAction(QString::fromLatin1(entry.text));
            if (entry.shortcut) {
                // The key is the item's own binding, which the menu shows and screen readers
                // announce; it acts while the menu is open, the accelerator table elsewhere.
                action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
                action->setShortcutContext(Qt::WidgetShortcut);
            }
            action->setData(entry.id);
            commands.Bind(*action, entry.id);
        }
    }
    return menu;
}

QAction* CFrameMenus::Action(CommandId id) const {
    for (QMenu* menu : m_all)
        for (QAction* action : menu->actions())
            if (!action->menu() && !action->isSeparator() && CommandOf(*action) == id)
                return action;
    return nullptr;
}

QMenu* CFrameMenus::MenuOf(CommandId id) const {
    const QAction* action = Action(id);
    for (QMenu* menu : m_all)
        if (menu->actions().contains(action)) return menu;
    return nullptr;
}
