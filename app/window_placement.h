#pragma once
// The main window's placement as the settings key keeps it between runs: the normal (restored)
// rectangle in screen coordinates, whether the window was minimized, and whether it was or would
// be restored to maximized. The values are "Pos_Left", "Pos_Top", "Pos_Right", "Pos_Bottom"
// (decimal text) and "Iconic", "Maximized" ("TRUE"/"FALSE").

// std
#include <cstdint>
#include <optional>
#include <span>

// Show states of a placement.
inline constexpr uint32_t kShowNormal = 1;
inline constexpr uint32_t kShowMinimized = 2;
inline constexpr uint32_t kShowMaximized = 3;
inline constexpr uint32_t kShowMinNoActive = 7;
// Flag of a minimized placement: restoring the window maximizes it.
inline constexpr uint32_t kRestoreToMaximized = 2;

// Right and bottom lie just outside the rectangle: width = right - left.
struct CPlacementRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool operator==(const CPlacementRect&) const = default;
};

struct CWindowPlacement {
    uint32_t flags = 0;
    uint32_t showCmd = kShowNormal;
    CPlacementRect normal;

    bool operator==(const CWindowPlacement&) const = default;
};

// The stored placement: shown minimized without activation when "Iconic" (restoring to
// maximized when "Maximized" too), else maximized when "Maximized", else normal. Nothing when any
// of the four positions is missing, unreadable or exactly -1.
std::optional<CWindowPlacement> ReadStoredPlacement();
// Stores the six values in their order; failures are not reported.
void StorePlacement(const CWindowPlacement& placement);

// Where a stored rectangle may be restored among these screens: nothing when it shares no pixel
// with any of them (a window restored there could not be reached, e.g. on a monitor that is gone),
// otherwise the rectangle cut to no more than the width and height of all screens together, so
// that no stored value makes a window of absurd size.
std::optional<CPlacementRect> RestorableRect(const CPlacementRect& rect,
                                             std::span<const CPlacementRect> screens);
