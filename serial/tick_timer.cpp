#include "serial/tick_timer.h"

CTickTimer::CTickTimer(CClock& clock) : m_clock(clock) {
    m_units.fill(kDefaultUnit);
}

void CTickTimer::SetUnit(unsigned slot, uint16_t unit) {
    if (slot < kSlots && unit != 0) m_units[slot] = unit;
}

void CTickTimer::Start(unsigned slot) {
    if (slot < kSlots) m_starts[slot] = m_clock.GetTickCount();
}

uint32_t CTickTimer::Elapsed(unsigned slot) const {
    if (slot >= kSlots) return 0xFFFF;
    return (m_clock.GetTickCount() - m_starts[slot]) / m_units[slot];
}
