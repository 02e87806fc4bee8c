#include "tools/sim/request_reader.h"

namespace {

// Length field (2 bytes) and checksum (2 bytes) come before the counted bytes.
constexpr size_t kImageHeadBytes = 4;

} // namespace

void CRequestReader::Note(const std::string& text) const {
    if (onNote) onNote(text);
}

void CRequestReader::Reset() {
    m_decoder.Reset();
    m_state = State::Idle;
    m_nNoise = 0;
}

void CRequestReader::BeginFrame() {
    if (m_nNoise > 0) Note(std::to_string(m_nNoise) + " byte(s) outside any frame ignored");
    m_nNoise = 0;
    m_request = SimRequest();
    m_nImageSize = 0;
    m_state = State::AddressFirst;
}

std::optional<SimRequest> CRequestReader::Feed(uint8_t lineByte) {
    int value = 0;
    if (!m_decoder.Feed(lineByte, value)) return {};
    if (value == kDecodedStart) {
        if (m_state != State::Idle) Note("frame cut off by a new start byte");
        BeginFrame();
        return {};
    }
    if (value == kDecodedBadEscape) {
        if (m_state != State::Idle) Note("frame broken by an invalid escape; dropped");
        m_state = State::Idle;
        return {};
    }
    if (m_state == State::Idle) {
        ++m_nNoise;
        return {};
    }
    return Take(value);
}

std::optional<SimRequest> CRequestReader::Take(int value) {
    const auto byte = static_cast<uint8_t>(value);
    switch (m_state) {
    case State::AddressFirst:
        m_nAddressShift = 0;
        m_nAddressBytesLeft = byte == 0xFE ? 2 : byte == 0xFF ? 4 : 0;
        if (m_nAddressBytesLeft == 0) {
            m_request.nAddress = byte;
            m_state = State::Type;
        } else {
            m_state = State::AddressRest;
        }
        return {};
    case State::AddressRest:
        m_request.nAddress |= static_cast<uint32_t>(byte) << m_nAddressShift;
        m_nAddressShift += 8;
        if (--m_nAddressBytesLeft == 0) m_state = State::Type;
        return {};
    case State::Type:
        m_request.nType = byte;
        if (byte == 0x01 || byte == 0x02) {
            m_state = State::Idle;
            return m_request;
        }
        if (byte == 0x03) {
            m_state = State::Image;
            return {};
        }
        Note("unknown message type " + std::to_string(byte) + "; frame ignored");
        m_state = State::Idle;
        return {};
    case State::Image:
        m_request.image.push_back(byte);
        if (m_request.image.size() == 2)
            m_nImageSize = kImageHeadBytes + (m_request.image[0] | (m_request.image[1] << 8));
        if (m_nImageSize == 0 || m_request.image.size() < m_nImageSize) return {};
        m_state = State::Idle;
        return m_request;
    case State::Idle:
        break;
    }
    return {};
}
