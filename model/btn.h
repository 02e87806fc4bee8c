#pragma once
// CBtn: one button, a hard button of a station or one of the global soft buttons, with the zones
// it pages. The button owns its zones; they are held by value for speed (a large configuration
// has a quarter of a million of them).

// own
#include "model/limits.h"
#include "model/object.h"
#include "model/zone.h"

// std
#include <string>
#include <vector>

class CBtn : public CObject {
public:
    static const CRuntimeClass classCBtn;

    CBtn() = default;

    const CRuntimeClass& GetRuntimeClass() const override { return classCBtn; }
    // Field group: zone list as object records, then the name.
    void Serialize(CArchive& ar) override;

    std::string GetName() const { return m_strName; }
    // Accepts up to 16 bytes; returns false and keeps the old name otherwise.
    bool SetName(const std::string& name);

    // Switches zone `zoneIndex` (zero-based) on when it is off and off when it is on, keeping
    // the list ascending and free of duplicates; switching off removes every record of the zone
    // (a file may hold one twice). Returns true when the zone is now on; an index
    // that CZone::SetZone refuses changes nothing and returns false.
    bool ToggleZone(int zoneIndex);

    // The zones this button pages: ascending, no zone twice (the file reader takes lists as
    // stored).
    std::vector<CZone> m_pZones;
    // Single-byte (Windows-1252) text; the controller image uses it as the LCD text.
    std::string m_strName;
};
