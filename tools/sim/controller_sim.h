#pragma once
// The simulated PA Controller: takes the bytes the editor sends, one at a time, and gives the
// bytes to answer with, as its options say. Logs each exchange and every oddity to a stream.

// own
#include "tools/sim/request_reader.h"
#include "tools/sim/sim_options.h"

// std
#include <cstdint>
#include <ostream>
#include <vector>

class CControllerSim {
public:
    // Borrows the options and the log, which must outlive the simulator.
    CControllerSim(const SimOptions& options, std::ostream& log);

    // The bytes to send back once this line byte is in (empty for none).
    std::vector<uint8_t> Feed(uint8_t lineByte);
    // The pause before the answer that the last Feed gave: the time the controller takes to store
    // an image.
    uint32_t PauseBeforeAnswer() const { return m_nPauseMs; }
    // True once as many image bytes as --hangup-after asks for have arrived.
    bool WantsHangup() const;
    // True when any image received so far failed its checks or could not be written out.
    bool HadBadImage() const { return m_bBadImage; }
    // Forgets any frame in progress; the next conversation starts afresh.
    void NewConversation() { m_reader.Reset(); }

private:
    std::vector<uint8_t> Answer(const SimRequest& request);
    std::vector<uint8_t> AnswerVersion();
    void TakeImage(const std::vector<uint8_t>& image);

    const SimOptions& m_options;
    std::ostream& m_log;
    CRequestReader m_reader;
    bool m_bBadImage = false;
    uint32_t m_nPauseMs = 0;
};

// The frame a controller answers with: start, two zero bytes, the type, the body, escaped.
std::vector<uint8_t> ResponseFrame(uint8_t type, const std::vector<uint8_t>& body);

// Plain text without a start byte: a reader looking for a frame finds none in it.
std::vector<uint8_t> GarbageLine();
