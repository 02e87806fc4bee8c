#include "tools/sim/controller_sim.h"

// own
#include "serial/frame_codec.h"
#include "tools/sim/image_check.h"

// std
#include <cstdio>
#include <fstream>

namespace {

std::string HexByte(uint8_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

} // namespace

std::vector<uint8_t> GarbageLine() {
    static constexpr char kGarbage[] = "?? no frame here ??\r\n";
    return std::vector<uint8_t>(kGarbage, kGarbage + sizeof kGarbage - 1);
}

std::vector<uint8_t> ResponseFrame(uint8_t type, const std::vector<uint8_t>& body) {
    const uint8_t head[] = {0x00, 0x00, type};
    std::vector<uint8_t> line = EncodeFrame({}, head);
    for (uint8_t byte : body)
        AppendEscaped(line, byte);
    return line;
}

CControllerSim::CControllerSim(const SimOptions& options, std::ostream& log)
    : m_options(options), m_log(log) {
    m_reader.onNote = [this](const std::string& note) { m_log << "line: " << note << '\n'; };
}

bool CControllerSim::WantsHangup() const {
    return m_options.hangupAfter && m_reader.ReceivingImage() &&
           m_reader.ImageBytesSoFar() >= *m_options.hangupAfter;
}

std::vector<uint8_t> CControllerSim::Feed(uint8_t lineByte) {
    const std::optional<SimRequest> request = m_reader.Feed(lineByte);
    m_nPauseMs = 0;
    if (!request) return {};
    if (request->nType == 0x03) m_nPauseMs = m_options.nStoreMs;
    if (request->nAddress != 0) m_log << "request for address " << request->nAddress << '\n';
    return Answer(*request);
}

std::vector<uint8_t> CControllerSim::Answer(const SimRequest& request) {
    if (request.nType == 0x03) TakeImage(request.image);
    // A chattering line answers nothing, and says nothing about answering.
    if (m_options.bNoise) return {};
    if (m_options.bSilent) {
        m_log << "message " << HexByte(request.nType) << ": not answered (silent)\n";
        return {};
    }
    if (m_options.bGarbage) {
        m_log << "message " << HexByte(request.nType) << ": answered with garbage\n";
        return GarbageLine();
    }
    switch (request.nType) {
    case 0x01:
        return AnswerVersion();
    case 0x02:
        m_log << "download request: answering " << HexByte(m_options.nRequestCode) << '\n';
        return ResponseFrame(0x02, {m_options.nRequestCode});
    default:
        m_log << "download: answering " << HexByte(m_options.nDownloadCode) << '\n';
        return ResponseFrame(0x03, {m_options.nDownloadCode});
    }
}

std::vector<uint8_t> CControllerSim::AnswerVersion() {
    if (m_options.bShortVersion) {
        m_log << "version request: answering with a one-byte body\n";
        return ResponseFrame(0x02, {m_options.nMinor});
    }
    m_log << "version request: answering " << int(m_options.nMajor) << '.' << int(m_options.nMinor)
          << " \"" << m_options.strVersionText << "\"\n";
    const std::string& text = m_options.strVersionText;
    std::vector<uint8_t> body;
    body.reserve(3 + text.size());
    body.push_back(m_options.nMinor);
    body.push_back(m_options.nMajor);
    body.push_back(static_cast<uint8_t>(text.size()));
    for (char c : text)
        body.push_back(static_cast<uint8_t>(c));
    return ResponseFrame(0x01, body);
}

void CControllerSim::TakeImage(const std::vector<uint8_t>& image) {
    const ImageCheck check = CheckImage(image);
    for (const std::string& line : check.lines)
        m_log << line << '\n';
    if (!check.bOk) m_bBadImage = true;
    if (m_options.strOutPath.empty()) return;
    std::ofstream out(m_options.strOutPath, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
    out.close();
    if (!out) {
        m_log << "could not write the image to " << m_options.strOutPath << '\n';
        m_bBadImage = true;
    }
}
