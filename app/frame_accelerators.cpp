// own
#include "app/frame_accelerators.h"
#include "framework/qt/command_actions.h"

// Qt
#include <QAction>
#include <QKeySequence>
#include <QWidget>

namespace {
constexpr Accelerator kAccelerators[] = {
    {"Ctrl+N", ID_FILE_NEW},    {"Ctrl+O", ID_FILE_OPEN},       {"Ctrl+S", ID_FILE_SAVE},
    {"Ctrl+P", ID_FILE_PRINT},  {"Ctrl+Z", ID_EDIT_UNDO},       {"Alt+Backspace", ID_EDIT_UNDO},
    {"Ctrl+Y", ID_EDIT_REDO},   {"Ctrl+Shift+Z", ID_EDIT_REDO}, {"Ctrl+X", ID_EDIT_CUT},
    {"Shift+Del", ID_EDIT_CUT}, {"Ctrl+C", ID_EDIT_COPY},       {"Ctrl+Ins", ID_EDIT_COPY},
    {"Ctrl+V", ID_EDIT_PASTE},  {"Shift+Ins", ID_EDIT_PASTE},   {"F6", ID_NEXT_PANE},
    {"Shift+F6", ID_PREV_PANE}, {"Alt+4", ID_SWITCH_48BUTTON},  {"Alt+J", ID_SWITCH_TEST},
    {"Alt+K", ID_SWITCH_TRUE},  {"Alt+Q", ID_SWITCH_FALSE},
};
} // namespace

std::span<const Accelerator> AcceleratorTable() {
    return kAccelerators;
}

void InstallAccelerators(QWidget& frame, CCommandActions& commands) {
    for (const Accelerator& accelerator : kAccelerators) {
        auto* action = new QAction(&frame);
        action->setShortcut(QKeySequence(QString::fromLatin1(accelerator.keys)));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setData(accelerator.id);
        frame.addAction(action);
        commands.Bind(*action, accelerator.id);
    }
}
