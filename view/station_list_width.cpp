// own
#include "view/station_list_width.h"
#include "platform/settings_key.h"

// std
#include <algorithm>

int32_t ReadStationListWidth() {
    const int32_t width = CSettingsKey().ReadInt(kValueStationListWidth, kDefaultStationListWidth);
    if (width < kMinStationListWidth || width > kMaxStationListWidth)
        return kDefaultStationListWidth;
    return width;
}

void StoreStationListWidth(int32_t width) {
    CSettingsKey().WriteInt(kValueStationListWidth,
                            std::clamp(width, kMinStationListWidth, kMaxStationListWidth));
}
