#include "tools/sim/line_pacer.h"

// own
#include "serial/line_time.h"

// std
#include <algorithm>
#include <limits>

CLinePacer::CLinePacer(uint32_t baud, bool instant)
    : m_byteUs(instant || baud == 0 ? 0 : (uint64_t(kBitsPerByte) * 1000000 + baud - 1) / baud),
      m_nBurst(m_byteUs == 0 ? 0 : std::max<size_t>(kBurst, kBurstUs / m_byteUs)) {}

size_t CLinePacer::Allowance(uint64_t nowUs) const {
    if (m_byteUs == 0) return std::numeric_limits<size_t>::max();
    if (nowUs < m_freeAtUs + m_byteUs) return 0;
    return static_cast<size_t>(std::min<uint64_t>(m_nBurst, (nowUs - m_freeAtUs) / m_byteUs));
}

void CLinePacer::Took(size_t count, uint64_t nowUs) {
    if (m_byteUs == 0) return;
    const uint64_t lent = m_nBurst * m_byteUs;
    const uint64_t idleFloor = nowUs > lent ? nowUs - lent : 0;
    m_freeAtUs = std::max(m_freeAtUs, idleFloor) + count * m_byteUs;
}

void CLinePacer::Idle(uint64_t nowUs) {
    m_freeAtUs = std::max(m_freeAtUs, nowUs);
}

uint64_t CLinePacer::UsUntilNext(uint64_t nowUs) const {
    if (Allowance(nowUs) > 0) return 0;
    return m_freeAtUs + m_byteUs - nowUs;
}
