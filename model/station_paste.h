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
    // Its port and address were taken, so it goes to the first free pair.
    bool moved = false;
};

// True when `text` is one station's JSON form: an object with no keys but a station's, whether or
// not its values are ones a station may have.
bool HoldsStation(std::string_view text);

// What `json` makes for `doc`. A text that does not hold a station gives nothing. A station whose
// values break a limit gives a refusal that names the value and the limit; a document that holds
// as many stations as it can, or a controller with no room for this one, gives the refusal the
// station gate or the Station Properties dialog shows.
std::variant<std::monostate, CPastedStation, CStationRefusal>
PrepareStationPaste(const CKVDoc& doc, std::string_view json);

// `Pasted "<name>" at [port-address]`: where a moved station went.
std::string MovedStationStatus(const CStation& station);

// `name`, or "<name> (2)", "<name> (3)", ... cut so that it stays within 25 bytes: the first that
// no station of `doc` has.
std::string UniqueStationName(const CKVDoc& doc, const std::string& name);
