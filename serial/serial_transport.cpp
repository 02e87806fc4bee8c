#include "serial/serial_transport.h"

// own
#include "serial/line_time.h"
#include "serial/open_failure.h"

// std
#include <algorithm>

namespace {

// Internal outcomes of one frame besides the public results: a start byte inside the frame (a new
// frame begins there) and a second byte other than 0 (wait for the next start).
constexpr int kFrameRestart = kDecodedStart;
constexpr int kFrameResync = kDecodedStart + 1;

bool IsData(int value) {
    return value >= 0 && value <= 0xFF;
}

// How long a device's queue may keep its bytes before the send counts as stalled: the time-out,
// and the line time of 512 bytes, since a UART's FIFO or a USB adapter empties in chunks of up to
// that many.
uint32_t StallMs(int timeoutMs, uint32_t baud) {
    constexpr uint32_t kLargestDrainChunk = 512;
    return static_cast<uint32_t>(std::max(timeoutMs, 1)) + LineTimeMs(kLargestDrainChunk, baud);
}

} // namespace

CSerialTransport::CSerialTransport(const SerialPlatform& platform)
    : m_clock(*platform.pClock), m_port(platform) {}

CSerialTransport::~CSerialTransport() {
    Close();
}

std::string CSerialTransport::Open(std::string_view portName, int64_t baud) {
    const int result = m_port.Open(portName, baud);
    m_bOpen = true;
    if (result == SERIAL_OK) return {};
    m_openFacts = ::OpenFailureFacts(portName, baud, result, m_port.OpenFault());
    return kOpenFailedText;
}

void CSerialTransport::Close() {
    m_port.Close();
    m_bOpen = false;
}

void CSerialTransport::SetFrameAddress(uint32_t address) {
    m_prefix = AddressPrefix(address);
}

bool CSerialTransport::WriteRaw(uint8_t byte) {
    return m_bOpen && m_port.WriteByte(byte) == 0;
}

bool CSerialTransport::WriteEscaped(uint8_t byte) {
    std::vector<uint8_t> line;
    AppendEscaped(line, byte);
    return std::all_of(line.begin(), line.end(), [this](uint8_t b) { return WriteRaw(b); });
}

SendResult CSerialTransport::SendFrame(std::span<const uint8_t> message, int timeoutMs,
                                       const SendWatch& watch) {
    if (!m_bOpen) return SendResult::Failed;
    const std::vector<uint8_t> line = EncodeFrame(m_prefix, message);
    const uint32_t baud = m_port.Baud();
    const uint32_t start = m_clock.GetTickCount();
    const uint32_t lineTime = LineTimeMs(line.size(), baud);
    const uint32_t stallMs = StallMs(timeoutMs, baud);
    size_t written = 0;
    uint32_t lastQueued = UINT32_MAX;
    uint32_t lastMove = start;
    SerialReady found;
    for (;;) {
        bool allTaken = written == line.size();
        // The controller cannot answer a frame it has not received: the first byte of its answer
        // ends the wait for the line, before a hang-up that may follow the answer is noticed.
        if (allTaken && found.bInput) {
            if (watch.onProgress) watch.onProgress(line.size(), line.size());
            return SendResult::Sent;
        }
        size_t taken = 0;
        if (!allTaken) {
            if (m_port.WriteSome(std::span(line).subspan(written), taken) != SERIAL_OK)
                return SendResult::Failed;
            written += taken;
            allTaken = written == line.size();
        }
        uint32_t queued = 0;
        if (m_port.OutputQueueCount(queued) != SERIAL_OK) return SendResult::Failed;
        const uint32_t now = m_clock.GetTickCount();
        if (watch.onProgress) {
            const size_t gone = written - std::min<size_t>(queued, written);
            watch.onProgress(std::min<uint64_t>(gone, LineBytesIn(now - start, baud)), line.size());
        }
        if (allTaken && queued == 0 && now - start >= lineTime) return SendResult::Sent;
        // Only a line that holds bytes back can stall; waiting out the line time is no stall.
        if (taken > 0 || queued < lastQueued || (allTaken && queued == 0)) lastMove = now;
        lastQueued = queued;
        // A device that reports no queue (a pseudo-terminal) makes room in chunks: it stalls only
        // once even the line time of what it took is a stall's time past.
        const bool queueSeen = queued > 0;
        if (now - lastMove >= stallMs &&
            (queueSeen || now - start >= LineTimeMs(written, baud) + stallMs))
            return SendResult::Failed;
        if (watch.goOn && !watch.goOn()) return SendResult::Cancelled;

        // Room is awaited while bytes are left to write, an answer once all are taken, each for
        // no longer than the watch may wait; room reported and then refused is not trusted at
        // once again.
        const bool roomRefused = !allTaken && taken == 0 && found.bRoom;
        SerialReady wanted;
        wanted.bInput = allTaken;
        wanted.bRoom = !allTaken && !roomRefused;
        uint32_t ms = roomRefused ? CSerialPort::kRefusedWriteRetryMs : kWatchIntervalMs;
        if (allTaken) {
            const uint32_t lineLeft = std::max(lineTime - std::min(lineTime, now - start),
                                               LineTimeMs(queued, baud));
            ms = std::clamp<uint32_t>(lineLeft, 1, kWatchIntervalMs);
        }
        if (m_port.Await(wanted, ms, found) != SERIAL_OK) return SendResult::Failed;
    }
}

void CSerialTransport::DiscardOutput() {
    m_port.DiscardOutput();
}

bool CSerialTransport::OverBound(const ReadWait& wait, uint32_t now) {
    return wait.boundMs && now - wait.startTick >= *wait.boundMs;
}

int CSerialTransport::AwaitLineByte(const ReadWait& wait, uint8_t& lineByte) {
    const uint32_t start = m_clock.GetTickCount();
    for (;;) {
        // The bound is looked at before every byte, so a line whose bytes never stop coming
        // cannot outlast it.
        if (OverBound(wait, m_clock.GetTickCount())) return READ_TIMEOUT;
        const int status = m_port.ReadByte(lineByte, 0);
        if (status == SERIAL_OK) return SERIAL_OK;
        if (status != SERIAL_NO_DATA) return READ_HARDWARE_ERROR;
        if (wait.pGoOn && *wait.pGoOn && !(*wait.pGoOn)()) return READ_CANCELLED;
        const uint32_t now = m_clock.GetTickCount();
        const uint32_t waited = now - start;
        if (waited >= wait.timeoutMs || OverBound(wait, now)) return READ_TIMEOUT;
        uint32_t ms = wait.timeoutMs - waited;
        if (wait.pGoOn && *wait.pGoOn) ms = std::min(ms, kWatchIntervalMs);
        if (wait.boundMs) ms = std::min(ms, *wait.boundMs - (now - wait.startTick));
        SerialReady wanted;
        wanted.bInput = true;
        SerialReady found;
        if (m_port.Await(wanted, ms, found) != SERIAL_OK) return READ_HARDWARE_ERROR;
    }
}

int CSerialTransport::DecodeByte(const ReadWait& wait) {
    if (!m_bOpen) return READ_HARDWARE_ERROR;
    CEscapeDecoder decoder;
    for (;;) {
        uint8_t lineByte = 0;
        const int status = AwaitLineByte(wait, lineByte);
        if (status != SERIAL_OK) return status;
        int decoded = 0;
        if (decoder.Feed(lineByte, decoded)) return decoded;
    }
}

int CSerialTransport::ReadByte(int timeoutMs) {
    // The port counts 16-bit milliseconds; 0 would mean "look once" instead of "wait".
    ReadWait wait;
    wait.timeoutMs = static_cast<uint16_t>(std::clamp(timeoutMs, 1, 0xFFFF));
    return DecodeByte(wait);
}

int CSerialTransport::ReadFrameBody(const ReadWait& wait, std::string& text) {
    int value = DecodeByte(wait);
    if (!IsData(value)) return value;
    if (value != 0) return kFrameResync;
    value = DecodeByte(wait);
    if (!IsData(value)) return value;
    if (value != 0) return READ_BAD_FRAME;

    const int type = DecodeByte(wait);
    // The bound of the whole read is a time-out of the response, not a missing type.
    if (type == READ_TIMEOUT)
        return OverBound(wait, m_clock.GetTickCount()) ? READ_TIMEOUT : READ_TYPE_TIMEOUT;
    if (!IsData(type)) return type;
    if (type < 1 || type > 3) return READ_BAD_FRAME;

    // Type 1: two version bytes, a count, then that many text bytes; types 2 and 3: one byte.
    const int heading = type == 1 ? 3 : 1;
    std::string body;
    for (int i = 0; i < heading; ++i) {
        value = DecodeByte(wait);
        if (!IsData(value)) return value;
        body.push_back(static_cast<char>(value));
    }
    if (type == 1) {
        const auto count = static_cast<uint8_t>(body.back());
        body.pop_back();
        for (int i = 0; i < count; ++i) {
            value = DecodeByte(wait);
            if (!IsData(value)) return value;
            body.push_back(static_cast<char>(value));
        }
    }
    text = std::move(body);
    return READ_COMPLETE;
}

std::string CSerialTransport::ReadResponse(const std::function<bool()>& goOn, int timeoutMs,
                                           int& result) {
    ReadWait wait;
    wait.pGoOn = &goOn;
    wait.timeoutMs = static_cast<uint16_t>(std::clamp(timeoutMs, 1, 0xFFFF));
    wait.startTick = m_clock.GetTickCount();
    wait.boundMs = wait.timeoutMs + 2 * LineTimeMs(kLongestResponseLineBytes, m_port.Baud());
    bool startInHand = false;
    for (;;) {
        if (goOn && !goOn()) {
            result = READ_CANCELLED;
            return {};
        }
        if (!startInHand) {
            const int value = DecodeByte(wait);
            if (value == READ_TIMEOUT || value == READ_HARDWARE_ERROR || value == READ_CANCELLED) {
                result = value;
                return {};
            }
            // Anything before a start byte is noise, a broken escape included.
            if (value != kDecodedStart) continue;
        }
        std::string text;
        const int outcome = ReadFrameBody(wait, text);
        startInHand = outcome == kFrameRestart;
        if (outcome == kFrameRestart || outcome == kFrameResync) continue;
        result = outcome;
        return text;
    }
}
