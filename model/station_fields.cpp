// own
#include "model/station_fields.h"
#include "model/kv_doc.h"
#include "platform/decimal.h"

// std
#include <algorithm>
#include <array>
#include <tuple>

namespace {
constexpr std::array<int, 6> kTypeOfIndex = {4, 10, 3, 9, 48, 47};

// Every field of a station that the dialog edits, for telling whether OK changed anything.
auto EditedFields(const CStation& s) {
    return std::tuple(s.m_strName, s.m_nType, s.m_strLcdText, s.m_nPort, s.m_nAddress, s.m_nGroup);
}

// Zones at or above `maxZones` of the buttons from `first` up to (not including) `last`.
void DropZonesAbove(CStation& station, int first, int last, int maxZones) {
    for (int n = first; n < last; ++n)
        std::erase_if(station.m_Buttons[n].m_pZones,
                      [maxZones](const CZone& z) { return z.m_nZone >= maxZones; });
}
} // namespace

int TypeOfIndex(int index) {
    return index >= 0 && index < static_cast<int>(kTypeOfIndex.size()) ? kTypeOfIndex[index] : -1;
}

int IndexOfType(int type) {
    const auto found = std::find(kTypeOfIndex.begin(), kTypeOfIndex.end(), type);
    return found == kTypeOfIndex.end() ? -1 : static_cast<int>(found - kTypeOfIndex.begin());
}

bool IndexShowsGroup(int index) {
    const int type = TypeOfIndex(index);
    return type == 3 || type == 9 || type == 47;
}

bool IndexShowsLcdText(int index) {
    return TypeOfIndex(index) == CStation::kLcdTextType;
}

const char* StationTypeLabel(int type) {
    switch (type) {
    case 4:
        return "4 Button Paging Station";
    case 10:
        return "10 Button Paging Station";
    case 48:
        return "48 Button Paging Station";
    case 3:
        return "4 Button Break-Out";
    case 9:
        return "10 Button Break-Out";
    case 47:
        return "48 Button Break-Out";
    default:
        return "Unknown type";
    }
}

CStationFields FieldsForNew(const CKVDoc& doc, const CStation& station) {
    CStationFields fields;
    fields.m_strName = station.GetName();
    fields.m_nTypeIndex = IndexOfType(station.m_nType);
    fields.m_strGroup = std::to_string(station.m_nGroup);
    int port = 1;
    int address = 1;
    doc.FindFreePortAddress(port, address);
    fields.m_strPort = std::to_string(port);
    fields.m_strAddress = std::to_string(address);
    fields.m_bCheckMemory = true;
    fields.m_bNewStation = true;
    fields.m_pStation = &station;
    return fields;
}

CStationFields FieldsForEdit(const CStation& station, int position) {
    CStationFields fields;
    fields.m_strName = station.GetName();
    fields.m_nTypeIndex = IndexOfType(station.m_nType);
    fields.m_pStation = &station;
    fields.m_strPort = std::to_string(station.m_nPort);
    fields.m_strAddress = std::to_string(station.m_nAddress);
    const int group = station.m_nGroup != 0 ? station.m_nGroup : std::min(position + 1, kMaxGroup);
    fields.m_strGroup = std::to_string(group);
    fields.m_strLcdText = station.GetLcdText();
    return fields;
}

bool ApplyFields(const CStationFields& fields, CStation& station, int maxZones) {
    const auto before = EditedFields(station);
    const int oldType = station.m_nType;
    station.SetName(fields.m_strName);
    station.SetType(TypeOfIndex(fields.m_nTypeIndex));
    station.SetLcdText(fields.m_strLcdText);
    station.SetPort(ParseDecimal(fields.m_strPort));
    station.SetAddress(ParseDecimal(fields.m_strAddress));
    station.SetGroup(ParseDecimal(fields.m_strGroup));
    DropZonesAbove(station, oldType, station.m_nType, maxZones);
    return EditedFields(station) != before;
}
