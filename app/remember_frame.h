#pragma once
// CMDIRememberFrame: a main window that remembers its placement between runs in the settings key.
// Its first activation restores the stored placement (normal rectangle, minimized or maximized,
// restore-to-maximized) instead of the show command given; its destruction stores the placement.
// Where the window system refuses positions (Wayland), size and state are still restored. A stored
// rectangle that meets no screen counts as none, so the window never opens out of reach.

// own
#include "app/window_placement.h"

// Qt
#include <QMainWindow>

// std
#include <cstdint>

class CMDIRememberFrame : public QMainWindow {
public:
    explicit CMDIRememberFrame(QWidget* parent = nullptr);
    // Stores the placement.
    ~CMDIRememberFrame() override;
    CMDIRememberFrame(const CMDIRememberFrame&) = delete;
    CMDIRememberFrame& operator=(const CMDIRememberFrame&) = delete;

    // Shows and activates the frame: kShowNormal, kShowMaximized or kShowMinNoActive. The first
    // call restores the stored placement instead, when there is one.
    virtual void ActivateFrame(uint32_t nCmdShow = kShowNormal);

    // The frame's placement now: its normal rectangle (client area, screen coordinates) and
    // whether it is minimized or maximized.
    CWindowPlacement GetPlacement() const;
    // Applies a placement and shows the frame accordingly.
    void SetPlacement(const CWindowPlacement& placement);

    int32_t m_bFirstActivation = 1;

private:
    // False when no usable placement is stored.
    bool RestorePlacement();
    void SavePlacement() const;
    void Show(uint32_t nCmdShow);
};
