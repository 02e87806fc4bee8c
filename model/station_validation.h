#pragma once
// The checks the Station Properties dialog makes on OK, in their order, and the controller
// memory check: whether a station of a given type still fits into the PA Controller's image
// next to the document's stations.

// own
#include "model/station_fields.h"

// std
#include <optional>
#include <string>

class CKVDoc;

// The message and caption of the first check the fields fail.
struct CStationRefusal {
    std::string text;
    std::string caption;
};

// The refusals of a port/address pair another station uses, and of a station the controller has
// no room for.
CStationRefusal PairRefusal(int port, int address);
CStationRefusal MemoryRefusal();

// Checks, in order: port 1..16, group 1..16 (only for the types that show it), address 1..15, the
// port/address pair unused by any station but m_pStation, and, when m_bCheckMemory is set, room in
// the controller for the checked type. Port, address and group are read as decimal text (not a
// number reads as 0). Nothing when every check passes.
std::optional<CStationRefusal> CheckStationFields(const CStationFields& fields, const CKVDoc& doc);

// Bytes of one zone map: one bit per zone in use, rounded up to whole bytes.
int ZoneBytes(int maxZones);
// Image bytes of one station of `type`: its 8-byte record, a zone map per button in use and,
// for the 10-button kinds, ten 16-byte LCD texts.
int StationMemoryCost(int type, int zoneBytes);
// Bytes left once the soft buttons' zone maps and every station of `doc` are counted; negative
// when a document already holds more than the controller can take.
int FreeControllerMemory(const CKVDoc& doc);
// True when one more station of `type` fits.
bool ControllerHasRoomFor(const CKVDoc& doc, int type);
