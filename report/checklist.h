#pragma once
// The commissioning checklist, described once for every form it is written in (PDF, HTML, CSV):
// for the walk on site, each station in port/address order with every button in use, the zones
// it must page by number and name and a box to tick; then every zone in use with the buttons that
// page it, for the walk from the other side. Texts are UTF-8.

// own
#include "model/kv_doc.h"

// std
#include <string>
#include <vector>

struct ChecklistButton {
    std::string label; // "HB-03", "SB-11"
    std::string name;
    std::vector<std::string> zones; // "5 Lobby"
};

struct ChecklistStation {
    std::string name;
    std::string type;        // "10 Button Break-Out"
    std::string portAddress; // "3-7"
    std::vector<ChecklistButton> buttons;
};

struct ChecklistZone {
    std::string zone;                 // "5 Lobby"
    std::vector<std::string> buttons; // "3-7 Front desk HB-03", "SB-11 Fire"
};

struct Checklist {
    static constexpr const char* kTitle = "Commissioning Checklist";

    std::string fileName;
    std::string date;
    // In port/address order.
    std::vector<ChecklistStation> stations;
    // The soft buttons that page a zone.
    std::vector<ChecklistButton> softButtons;
    std::vector<ChecklistZone> zones;

    // "Commissioning Checklist: site.kvx".
    std::string Title() const { return std::string(kTitle) + ": " + fileName; }
};

Checklist BuildChecklist(const CKVDoc& doc, std::string fileName, std::string date);

// One self-contained HTML page, styles inline.
std::string ChecklistHtml(const Checklist& checklist);
// Header "Station,Port-Address,Button,Button Name,Zones,Checked", one row per button in use
// (soft buttons with station and port-address empty), zones as "5 Lobby; 7 Dock".
std::string ChecklistCsv(const Checklist& checklist);
