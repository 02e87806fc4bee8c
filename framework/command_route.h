#pragma once
// The way a command travels: the active view, its document, the main frame, the application.
// The first target with a handler runs it; a command that nobody handles is disabled. The route
// refers to its targets and owns none of them; build a fresh one whenever the active view changes.

// own
#include "framework/command_target.h"

// std
#include <array>

class CCommandRoute {
public:
    // Any target may be missing (null): with no document open there is no view and no document.
    CCommandRoute(CCmdTarget* view, CCmdTarget* document, CCmdTarget* frame, CCmdTarget* app);

    // The first update handler on the route decides; without one, the command is enabled exactly
    // when some target handles it.
    CCmdUI State(CommandId id) const;
    // Runs the first handler on the route, unless the command is disabled (a key can reach a
    // command whose menu item is grey). True when a handler ran.
    bool Execute(CommandId id) const;

private:
    std::array<CCmdTarget*, 4> m_targets;
};
