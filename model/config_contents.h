#pragma once
// ConfigContents: what a configuration holds, in the one form that both a document and a
// controller image can give. An image carries no station or zone names, no file version, and
// button texts only for the stations that show them; what a source does not carry is left empty
// (nullopt), so that a comparison passes over it. Texts are Windows-1252 bytes as the model keeps
// them.

// own
#include "model/kv_doc.h"

// std
#include <optional>
#include <string>
#include <vector>

struct ContentsButton {
    // Zero-based zone indexes, as the source lists them.
    std::vector<int> zones;
    // The button's name, which is also its LCD text.
    std::optional<std::string> name;
};

struct ContentsStation {
    std::optional<std::string> name;
    int type = 4;
    int port = 1;
    int address = 1;
    int group = 1;
    std::optional<std::string> lcdText;
    // The buttons in use, HB-01 first.
    std::vector<ContentsButton> buttons;
};

struct ConfigContents {
    std::optional<int> version;
    int maxZones = kMaxZones;
    // Names of zones 1 to maxZones, when the source carries them.
    std::optional<std::vector<std::string>> zoneNames;
    std::vector<ContentsStation> stations;
    // SB-11 to SB-99.
    std::vector<ContentsButton> softButtons;
};

// Everything of the document that a .kvx file stores: the first maxZones zone names and each
// station's first m_nType buttons, zone lists as they are held.
ConfigContents ContentsOf(const CKVDoc& doc);
