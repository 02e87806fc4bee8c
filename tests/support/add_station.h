#pragma once
// A station appended to a document through the setters, for tests that build configurations in
// memory (the document's own commands ask through dialogs).

// own
#include "model/kv_doc.h"

// std
#include <memory>
#include <string>

inline CStation& AddStation(CKVDoc& doc, const std::string& name, int type, int port, int address) {
    auto station = std::make_unique<CStation>();
    station->SetName(name);
    station->SetType(type);
    station->SetPort(port);
    station->SetAddress(address);
    doc.m_pStations.push_back(std::move(station));
    return *doc.m_pStations.back();
}
