// own
#include "app/frame_toolbar.h"
#include "app/app_resources.h"
#include "platform/command_ids.h"
#include "platform/qt/command_actions.h"

// Qt
#include <QAction>
#include <QEvent>
#include <QToolButton>

namespace {
constexpr CommandId kGap = 0;
// Buttons left to right; the n-th button (gaps not counted) shows the n-th image of the bitmap.
constexpr CommandId kButtons[] = {
    ID_FILE_NEW,  ID_FILE_OPEN,  ID_FILE_SAVE, kGap,          ID_EDIT_CUT,
    ID_EDIT_COPY, ID_EDIT_PASTE, kGap,         ID_FILE_PRINT, ID_APP_ABOUT,
};
} // namespace

CFrameToolBar::CFrameToolBar(CCommandActions& commands, QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("toolbar"));
    setMovable(false);
    setFloatable(false);
    // Nor can it be hidden from a context menu: View Toolbar does that.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setIconSize(QSize(16, 15));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    const std::vector<QPixmap> images = ToolbarImages();
    std::size_t image = 0;
    for (const CommandId id : kButtons) {
        if (id == kGap) {
            addSeparator();
            continue;
        }
        QAction* action = addAction(image < images.size() ? QIcon(images[image]) : QIcon(), {});
        ++image;
        action->setData(id);
        commands.Bind(*action, id);
        widgetForAction(action)->installEventFilter(this);
    }
}

bool CFrameToolBar::eventFilter(QObject* watched, QEvent* event) {
    // No tool tips, no prompts in the status bar.
    if (event->type() == QEvent::ToolTip || event->type() == QEvent::StatusTip) return true;
    return QToolBar::eventFilter(watched, event);
}
