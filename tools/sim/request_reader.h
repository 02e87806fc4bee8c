#pragma once
// Reads the frames the editor sends to the controller from the raw bytes of the line: the start
// byte, the address prefix, then the message. Messages 0x01 and 0x02 are one byte long; message
// 0x03 carries the image, whose own length field (length + 4 bytes in all) tells where it ends.

// own
#include "serial/frame_codec.h"

// std
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct SimRequest {
    uint32_t nAddress = 0;
    uint8_t nType = 0;          // 0x01 version, 0x02 download request, 0x03 download
    std::vector<uint8_t> image; // for 0x03: the whole image, length field included
};

class CRequestReader {
public:
    // The request that this line byte completes, if any.
    std::optional<SimRequest> Feed(uint8_t lineByte);
    // True while the image of a download is arriving.
    bool ReceivingImage() const { return m_state == State::Image; }
    // Image bytes received so far of a download still arriving (0 when none is).
    size_t ImageBytesSoFar() const { return ReceivingImage() ? m_request.image.size() : 0; }
    // Forgets any frame in progress.
    void Reset();

    // Told of everything on the line that is not a request: noise, cut-off and unknown frames.
    std::function<void(const std::string&)> onNote;

private:
    enum class State { Idle, AddressFirst, AddressRest, Type, Image };

    std::optional<SimRequest> Take(int value);
    void Note(const std::string& text) const;
    void BeginFrame();

    CEscapeDecoder m_decoder;
    State m_state = State::Idle;
    SimRequest m_request;
    unsigned m_nAddressBytesLeft = 0;
    unsigned m_nAddressShift = 0;
    size_t m_nImageSize = 0; // known once the length field is in
    size_t m_nNoise = 0;
};
