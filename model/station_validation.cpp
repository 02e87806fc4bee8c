// own
#include "model/station_validation.h"
#include "model/kv_doc.h"
#include "platform/decimal.h"

namespace {
constexpr int kStationRecordBytes = 8;
constexpr int kLcdTextsBytes = 10 * static_cast<int>(kMaxLcdText);

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

CStationRefusal PortRefusal() {
    return {"The selected Port number is out of Range.  Please select another Port ( 1 - " +
                std::to_string(kMaxPort) + " ).",
            "Invalid Port"};
}

CStationRefusal AddressRefusal() {
    return {"The selected Address number is out of Range.  Please select another Address ( 1 - " +
                std::to_string(kMaxAddress) + " ).",
            "Invalid Address"};
}

} // namespace

CStationRefusal PairRefusal(int port, int address) {
    return {"The selected Port and Address [" + std::to_string(port) + "-" +
                std::to_string(address) +
                "] are already used by another Station.  Please select a new Port and Address.",
            "Invalid Port/Address"};
}

CStationRefusal MemoryRefusal() {
    return {"There is not enough memory in the PA Controller to add this station",
            "Add/Insert Station"};
}

std::optional<CStationRefusal> CheckStationFields(const CStationFields& fields, const CKVDoc& doc) {
    const int port = ParseDecimal(fields.m_strPort);
    const int address = ParseDecimal(fields.m_strAddress);
    const int group = ParseDecimal(fields.m_strGroup);
    if (!InRange(port, 1, kMaxPort)) return PortRefusal();
    // A hidden Group cannot be corrected by the user, so it is not held against OK; the station's
    // setter then keeps its own group.
    if (IndexShowsGroup(fields.m_nTypeIndex) && !InRange(group, 1, kMaxGroup))
        return CStationRefusal{"The Group number must be between 1 and " +
                                   std::to_string(kMaxGroup) + " inclusive.",
                               "Invalid Group"};
    if (!InRange(address, 1, kMaxAddress)) return AddressRefusal();
    if (doc.IsPortAddressUsed(port, address, fields.m_pStation)) return PairRefusal(port, address);
    if (fields.m_bCheckMemory && !ControllerHasRoomFor(doc, TypeOfIndex(fields.m_nTypeIndex)))
        return MemoryRefusal();
    return std::nullopt;
}

int ZoneBytes(int maxZones) {
    return (maxZones + 7) / 8;
}

int StationMemoryCost(int type, int zoneBytes) {
    const bool hasLcdTexts = type == 10 || type == 9;
    return zoneBytes * type + kStationRecordBytes + (hasLcdTexts ? kLcdTextsBytes : 0);
}

int FreeControllerMemory(const CKVDoc& doc) {
    const int zoneBytes = ZoneBytes(doc.m_nMaxZones);
    int free = CONTROLLER_MEMORY - kSoftButtonCount * zoneBytes;
    for (const auto& station : doc.m_pStations)
        free -= StationMemoryCost(station->m_nType, zoneBytes);
    return free;
}

bool ControllerHasRoomFor(const CKVDoc& doc, int type) {
    return StationMemoryCost(type, ZoneBytes(doc.m_nMaxZones)) <= FreeControllerMemory(doc);
}
