#pragma once
// What a configuration document announces after each change, so that every view of it follows:
// which kind of change and which station, button or zone it concerns. Stations are named by
// their index in the document's list at the moment of the announcement.

// own
#include "framework/document.h"

// std
#include <string>
#include <vector>

class CBtn;
class CKVDoc;

// Hard button `button` (0-based) of station `station`, or with station -1 soft button `button`.
struct CButtonRef {
    int station = -1;
    int button = 0;

    bool IsSoft() const { return station < 0; }
    bool operator==(const CButtonRef&) const = default;
};

// The button, or null when the document has no such station or button.
const CBtn* FindButton(const CKVDoc& doc, CButtonRef ref);
CBtn* FindButton(CKVDoc& doc, CButtonRef ref);
// "HB-03" for the third hard button, "SB-11" for the first soft button.
std::string ButtonLabel(CButtonRef ref);

// Zone `zone` (0-based) of one button switched on or off.
struct CZoneSwitch {
    CButtonRef button;
    int zone = 0;
};

struct CConfigChange : CDocChange {
    enum class Kind {
        StationInserted, // station: where it now is; later stations moved one down
        StationRemoved,  // station: where it was; later stations moved one up
        StationEdited,   // station: its name, type, port, address, group or LCD text
        ZonesSwitched,   // switches: each zone now in its opposite state
        ButtonRenamed,   // button: its name (the LCD text of the button)
        ZoneRenamed,     // zone: 0-based
        MaxZonesChanged,
        ContentsReplaced, // everything: the whole configuration was exchanged for another
    };

    explicit CConfigChange(Kind k) : kind(k) {}

    Kind kind;
    int station = -1;
    std::vector<CZoneSwitch> switches;
    CButtonRef button;
    int zone = -1;
};
