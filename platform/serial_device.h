#pragma once
// The contract between the serial port and the machine's serial devices. A device is opened by
// its COM number and is held exclusively until it is destroyed. Reads take only what is waiting,
// writes only what fits; whoever needs to wait for either does so in Await, never by retrying.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The line settings of an open device as the driver reports them.
struct SerialLineSettings {
    uint32_t nBaudRate = 0;
    uint8_t nDataBits = 8; // 5 to 8
    bool bParity = false;
    bool bTwoStopBits = false;
    bool bDtr = false;        // DTR raised
    bool bRts = false;        // RTS raised
    bool bCtsFlow = false;    // output held while CTS is low
    bool bXonXoffOut = false; // output obeys XON/XOFF from the far end
    bool bXonXoffIn = false;  // input sends XON/XOFF to the far end
    uint8_t nXonChar = 0x11;
    uint8_t nXoffChar = 0x13;

    bool operator==(const SerialLineSettings&) const = default;
};

// Why a device could not be opened, for a message that says what to do next.
struct SerialOpenFault {
    enum Cause {
        None,
        NotConnected, // no device of that name: unplugged, or never linked
        NotPermitted, // the user may not open it
        InUse,        // another program holds it
        NotAPort,     // a terminal that must not serve as a port, or no terminal at all
        Other,        // the system's error number says why
    };
    Cause cause = None;
    std::string device; // what the COM name stands for; empty when it names nothing
    int error = 0;      // the system's error number, with Other
};

// What a wait on a device is for, and what it found.
struct SerialReady {
    bool bInput = false; // received bytes are waiting to be read
    bool bRoom = false;  // there is room to write
};

class CSerialDevice {
public:
    virtual ~CSerialDevice() = default;

    // False when the driver cannot report its settings.
    virtual bool GetLineSettings(SerialLineSettings& settings) = 0;
    // Applies the settings in raw mode (no echo, no line editing, no character translation).
    // False when the driver refuses them; the modem lines DTR and RTS are set as far as the
    // device has them (a pseudo-terminal has none, which is not a failure).
    virtual bool SetLineSettings(const SerialLineSettings& settings) = 0;
    // The number of received bytes waiting to be read; false when it cannot be read.
    virtual bool InputQueueCount(uint32_t& count) = 0;
    // The number of written bytes that have not yet left the line; false when it cannot be read.
    // A pseudo-terminal always reports 0.
    virtual bool OutputQueueCount(uint32_t& count) = 0;
    // Throws away the written bytes that have not left yet, so that closing need not wait for
    // them; false when the driver refuses.
    virtual bool DiscardOutput() = 0;
    // Reads up to size waiting bytes: the number read, or -1 on failure.
    virtual long Read(uint8_t* buffer, size_t size) = 0;
    // Writes as much as fits: the number written (0 when there is no room), or -1 on failure.
    virtual long Write(const uint8_t* data, size_t size) = 0;
    // Sleeps until what is wanted is there or ms have passed, whichever comes first (wanting
    // neither is a plain sleep); a signal may end it sooner. A line that hung up counts as input
    // waiting, so that the next look reports the failure. `found` tells what is there; false
    // when the wait itself failed.
    virtual bool Await(SerialReady wanted, uint32_t ms, SerialReady& found) = 0;
    // Releases the device; false when the system reported a failure (it is released anyway).
    virtual bool Close() = 0;
};

// The serial devices of the machine, by COM number.
class CSerialDeviceHost {
public:
    virtual ~CSerialDeviceHost() = default;

    // The device of that COM number, held exclusively; null when it is missing, not a serial
    // device, held by someone else or not permitted, and then `fault` (when given) says which.
    virtual std::unique_ptr<CSerialDevice> Open(unsigned comNumber,
                                                SerialOpenFault* fault = nullptr) = 0;
    // The COM numbers from 1 to 9 that name a serial device now, ascending.
    virtual std::vector<unsigned> ListPorts() = 0;
};
