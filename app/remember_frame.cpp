// own
#include "app/remember_frame.h"

// Qt
#include <QGuiApplication>
#include <QScreen>

// std
#include <vector>

namespace {
CPlacementRect ToPlacement(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QRect ToQRect(const CPlacementRect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

std::vector<CPlacementRect> Screens() {
    std::vector<CPlacementRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(ToPlacement(screen->geometry()));
    return screens;
}
} // namespace

CMDIRememberFrame::CMDIRememberFrame(QWidget* parent) : QMainWindow(parent) {}

CMDIRememberFrame::~CMDIRememberFrame() {
    SavePlacement();
}

void CMDIRememberFrame::ActivateFrame(uint32_t nCmdShow) {
    if (m_bFirstActivation) {
        m_bFirstActivation = 0;
        if (RestorePlacement()) return;
    }
    Show(nCmdShow);
}

bool CMDIRememberFrame::RestorePlacement() {
    std::optional<CWindowPlacement> placement = ReadStoredPlacement();
    if (!placement) return false;
    const auto rect = RestorableRect(placement->normal, Screens());
    if (!rect) return false;
    placement->normal = *rect;
    SetPlacement(*placement);
    return true;
}

void CMDIRememberFrame::SetPlacement(const CWindowPlacement& placement) {
    // The normal geometry first: a maximized or minimized window returns to it when restored.
    // Under Wayland the position is ignored and only the size takes.
    setGeometry(ToQRect(placement.normal));
    if (placement.showCmd == kShowMinNoActive || placement.showCmd == kShowMinimized) {
        Qt::WindowStates state = Qt::WindowMinimized;
        if (placement.flags & kRestoreToMaximized) state |= Qt::WindowMaximized;
        setAttribute(Qt::WA_ShowWithoutActivating);
        setWindowState(state);
        show();
        setAttribute(Qt::WA_ShowWithoutActivating, false);
        return;
    }
    Show(placement.showCmd);
}

CWindowPlacement CMDIRememberFrame::GetPlacement() const {
    CWindowPlacement placement;
    placement.normal = ToPlacement(normalGeometry());
    const Qt::WindowStates state = windowState();
    if (state & Qt::WindowMinimized) {
        placement.showCmd = kShowMinimized;
        placement.flags = state & Qt::WindowMaximized ? kRestoreToMaximized : 0;
    } else if (state & Qt::WindowMaximized) {
        placement.showCmd = kShowMaximized;
    }
    return placement;
}

void CMDIRememberFrame::SavePlacement() const {
    StorePlacement(GetPlacement());
}

void CMDIRememberFrame::Show(uint32_t nCmdShow) {
    switch (nCmdShow) {
    case kShowMaximized:
        showMaximized();
        break;
    case kShowMinNoActive:
    case kShowMinimized:
        showMinimized();
        return;
    default:
        showNormal();
        break;
    }
    raise();
    activateWindow();
}
