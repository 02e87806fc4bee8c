#pragma once
// A configuration as JSON: zone numbers 1-based, buttons as a file stores them (the first
// m_nType of a station), texts as Unicode.
//
// {"version": 258, "maxZones": 99, "zoneNames": ["Zone1", ...],
//  "stations": [{"name": "Station1", "type": 4, "port": 1, "address": 1, "group": 1,
//                "lcdText": "", "buttons": [{"name": "HardButton1", "zones": [1, 3]}]}],
//  "softButtons": [{"name": "SoftButton11", "zones": []}]}

// own
#include "model/config_contents.h"
#include "model/kv_doc.h"

// std
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

nlohmann::ordered_json ConfigToJson(const CKVDoc& doc);
// The same form with only what `contents` carries: a decoded image has no version, zone names or
// station names, and button names and LCD texts only where the image holds them.
nlohmann::ordered_json ContentsToJson(const ConfigContents& contents);

// Applies `json` to `doc` (a new document) through the model's setters and the zone toggle.
// Fields left out keep the new document's values. Returns the first refusal as one line
// ("stations[0].port: 17 refused (1 to 16)"), or nothing when all was taken; after a refusal the
// document is partly changed.
std::optional<std::string> ConfigFromJson(const nlohmann::ordered_json& json, CKVDoc& doc);
