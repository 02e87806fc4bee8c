#pragma once
// The message link to the PA Controller over one CSerialPort: opens the port, sends framed
// messages (start byte, address prefix, escaping) and reads escape-decoded bytes and whole
// response frames. Nothing is shown to the user here; failures come back as the values below.

// own
#include "serial/frame_codec.h"
#include "serial/serial_port.h"

// std
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Results of ReadResponse. ReadByte shares READ_TIMEOUT, READ_HARDWARE_ERROR and READ_BAD_FRAME
// (an escape that stands for nothing) and gives kDecodedStart for a start byte.
inline constexpr int READ_COMPLETE = -4;                 // a whole response; its text is returned
inline constexpr int READ_TIMEOUT = -2;                  // no byte within the time-out
inline constexpr int READ_HARDWARE_ERROR = -1;           // the port failed (other than by time-out)
inline constexpr int READ_TYPE_TIMEOUT = 0;              // the time-out struck on the type byte
inline constexpr int READ_CANCELLED = 1000;              // the cancel check said stop
inline constexpr int READ_BAD_FRAME = kDecodedBadEscape; // a frame no response can be read from

inline constexpr const char* kOpenFailedText = "Opening serial port: The port is not open";

class CSerialTransport {
public:
    // Creates the port on the platform, which must outlive the transport.
    explicit CSerialTransport(const SerialPlatform& platform = DefaultSerialPlatform());
    ~CSerialTransport();
    CSerialTransport(const CSerialTransport&) = delete;
    CSerialTransport& operator=(const CSerialTransport&) = delete;

    // Empty on success, kOpenFailedText on any failure. The transport counts as open in both
    // cases: sends then fail and reads report a hardware error.
    std::string Open(std::string_view portName, int64_t baud);
    void Close();
    // The prefix of every later frame; kept across Close.
    void SetFrameAddress(uint32_t address);

    // Sends the start byte, the address prefix and the message; false at the first byte that
    // could not be written, or at once when the transport is not open.
    bool SendFrame(std::span<const uint8_t> message);
    // Sends one data byte escaped; false as soon as a line byte could not be written.
    bool WriteEscaped(uint8_t byte);

    // One decoded byte within timeoutMs (brought into 1 to 65535; an escaped byte waits afresh
    // for its second half): 0 to 255 for data, kDecodedStart for a start byte, READ_TIMEOUT,
    // READ_BAD_FRAME, or READ_HARDWARE_ERROR when the port fails or the transport is closed.
    int ReadByte(int timeoutMs);

    // Reads one response frame. goOn is asked before each byte while a start byte is awaited;
    // false from it ends the read with READ_CANCELLED. Always sets result; the text (which may
    // hold zero bytes) is non-empty only with READ_COMPLETE: for type 1 the two version bytes
    // and the counted text, for types 2 and 3 the one code byte.
    std::string ReadResponse(const std::function<bool()>& goOn, int timeoutMs, int& result);

private:
    bool WriteRaw(uint8_t byte);
    int ReadFrameBody(int timeoutMs, std::string& text);

    bool m_bOpen = false;
    CSerialPort m_port;
    std::vector<uint8_t> m_prefix;
};
