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

// `json` as printed, indented by two, one line feed after it. Besides the C0 controls, which JSON
// escapes anyway, DEL and the C1 controls (U+0080 to U+009F, 8-bit escape introducers to a
// terminal) are written as \u escapes: the same JSON, safe on a terminal.
std::string JsonText(const nlohmann::ordered_json& json);
