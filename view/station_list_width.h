#pragma once
// The width of the station views' station list, kept per user in the settings key as
// "StationListWidth" (decimal text, pixels) beside the main window's placement. A new view takes
// the stored width; the user's last drag of the divider stores it.

// std
#include <cstdint>

inline constexpr const char* kValueStationListWidth = "StationListWidth";

inline constexpr int32_t kDefaultStationListWidth = 140;
// Narrower, a station's name cannot be read; wider than any screen, the grid could not be seen.
inline constexpr int32_t kMinStationListWidth = 40;
inline constexpr int32_t kMaxStationListWidth = 4000;

// The stored width, or the default when it is missing, unreadable or out of range.
int32_t ReadStationListWidth();
// Stores the width, kept within range; failures are not reported.
void StoreStationListWidth(int32_t width);
