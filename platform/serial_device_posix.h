#pragma once
// The machine's serial devices on POSIX terminals. COMn is the device that comN of the user's
// ports folder links to; devices present but not yet linked get the free numbers when a port is
// listed or opened. A device is held with O_NOCTTY, TIOCEXCL and an exclusive flock, so neither
// another process of ours nor another program sharing the convention can open it meanwhile.

// own
#include "platform/serial_device.h"
#include "platform/serial_device_discovery.h"

// std
#include <filesystem>

class CPosixSerialDevice final : public CSerialDevice {
public:
    // Takes ownership of an open, exclusively held terminal.
    explicit CPosixSerialDevice(int fd) : m_fd(fd) {}
    ~CPosixSerialDevice() override;
    CPosixSerialDevice(const CPosixSerialDevice&) = delete;
    CPosixSerialDevice& operator=(const CPosixSerialDevice&) = delete;

    // Opens the terminal at path exclusively, non-blocking; null when it is no terminal, is held
    // by someone else, or cannot be opened, and then `fault` (when given) says which.
    static std::unique_ptr<CSerialDevice> OpenPath(const std::filesystem::path& path,
                                                   SerialOpenFault* fault = nullptr);

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
    int m_fd;
};

class CPosixSerialDeviceHost final : public CSerialDeviceHost {
public:
    // The ports folder is the current user's, found afresh on every call.
    explicit CPosixSerialDeviceHost(SerialDeviceSources sources = {})
        : m_sources(std::move(sources)) {}

    std::unique_ptr<CSerialDevice> Open(unsigned comNumber,
                                        SerialOpenFault* fault = nullptr) override;
    std::vector<unsigned> ListPorts() override;

private:
    SerialDeviceSources m_sources;
};
