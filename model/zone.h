#pragma once
// CZone: one enabled paging zone of one button.

// own
#include "model/limits.h"
#include "model/object.h"

class CZone : public CObject {
public:
    static const CRuntimeClass classCZone;
    // Highest zone index SetZone accepts (one above the last zone a facility can have).
    static constexpr int kMaxIndex = kMaxZones;

    CZone() = default;
    // A zone with the given index; the index must be one SetZone accepts.
    explicit CZone(int zoneIndex) : m_nZone(zoneIndex) {}

    const CRuntimeClass& GetRuntimeClass() const override { return classCZone; }
    void Serialize(CArchive& ar) override;

    // Accepts 0..99; returns false and keeps the old index otherwise.
    bool SetZone(int zoneIndex);

    // Zero-based zone index; the user sees m_nZone + 1. Meaningless until set.
    int m_nZone = 0;
};
