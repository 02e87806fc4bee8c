#pragma once
// The one gate every way of adding a station passes (Add, Insert, Paste, the command line's
// import, the stations table): a configuration holds at most kMaxStations stations, each on a
// port/address pair no other station uses. What the gate admits, the .kvx reader accepts.

// own
#include "model/station_validation.h"

class CKVDoc;

enum class StationGate {
    Open,
    Full,      // the document holds kMaxStations stations
    PairTaken, // another station uses the port and address asked for
};

// Whether one more station can join `doc`. Below kMaxStations stations a pair is always free
// (there is one pair per station allowed), and CKVDoc::FindFreePortAddress finds it.
StationGate CheckStationAdd(const CKVDoc& doc);
// Whether one more station on `port` and `address` can join `doc`.
StationGate CheckStationAdd(const CKVDoc& doc, int port, int address);

// What Add, Insert and Paste say when the gate is Full.
CStationRefusal FullRefusal();
