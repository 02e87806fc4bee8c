// own
#include "app/frame_toolbar.h"
#include "app/app_resources.h"
#include "framework/command_ids.h"
#include "framework/qt/command_actions.h"

// Qt
#include <QAction>
#include <QEvent>
#include <QToolButton>

namespace {
constexpr CommandId kGap = 0;
struct CButton {
    CommandId id;
    // What screen readers call the button, which shows only an image.
    const char* name;
};
// Buttons left to right; the n-th button (gaps not counted) shows the n-th image of the bitmap.
constexpr CButton kButtons[] = {
    {ID_FILE_NEW, "New"},     {ID_FILE_OPEN, "Open"},  {ID_FILE_SAVE, "Save"},   {kGap, nullptr},
    {ID_EDIT_CUT, "Cut"},     {ID_EDIT_COPY, "Copy"},  {ID_EDIT_PASTE, "Paste"}, {kGap, nullptr},
    {ID_FILE_PRINT, "Print"}, {ID_APP_ABOUT, "About"},
};
} // namespace

CFrameToolBar::CFrameToolBar(CCommandActions& commands, QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("toolbar"));
    // Named as View Toolbar names it.
    setAccessibleName(QStringLiteral("Toolbar"));
    setMovable(false);
    setFloatable(false);
    // Nor can it be hidden from a context menu: View Toolbar does that.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setIconSize(QSize(16, 15));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    const std::vector<QPixmap> images = ToolbarImages();
    std::size_t image = 0;
    for (const CButton& button : kButtons) {
        if (button.id == kGap) {
            addSeparator();
            continue;
        }
        QAction* action = addAction(image < images.size() ? QIcon(images[image]) : QIcon(), {});
        ++image;
        action->setData(button.id);
        commands.Bind(*action, button.id);
        QWidget* widget = widgetForAction(action);
        widget->setAccessibleName(QString::fromLatin1(button.name));
        widget->installEventFilter(this);
    }
}

bool CFrameToolBar::eventFilter(QObject* watched, QEvent* event) {
    // No tool tips, no prompts in the status bar.
    if (event->type() == QEvent::ToolTip || event->type() == QEvent::StatusTip) return true;
    return QToolBar::eventFilter(watched, event);
}
