#pragma once
// CStationFields: what the Station Properties dialog shows and hands back, as the texts and the
// type choice the user sees. The station editing commands fill it from a station before the
// dialog runs and apply it to the station after OK. It owns nothing: m_pStation points at a
// station the caller owns.

// own
#include "model/station.h"

// std
#include <string>

class CKVDoc;

struct CStationFields {
    std::string m_strName;
    int m_nTypeIndex = 0; // the checked type radio, 0..5 (TypeOfIndex)
    std::string m_strPort;
    std::string m_strAddress;
    std::string m_strLcdText;
    std::string m_strGroup;
    bool m_bCheckMemory = false; // run the controller memory check on OK
    bool m_bNewStation = false;  // the dialog is titled for a new station
    // The station being edited or added; left out of the port/address check. May be null.
    const CStation* m_pStation = nullptr;
};

// The type radios' order differs from the type codes: index 0..5 stands for type 4, 10, 3, 9,
// 48, 47. -1 for an index or type outside the table.
int TypeOfIndex(int index);
int IndexOfType(int type);

// What the dialog shows besides name, port and address for the type radio at `index`: the Group
// for the break-out panels, the LCD text for the 10-button one only.
bool IndexShowsGroup(int index);
bool IndexShowsLcdText(int index);

// The label the dialog gives a type, "4 Button Paging Station" ...; "Unknown type" for another.
const char* StationTypeLabel(int type);

// Fields for a station not yet in `doc`: its name, type and group, and the first free port and
// address of the document (1 and 1 when every pair is taken). Checked for memory, titled new.
CStationFields FieldsForNew(const CKVDoc& doc, const CStation& station);

// Fields for editing `station`, shown at list `position`. A group of 0 is proposed as the
// position + 1, at most 16, so that OK can always accept it.
CStationFields FieldsForEdit(const CStation& station, int position);

// Copies the fields into `station` through its setters (name, type, LCD text, port, address,
// group); a value a setter refuses keeps the station's own. When the type is raised, the
// buttons coming back into use lose their zones at or above `maxZones`, which could otherwise be
// neither seen nor switched off. True when anything about the station changed.
bool ApplyFields(const CStationFields& fields, CStation& station, int maxZones);
