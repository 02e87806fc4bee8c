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
        while (m_back < m_pattern.size() && !m_bWrong) {
            size_t written = 0;
            if (m_port.WriteSome(std::span(m_pattern).subspan(m_sent), written) != SERIAL_OK)
                return false;
            m_sent += written;
            const uint32_t looked = m_clock.GetTickCount();
            const size_t before = m_received;
            if (!TakeWhatCameBack()) return false;
            if (m_received > before) m_looks.push_back({m_received, looked - start});
            if (written > 0 || m_received > before) lastMove = looked;
            const uint32_t quiet = m_clock.GetTickCount() - lastMove;
            if (quiet >= kQuietMs) break;
            SerialReady wanted;
            wanted.bInput = true;
            wanted.bRoom = m_sent < m_pattern.size();
            SerialReady found;
            if (m_port.Await(wanted, kQuietMs - quiet, found) != SERIAL_OK) return false;
        }
        result.nSent = m_pattern.size();
        result.nBack = m_back;
        result.nReceived = m_received;
        return true;
    }

    // Bytes a second at which the bytes came back. Each look at the input found every byte come
    // by then, so its moment tells when that many had arrived, however late the reader woke.
    // Lateness on either end (a busy machine) only ever delays arrivals; so the rate is taken
    // between the least delayed look of the first half and that of the second, judged against the
    // expected rate, which picks points on the line's own schedule at whatever rate it runs.
    uint32_t Rate(uint32_t expected) const {
        if (m_looks.empty()) return 0;
        const double byteMs = 1000.0 / std::max<uint32_t>(expected, 1);
        const auto delay = [&](const Look& look) {
            return double(look.nTick) - double(look.nCount) * byteMs;
        };
        const size_t half = m_received / 2;
        const Look* first = nullptr;
        const Look* last = nullptr;
        for (const Look& look : m_looks) {
            const Look*& best = look.nCount <= half ? first : last;
            if (!best || delay(look) < delay(*best)) best = &look;
        }
        if (!first || !last) {
            first = &m_looks.front();
            last = &m_looks.back();
        }
        // Everything came in one look: from the first byte sent instead.
        if (first == last) return static_cast<uint32_t>(uint64_t(last->nCount) * 1000 /
                                                        std::max<uint32_t>(last->nTick, 1));
        return static_cast<uint32_t>(uint64_t(last->nCount - first->nCount) * 1000 /
                                     std::max<uint32_t>(last->nTick - first->nTick, 1));
    }

private:
    // Bytes received in all, and when the input was looked at, from the start.
    struct Look {
        size_t nCount;
        uint32_t nTick;
    };

    bool TakeWhatCameBack() {
        for (;;) {
            uint8_t byte = 0;
            const int status = m_port.ReadByte(byte, 0);
            if (status == SERIAL_NO_DATA) return true;
            if (status != SERIAL_OK) return false;
            ++m_received;
            if (m_bWrong || m_back >= m_pattern.size() || byte != m_pattern[m_back])
                m_bWrong = true;
            else
                ++m_back;
        }
    }

    CSerialPort& m_port;
    CClock& m_clock;
    std::vector<uint8_t> m_pattern;
    size_t m_sent = 0;
    size_t m_back = 0;
    size_t m_received = 0;
    bool m_bWrong = false;
    std::vector<Look> m_looks;
};

LoopbackResult::Verdict Judge(const LoopbackResult& result) {
    using Verdict = LoopbackResult::Verdict;
    if (result.nReceived == 0) return Verdict::NothingBack;
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
    CRoundTrip trip(port, *platform.pClock, Pattern(baud));
    const bool ran = trip.Run(result);
    result.nMeasured = trip.Rate(result.nExpected);
    // Whatever did not go out is dropped, so closing does not wait for it.
    port.DiscardOutput();
    port.Close();
    if (ran) result.verdict = Judge(result);
    return result;
}
