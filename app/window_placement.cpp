// own
#include "app/window_placement.h"
#include "platform/settings_key.h"

// std
#include <algorithm>

namespace {
constexpr const char* kLeft = "Pos_Left";
constexpr const char* kTop = "Pos_Top";
constexpr const char* kRight = "Pos_Right";
constexpr const char* kBottom = "Pos_Bottom";
constexpr const char* kIconic = "Iconic";
constexpr const char* kMaximized = "Maximized";
constexpr int32_t kNone = -1;
} // namespace

std::optional<CWindowPlacement> ReadStoredPlacement() {
    const CSettingsKey key;
    CWindowPlacement placement;
    CPlacementRect& rect = placement.normal;
    rect.left = key.ReadInt(kLeft, kNone);
    rect.top = key.ReadInt(kTop, kNone);
    rect.right = key.ReadInt(kRight, kNone);
    rect.bottom = key.ReadInt(kBottom, kNone);
    if (rect.left == kNone || rect.top == kNone || rect.right == kNone || rect.bottom == kNone)
        return std::nullopt;
    const bool iconic = key.ReadBool(kIconic, false);
    const bool maximized = key.ReadBool(kMaximized, false);
    if (iconic) {
        placement.showCmd = kShowMinNoActive;
        placement.flags = maximized ? kRestoreToMaximized : 0;
    } else if (maximized) {
        placement.showCmd = kShowMaximized;
        placement.flags = kRestoreToMaximized;
    }
    return placement;
}

void StorePlacement(const CWindowPlacement& placement) {
    const bool minimized =
        placement.showCmd == kShowMinimized || placement.showCmd == kShowMinNoActive;
    const bool maximized = minimized ? placement.flags != 0 : placement.showCmd == kShowMaximized;
    const CSettingsKey key;
    key.WriteInt(kLeft, placement.normal.left);
    key.WriteInt(kTop, placement.normal.top);
    key.WriteInt(kRight, placement.normal.right);
    key.WriteInt(kBottom, placement.normal.bottom);
    key.WriteBool(kIconic, minimized);
    key.WriteBool(kMaximized, maximized);
}

std::optional<CPlacementRect> RestorableRect(const CPlacementRect& rect,
                                             std::span<const CPlacementRect> screens) {
    // 64-bit throughout, so that no stored value can overflow a comparison or a size.
    const auto meets = [&](const CPlacementRect& screen) {
        return std::max<int64_t>(rect.left, screen.left) <
                   std::min<int64_t>(rect.right, screen.right) &&
               std::max<int64_t>(rect.top, screen.top) <
                   std::min<int64_t>(rect.bottom, screen.bottom);
    };
    if (std::none_of(screens.begin(), screens.end(), meets)) return std::nullopt;
    int64_t left = screens.front().left, top = screens.front().top;
    int64_t right = screens.front().right, bottom = screens.front().bottom;
    for (const CPlacementRect& screen : screens) {
        left = std::min<int64_t>(left, screen.left);
        top = std::min<int64_t>(top, screen.top);
        right = std::max<int64_t>(right, screen.right);
        bottom = std::max<int64_t>(bottom, screen.bottom);
    }
    CPlacementRect fitted = rect;
    fitted.right =
        static_cast<int32_t>(std::min<int64_t>(rect.right, int64_t{rect.left} + (right - left)));
    fitted.bottom =
        static_cast<int32_t>(std::min<int64_t>(rect.bottom, int64_t{rect.top} + (bottom - top)));
    return fitted;
}
