#pragma once
// One COM port of the computer: lists the ports present, opens one by name (COM1 to COM9) at a
// rate of the baud table with 8 data bits, no parity and 2 stop bits, writes and reads single
// bytes, and closes it. Every operation returns one of the result codes below and never throws.
// Waits sleep on the device until it is ready or the time is up; nothing is retried on a timer.

// own
#include "platform/clock.h"
#include "platform/serial_device.h"
#include "serial/tick_timer.h"

// std
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int SERIAL_OK = 0;
inline constexpr int SERIAL_CREATE_FAILED = 0x9000;
inline constexpr int SERIAL_CLOSE_FAILED = 0x9001;
inline constexpr int SERIAL_BAD_PORT = 0x9002;
inline constexpr int SERIAL_ALREADY_OPEN = 0x9003;
inline constexpr int SERIAL_NOT_OPEN_CLOSE = 0x9004;
inline constexpr int SERIAL_NOT_OPEN = 0x9005;
// Never returned here: the tick timer is part of the port and always present.
inline constexpr int SERIAL_NO_TIMER = 0x9007;
// Never returned here: the DTR line is simply on or off, there is no mode index to get wrong.
inline constexpr int SERIAL_BAD_DTR_MODE = 0x9009;
inline constexpr int SERIAL_GET_STATE_FAILED = 0x9010;
inline constexpr int SERIAL_SET_STATE_FAILED = 0x9012;
inline constexpr int SERIAL_BAD_BAUD = 0x9020;
inline constexpr int SERIAL_READ_FAILED = 0x9030;
inline constexpr int SERIAL_READ_SHORT = 0x9031;
inline constexpr int SERIAL_TIMEOUT = 0x9032;
inline constexpr int SERIAL_WRITE_FAILED = 0x9040;
inline constexpr int SERIAL_STATUS_FAILED = 0x9050;
inline constexpr int SERIAL_NO_DATA = 0x9051;

// What a port runs on: the devices it opens and the clock that times its waits. Both are
// borrowed and must outlive every port made with them.
struct SerialPlatform {
    CSerialDeviceHost* pHost;
    CClock* pClock;
};

// The machine's serial devices and its steady clock.
SerialPlatform DefaultSerialPlatform();

class CSerialPort {
public:
    static constexpr size_t kPortListSize = 10;
    // The longest wait for room to write one byte. Without flow control a line always drains,
    // at 110 baud a byte every 100 ms, so a longer wait means the device is stuck.
    static constexpr uint32_t kWriteTimeoutMs = 3000;
    // The pause before another write after a device that reported room refused the byte (a full
    // pseudo-terminal may), so that a wrong report cannot make the wait spin.
    static constexpr uint32_t kRefusedWriteRetryMs = 3;

    explicit CSerialPort(const SerialPlatform& platform = DefaultSerialPlatform());
    ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens "COM1" to "COM9" at a rate of the baud table. SERIAL_ALREADY_OPEN leaves the open
    // port as it was; any other failure leaves the port closed.
    int Open(std::string_view name, int64_t baud);
    // Drops DTR and releases the device: SERIAL_OK, SERIAL_CLOSE_FAILED (released anyway) or
    // SERIAL_NOT_OPEN_CLOSE.
    int Close();
    bool IsOpen() const { return m_pDevice != nullptr; }
    // Why the device of the last Open could not be opened (with SERIAL_CREATE_FAILED).
    const SerialOpenFault& OpenFault() const { return m_openFault; }
    // The rate the port was opened at; 0 while closed.
    uint32_t Baud() const { return m_pDevice ? m_settings.nBaudRate : 0; }

    // Succeeds only once the byte is written; waits for room up to kWriteTimeoutMs, then
    // SERIAL_WRITE_FAILED.
    int WriteByte(uint8_t byte);
    // Writes as many of the bytes as there is room for now, without waiting: SERIAL_OK with the
    // count in `written` (possibly 0), or SERIAL_WRITE_FAILED.
    int WriteSome(std::span<const uint8_t> bytes, size_t& written);
    // The written bytes that have not left the line yet: SERIAL_OK or SERIAL_STATUS_FAILED.
    int OutputQueueCount(uint32_t& count);
    // Throws away what has not left the line, so that closing never waits for it.
    int DiscardOutput();
    // Takes one waiting byte, or waits up to timeoutMs for one: SERIAL_TIMEOUT when none came;
    // with a time-out of 0 it looks once (SERIAL_NO_DATA).
    int ReadByte(uint8_t& byte, uint16_t timeoutMs);
    // Sleeps up to ms until what is wanted is there (a byte to read, room to write). What came
    // in is taken into the port at once, so that a hang-up that follows cannot lose it; `found`
    // tells whether a byte is there to read and whether room was reported. SERIAL_OK, or the
    // failure of the device.
    int Await(SerialReady wanted, uint32_t ms, SerialReady& found);

    // Fills the port list with "OFFLINE" and the COM1 to COM9 present; returns the number of
    // entries. The entry after the last has an empty name.
    int EnumeratePorts();
    // The name at index of the port list; empty past its end.
    std::string GetPortName(int index) const;

private:
    int OpenByIndex(int portIndex, size_t baudIndex);
    int Release();
    int PollByte(uint8_t& byte);
    int TakeInput();

    CSerialDeviceHost& m_host;
    CClock& m_clock;
    std::array<std::string, kPortListSize> m_portNames;
    std::unique_ptr<CSerialDevice> m_pDevice;
    SerialOpenFault m_openFault;
    // Bytes taken from the device and not yet read, from m_nInputAt on.
    std::vector<uint8_t> m_input;
    size_t m_nInputAt = 0;
    SerialLineSettings m_settings;
    CTickTimer m_timer;
};
