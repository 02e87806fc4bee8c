#pragma once
// Menu items and toolbar buttons bound to command ids. Triggering an action runs its command
// along the route of the moment (active view, its document, main frame, application); the update
// pass enables, disables and checks every bound action as the route says, so a command that
// nobody handles is grey. Run Update when what the route reaches may have changed: before a menu
// shows (UpdateBefore), when the active window changes, after a command.
//
//   CCommandActions commands([&] { return documents.Route(&frame, &app); });
//   commands.Bind(*saveAction, ID_FILE_SAVE);
//   commands.UpdateBefore(*fileMenu);
//
// The actions and menus stay their owners'; bindings end with either side.

// own
#include "framework/command_route.h"

// Qt
#include <QObject>
#include <QPointer>

// std
#include <functional>
#include <utility>
#include <vector>

class QAction;
class QMenu;

class CCommandActions : public QObject {
public:
    explicit CCommandActions(std::function<CCommandRoute()> route, QObject* parent = nullptr);

    // The action runs `id` when triggered; several actions may share an id.
    void Bind(QAction& action, CommandId id);
    // Runs the command's first handler on the route, then updates; false when the command is
    // disabled or nobody handles it.
    bool Execute(CommandId id);
    CCmdUI State(CommandId id) const;
    // Enables and checks every bound action from the route's state.
    void Update() const;
    void UpdateBefore(QMenu& menu);

private:
    std::function<CCommandRoute()> m_route;
    std::vector<std::pair<QPointer<QAction>, CommandId>> m_actions;
};
