#pragma once
// A serial line in memory, timed by a clock of the test's (a CManualClock, which waits move
// forward). The test plays the far end: it schedules
// bytes to arrive at given ticks, reads what the port wrote (or answers it byte by byte), limits
// the room for writing, hangs up, or makes any device call fail.

// own
#include "platform/serial_device.h"
#include "tests/serial/manual_clock.h"

// std
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <vector>

class CFakeSerialLine {
public:
    // Borrows the clock, which must outlive the line.
    explicit CFakeSerialLine(CClock& clock) : m_clock(clock) {}

    // The far end sends: the bytes become readable at tick (now by default).
    void Send(std::span<const uint8_t> bytes);
    void SendAt(uint32_t tick, std::span<const uint8_t> bytes);
    // What the port has written, in order.
    const std::vector<uint8_t>& Written() const { return m_written; }
    void ClearWritten() { m_written.clear(); }
    // From now on every call on the device fails, as on a line whose far end went away.
    void Hangup() { m_bHungUp = true; }

    // Room for this many more bytes, then writes find none until the far end drains at tick
    // (RestoreRoomAt) or never. Unlimited when never called.
    void LimitRoom(size_t bytes) { m_room = bytes; }
    void RestoreRoomAt(uint32_t tick) { m_roomTick = tick; }

    // The output queue: written bytes leave it at this many bytes a second as the clock moves;
    // by default at the line's rate (11 bits a byte), kNoQueue as on a pseudo-terminal (always
    // empty), 0 for a stalled line.
    static constexpr uint32_t kNoQueue = UINT32_MAX;
    std::optional<uint32_t> drainBytesPerSecond;
    // The queue shrinks only by whole chunks of this many bytes, as a UART's FIFO or a USB
    // adapter empties it (the last bytes go as soon as their time has come).
    uint32_t drainChunk = 1;
    // Bytes still queued for the line now; the device reports the same.
    uint32_t Queued();
    // How often the queue was thrown away.
    unsigned nDiscards = 0;

    // Called with every byte the port writes, after it is recorded: a far end that answers.
    std::function<void(uint8_t)> onWritten;

    struct Faults {
        bool bOpen = false;
        bool bGetState = false;
        bool bSetState = false;
        bool bQueueCount = false;
        bool bOutputCount = false;
        bool bRead = false;
        bool bShortRead = false; // the queue reports a byte that read then does not deliver
        bool bWrite = false;
        bool bClose = false;
    } faults;

    // What the device was told.
    SerialLineSettings settings{9600, 8, false, false};
    std::vector<SerialLineSettings> applied;
    bool bHeld = false;
    unsigned nOpens = 0;

private:
    friend class CFakeSerialDevice;
    uint32_t Waiting();
    bool HasRoom();
    // Milliseconds until something a wait wants may change, at most ms.
    uint32_t UntilChange(SerialReady wanted, uint32_t ms) const;
    void Enqueue(size_t count);

    CClock& m_clock;
    std::multimap<uint32_t, std::vector<uint8_t>> m_scheduled;
    std::deque<uint8_t> m_input;
    std::vector<uint8_t> m_written;
    std::optional<size_t> m_room;
    std::optional<uint32_t> m_roomTick;
    bool m_bHungUp = false;
    uint32_t m_queued = 0;
    uint32_t m_queueTick = 0;
    uint64_t m_drainCredit = 0; // bytes x 1000 ms not yet whole
};

class CFakeSerialDevice final : public CSerialDevice {
public:
    explicit CFakeSerialDevice(CFakeSerialLine& line) : m_line(line) {}
    ~CFakeSerialDevice() override;

    bool GetLineSettings(SerialLineSettings& settings) override;
    bool SetLineSettings(const SerialLineSettings& settings) override;
    bool InputQueueCount(uint32_t& count) override;
    bool OutputQueueCount(uint32_t& count) override;
    bool DiscardOutput() override;
    long Read(uint8_t* buffer, size_t size) override;
    long Write(const uint8_t* data, size_t size) override;
    bool Await(SerialReady wanted, uint32_t ms, SerialReady& found) override;
    bool Close() override;

private:
    CFakeSerialLine& m_line;
    bool m_bClosed = false;
};

// COM numbers wired to fake lines; the lines are borrowed and must outlive the host.
class CFakeSerialDeviceHost final : public CSerialDeviceHost {
public:
    void Attach(unsigned comNumber, CFakeSerialLine& line) { m_lines[comNumber] = &line; }

    std::unique_ptr<CSerialDevice> Open(unsigned comNumber,
                                        SerialOpenFault* fault = nullptr) override;
    std::vector<unsigned> ListPorts() override;

private:
    std::map<unsigned, CFakeSerialLine*> m_lines;
};
