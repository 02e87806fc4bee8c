#include "serial/loopback_test.h"

// own
#include "serial/line_time.h"

// std
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// How long the pattern lasts on the line, and its least length at the slowest rates.
constexpr uint32_t kPatternMs = 500;
constexpr size_t kLeastPattern = 8;
// Silence after which nothing more is expected back.
constexpr uint32_t kQuietMs = 1000;

std::vector<uint8_t> Pattern(uint32_t baud) {
    const size_t size = std::max<size_t>(kLeastPattern, LineBytesIn(kPatternMs, baud));
    std::vector<uint8_t> pattern(size);
    // Every byte value in turn, stepped so that neighbours differ in many bits.
    for (size_t i = 0; i < size; ++i)
        pattern[i] = static_cast<uint8_t>(i * 37 + 11);
    return pattern;
}

// The pattern's round trip: writes what fits, takes what came back, until all is back, a byte is
// wrong, or the line stays quiet.
class CRoundTrip {
public:
    CRoundTrip(CSerialPort& port, CClock& clock, std::vector<uint8_t> pattern)
        : m_port(port), m_clock(clock), m_pattern(std::move(pattern)) {}

    bool Run(LoopbackResult& result) {
        const uint32_t start = m_clock.GetTickCount();
        uint32_t lastMove = start;
        uint32_t lastBack = start;
        while (m_back < m_pattern.size() && !m_bWrong) {
            size_t written = 0;
            if (m_port.WriteSome(std::span(m_pattern).subspan(m_sent), written) != SERIAL_OK)
                return false;
            m_sent += written;
            const size_t before = m_back;
            if (!TakeWhatCameBack()) return false;
            const uint32_t now = m_clock.GetTickCount();
            if (m_back > before) lastBack = now;
            if (written > 0 || m_back > before) lastMove = now;
            if (now - lastMove >= kQuietMs) break;
            m_clock.Sleep(CSerialPort::kPollIntervalMs);
        }
        result.nSent = m_pattern.size();
        result.nBack = m_back;
        const uint32_t elapsed = std::max<uint32_t>(lastBack - start, 1);
        result.nMeasured = static_cast<uint32_t>(uint64_t(m_back) * 1000 / elapsed);
        return true;
    }

private:
    bool TakeWhatCameBack() {
        for (;;) {
            uint8_t byte = 0;
            const int status = m_port.ReadByte(byte, 0);
            if (status == SERIAL_NO_DATA) return true;
            if (status != SERIAL_OK) return false;
            if (m_back >= m_pattern.size() || byte != m_pattern[m_back]) {
                m_bWrong = true;
                return true;
            }
            ++m_back;
        }
    }

    CSerialPort& m_port;
    CClock& m_clock;
    std::vector<uint8_t> m_pattern;
    size_t m_sent = 0;
    size_t m_back = 0;
    bool m_bWrong = false;
};

LoopbackResult::Verdict Judge(const LoopbackResult& result) {
    using Verdict = LoopbackResult::Verdict;
    if (result.nBack == 0) return Verdict::NothingBack;
    if (result.nBack < result.nSent) return Verdict::BytesLost;
    const double off = std::abs(double(result.nMeasured) - double(result.nExpected));
    return off > kLoopbackRateTolerance * result.nExpected ? Verdict::WrongRate : Verdict::Ok;
}

} // namespace

LoopbackResult TestLoopback(const SerialPlatform& platform, std::string_view portName,
                            uint32_t baud) {
    LoopbackResult result;
    result.nExpected = baud / kBitsPerByte;
    CSerialPort port(platform);
    if (port.Open(portName, baud) != SERIAL_OK) return result;
    const bool ran = CRoundTrip(port, *platform.pClock, Pattern(baud)).Run(result);
    // Whatever did not go out is dropped, so closing does not wait for it.
    port.DiscardOutput();
    port.Close();
    if (ran) result.verdict = Judge(result);
    return result;
}
