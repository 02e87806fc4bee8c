#pragma once
// How the simulated PA Controller behaves, as chosen on its command line.

// std
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct SimOptions {
    unsigned nComNumber = 0; // 1 to 9
    uint8_t nMajor = 1;
    uint8_t nMinor = 1;
    std::string strVersionText = "PA Controller simulator";
    uint8_t nRequestCode = 0xAA;       // answer to the download request
    uint8_t nDownloadCode = 0xAA;      // answer to the download
    bool bSilent = false;              // never answers
    bool bGarbage = false;             // answers bytes that form no frame
    bool bShortVersion = false;        // answers the version request with a one-byte body
    std::optional<size_t> hangupAfter; // hangs up after this many image bytes
    std::string strOutPath;            // where the received image is written; empty for nowhere
    bool bServe = false;               // keeps answering conversation after conversation
    uint32_t nBaud = 19200;            // the line's rate in both directions
    bool bInstant = false;             // takes and sends bytes as fast as the machine can
    uint32_t nStoreMs = 300;           // the pause before answering the image
    bool bNoise = false;               // sends bytes that form no frame, without end; no answers
    uint32_t nDribbleMs = 0;           // sends its answers one byte per this many ms
    bool bEcho = false;                // sends back every byte it takes, and nothing else
};

// "COM1" to "COM9" as its number; nothing for any other text.
std::optional<unsigned> ParseComName(std::string_view text);
// "AA", "55" or any other one- or two-digit hexadecimal byte (optionally 0x-prefixed).
std::optional<uint8_t> ParseAnswerCode(std::string_view text);
// "MAJOR.MINOR" or "MAJOR.MINOR:TEXT", numbers 0 to 255, text up to 255 bytes; false when the
// text is not of that form (the options are then unchanged).
bool ParseVersion(std::string_view text, SimOptions& options);
