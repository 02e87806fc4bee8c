// own
#include "model/station_gate.h"
#include "model/kv_doc.h"
#include "model/limits.h"

// std
#include <string>

StationGate CheckStationAdd(const CKVDoc& doc) {
    return doc.m_pStations.size() >= kMaxStations ? StationGate::Full : StationGate::Open;
}

StationGate CheckStationAdd(const CKVDoc& doc, int port, int address) {
    const StationGate gate = CheckStationAdd(doc);
    if (gate != StationGate::Open) return gate;
    return doc.IsPortAddressUsed(port, address, nullptr) ? StationGate::PairTaken
                                                         : StationGate::Open;
}

CStationRefusal FullRefusal() {
    return {"A configuration holds at most " + std::to_string(kMaxStations) +
                " stations.  Please delete a Station before adding another.",
            "Add/Insert Station"};
}
