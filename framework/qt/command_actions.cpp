// own
#include "framework/qt/command_actions.h"
#include "framework/qt/cp1252.h"

// Qt
#include <QAction>
#include <QMenu>

namespace {
// The command's own text in place of the item's; the shortcut is the action's own.
void SetMenuText(QAction& action, const std::string& text) {
    action.setText(FromCp1252(text));
}
} // namespace

CCommandActions::CCommandActions(std::function<CCommandRoute()> route, QObject* parent)
    : QObject(parent), m_route(std::move(route)) {}

void CCommandActions::Bind(QAction& action, CommandId id) {
    m_actions.emplace_back(&action, id);
    connect(&action, &QAction::triggered, this, [this, id] { Execute(id); });
}

bool CCommandActions::Execute(CommandId id) {
    const bool ran = m_route().Execute(id);
    Update();
    return ran;
}

CCmdUI CCommandActions::State(CommandId id) const {
    return m_route().State(id);
}

void CCommandActions::Update() const {
    const CCommandRoute route = m_route();
    for (const auto& [action, id] : m_actions) {
        if (action.isNull()) continue;
        const CCmdUI state = route.State(id);
        action->setEnabled(state.IsEnabled());
        // An item becomes checkable the first time its command checks it; triggering it then
        // toggles the mark, which the next update sets right.
        if (state.IsChecked()) action->setCheckable(true);
        if (action->isCheckable()) action->setChecked(state.IsChecked());
        if (!state.Text().empty()) SetMenuText(*action, state.Text());
    }
}

void CCommandActions::UpdateBefore(QMenu& menu) {
    connect(&menu, &QMenu::aboutToShow, this, [this] { Update(); });
}
