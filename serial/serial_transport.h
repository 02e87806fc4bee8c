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
#include <optional>
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

// The most line bytes a legal response can take: a start byte, the two zero bytes and the type,
// then a version body of two bytes, a count and 255 text bytes, every body byte escaped.
inline constexpr uint32_t kLongestResponseLineBytes = 1 + 3 + 2 * (3 + 255);

// The longest a send or a read sleeps before it asks its watch (the caller's cancel check)
// again: often enough for a progress bar and a Cancel button, rare enough to cost nothing.
inline constexpr uint32_t kWatchIntervalMs = 20;

enum class SendResult {
    Sent,      // every byte has left the line, or the answer has begun
    Failed,    // the port failed, or the line stalled
    Cancelled, // the watch's goOn said stop
};

// What a send may do while it waits for the line.
struct SendWatch {
    // Asked at every wake-up, at least every kWatchIntervalMs; false cancels the send.
    std::function<bool()> goOn;
    // Told, at every wake-up, how many line bytes of the frame have left of how many.
    std::function<void(size_t sent, size_t total)> onProgress;
};

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
    // After a failed Open: the port, its device and why, in one line (see OpenFailureFacts).
    const std::string& OpenFailureFacts() const { return m_openFacts; }
    void Close();
    // The prefix of every later frame; kept across Close.
    void SetFrameAddress(uint32_t address);

    // Sends the start byte, the address prefix and the message, and returns once the frame has
    // left the line: no sooner than its bytes take at the port's rate, counted from the first
    // byte written, and not before the device's output queue is empty; or as soon as a byte
    // comes back once all are written, since only a far end that received the frame answers.
    // Failed at once when the transport is not open or the port fails, and when neither a byte
    // was taken nor the queue shrank for timeoutMs plus the line time of 512 bytes.
    SendResult SendFrame(std::span<const uint8_t> message, int timeoutMs = 3000,
                         const SendWatch& watch = {});
    // Throws away what has not left the line yet, so that closing does not wait for it.
    void DiscardOutput();
    // Sends one data byte escaped; false as soon as a line byte could not be written.
    bool WriteEscaped(uint8_t byte);

    // One decoded byte within timeoutMs (brought into 1 to 65535; an escaped byte waits afresh
    // for its second half): 0 to 255 for data, kDecodedStart for a start byte, READ_TIMEOUT,
    // READ_BAD_FRAME, or READ_HARDWARE_ERROR when the port fails or the transport is closed.
    int ReadByte(int timeoutMs);

    // Reads one response frame. goOn is asked before each byte while a start byte is awaited and
    // at least every kWatchIntervalMs while any byte is awaited; false from it ends the read with
    // READ_CANCELLED. Besides the time-out per byte, the whole response must be in within
    // timeoutMs plus twice the line time of the longest legal response, looked at before every
    // byte; past that the read ends with READ_TIMEOUT, so a line that chatters or dribbles
    // cannot hold it for ever. Always sets result; the text (which may
    // hold zero bytes) is non-empty only with READ_COMPLETE: for type 1 the two version bytes
    // and the counted text, for types 2 and 3 the one code byte.
    std::string ReadResponse(const std::function<bool()>& goOn, int timeoutMs, int& result);

private:
    // How one read waits for each line byte.
    struct ReadWait {
        const std::function<bool()>* pGoOn = nullptr;
        uint16_t timeoutMs = 1;
        uint32_t startTick = 0;
        std::optional<uint32_t> boundMs; // for the whole read, from startTick
    };

    bool WriteRaw(uint8_t byte);
    static bool OverBound(const ReadWait& wait, uint32_t now);
    int AwaitLineByte(const ReadWait& wait, uint8_t& lineByte);
    int DecodeByte(const ReadWait& wait);
    int ReadFrameBody(const ReadWait& wait, std::string& text);

    bool m_bOpen = false;
    CClock& m_clock;
    CSerialPort m_port;
    std::vector<uint8_t> m_prefix;
    std::string m_openFacts;
};
