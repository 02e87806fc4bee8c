#include "framework/command_route.h"

CCommandRoute::CCommandRoute(CCmdTarget* view, CCmdTarget* document, CCmdTarget* frame,
                             CCmdTarget* app)
    : m_targets{view, document, frame, app} {}

CCmdUI CCommandRoute::State(CommandId id) const {
    CCmdUI ui;
    bool handled = false;
    for (CCmdTarget* target : m_targets) {
        if (!target) continue;
        const CommandHandlers found = target->FindCommand(id);
        if (found.update) {
            found.update(ui);
            return ui;
        }
        handled = handled || static_cast<bool>(found.run);
    }
    ui.Enable(handled);
    return ui;
}

bool CCommandRoute::Execute(CommandId id) const {
    if (!State(id).IsEnabled()) return false;
    for (CCmdTarget* target : m_targets) {
        if (!target) continue;
        if (const CommandHandlers found = target->FindCommand(id); found.run) {
            found.run();
            return true;
        }
    }
    return false;
}
