#pragma once
// A station and a button in the configuration's JSON form, both ways: zone numbers 1-based,
// buttons as a file stores them (the first m_nType of a station), texts as Unicode. The command
// line's export and import and the editor's station clipboard share it.
//
// {"name": "Station1", "type": 4, "port": 1, "address": 1, "group": 1, "lcdText": "",
//  "buttons": [{"name": "HardButton1", "zones": [1, 3]}]}

// own
#include "model/formats/json_reader.h"
#include "model/station.h"

// std
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

nlohmann::ordered_json ButtonToJson(const CBtn& button);
nlohmann::ordered_json StationToJson(const CStation& station);
// "1 to <highest>": how a refusal names the range of a number.
std::string OneTo(int highest);

// Through the model's setters and the zone toggle; zones above `maxZones` are refused. Throws
// CJsonRefusal at the first value refused.
void ReadButton(const CJsonReader& in, CBtn& button, int maxZones);
std::unique_ptr<CStation> ReadStation(const CJsonReader& in, int maxZones);
