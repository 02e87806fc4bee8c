#pragma once
// A station from the clipboard made ready to join a document: its JSON form read, its name made
// unique, its port and address moved to a free pair, its zones beyond the document's number of
// zones dropped; or the refusal to show when the document cannot take it.

// own
#include "model/station.h"
#include "model/station_validation.h"

// std
#include <memory>
#include <string_view>
#include <variant>

class CKVDoc;

// The clipboard's type for one station; the plain-text form carries the same JSON.
inline constexpr const char* kStationMimeType = "application/x-corvantine-station";

// The station's JSON form as the clipboard carries it.
std::string StationClipboardText(const CStation& station);

struct CPastedStation {
    std::unique_ptr<CStation> station;
    // Zones at or beyond the document's number of zones, left out.
    int droppedZones = 0;
};

// What `json` makes for `doc`. A text that is not one station's JSON form gives nothing; a station
// the controller has no room for, or with every port/address pair taken, gives the refusal the
// Station Properties dialog shows for it.
std::variant<std::monostate, CPastedStation, CStationRefusal>
PrepareStationPaste(const CKVDoc& doc, std::string_view json);

// `name`, or "<name> (2)", "<name> (3)", ... cut so that it stays within 25 bytes: the first that
// no station of `doc` has.
std::string UniqueStationName(const CKVDoc& doc, const std::string& name);
