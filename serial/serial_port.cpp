#include "serial/serial_port.h"

// own
#include "platform/decimal.h"
#include "platform/serial_device_posix.h"
#include "serial/baud_table.h"

// std
#include <algorithm>

namespace {

// The most bytes taken from the device in one read.
constexpr size_t kInputChunk = 4096;

} // namespace

SerialPlatform DefaultSerialPlatform() {
    // Holds no state of its own (the ports folder is looked up on every call).
    static CPosixSerialDeviceHost host;
    return {&host, &SystemClock()};
}

CSerialPort::CSerialPort(const SerialPlatform& platform)
    : m_host(*platform.pHost), m_clock(*platform.pClock), m_timer(*platform.pClock) {}

CSerialPort::~CSerialPort() {
    if (m_pDevice) Release();
}

int CSerialPort::Open(std::string_view name, int64_t baud) {
    int number = 0;
    if (name.size() >= 4 && name.substr(0, 3) == "COM") number = ParseDecimal(name.substr(3));
    if (m_pDevice) return SERIAL_ALREADY_OPEN;
    // number - 1 without overflow: ParseDecimal saturates at INT32_MIN.
    const int index = number > 0 ? number - 1 : -1;
    m_openFault = {};
    const int result = OpenByIndex(index, BaudIndex(baud));
    if (result != SERIAL_OK && m_pDevice) Release();
    return result;
}

int CSerialPort::OpenByIndex(int portIndex, size_t baudIndex) {
    if (baudIndex >= kBaudTable.size()) return SERIAL_BAD_BAUD;
    if (portIndex < 0 || portIndex > 8) return SERIAL_BAD_PORT;
    m_pDevice = m_host.Open(static_cast<unsigned>(portIndex) + 1, &m_openFault);
    if (!m_pDevice) return SERIAL_CREATE_FAILED;
    if (!m_pDevice->GetLineSettings(m_settings)) return SERIAL_GET_STATE_FAILED;
    m_settings.nBaudRate = kBaudTable[baudIndex];
    m_settings.nDataBits = 8;
    m_settings.bParity = false;
    m_settings.bTwoStopBits = true;
    m_settings.bDtr = true;
    m_settings.bRts = true;
    m_settings.bCtsFlow = false;
    m_settings.bXonXoffOut = false;
    m_settings.bXonXoffIn = false;
    m_settings.nXonChar = 0x11;
    m_settings.nXoffChar = 0x13;
    if (!m_pDevice->SetLineSettings(m_settings)) return SERIAL_SET_STATE_FAILED;
    return SERIAL_OK;
}

int CSerialPort::Release() {
    // Dropping DTR tells the far end we are gone; if the driver refuses, closing still follows.
    m_settings.bDtr = false;
    m_pDevice->SetLineSettings(m_settings);
    const bool closed = m_pDevice->Close();
    m_pDevice.reset();
    m_input.clear();
    m_nInputAt = 0;
    return closed ? SERIAL_OK : SERIAL_CLOSE_FAILED;
}

int CSerialPort::Close() {
    if (!m_pDevice) return SERIAL_NOT_OPEN_CLOSE;
    return Release();
}

int CSerialPort::WriteByte(uint8_t byte) {
    if (!m_pDevice) return SERIAL_NOT_OPEN;
    const uint32_t start = m_clock.GetTickCount();
    bool roomReported = false;
    for (;;) {
        const long written = m_pDevice->Write(&byte, 1);
        if (written == 1) return SERIAL_OK;
        if (written < 0) return SERIAL_WRITE_FAILED;
        const uint32_t waited = m_clock.GetTickCount() - start;
        if (waited >= kWriteTimeoutMs) return SERIAL_WRITE_FAILED;
        // Terminals report room unreliably (a full pseudo-terminal claims room it then refuses):
        // after such a claim the next try comes after a pause instead of at once.
        const uint32_t left = kWriteTimeoutMs - waited;
        SerialReady wanted;
        wanted.bRoom = !roomReported;
        SerialReady found;
        if (!m_pDevice->Await(wanted, roomReported ? std::min(left, kRefusedWriteRetryMs) : left,
                              found))
            return SERIAL_WRITE_FAILED;
        roomReported = found.bRoom;
    }
}

int CSerialPort::WriteSome(std::span<const uint8_t> bytes, size_t& written) {
    written = 0;
    if (!m_pDevice) return SERIAL_NOT_OPEN;
    if (bytes.empty()) return SERIAL_OK;
    const long count = m_pDevice->Write(bytes.data(), bytes.size());
    if (count < 0) return SERIAL_WRITE_FAILED;
    written = static_cast<size_t>(count);
    return SERIAL_OK;
}

int CSerialPort::OutputQueueCount(uint32_t& count) {
    if (!m_pDevice) return SERIAL_NOT_OPEN;
    return m_pDevice->OutputQueueCount(count) ? SERIAL_OK : SERIAL_STATUS_FAILED;
}

int CSerialPort::DiscardOutput() {
    if (!m_pDevice) return SERIAL_NOT_OPEN;
    return m_pDevice->DiscardOutput() ? SERIAL_OK : SERIAL_STATUS_FAILED;
}

int CSerialPort::TakeInput() {
    if (m_nInputAt == m_input.size()) {
        m_input.clear();
        m_nInputAt = 0;
    }
    uint32_t waiting = 0;
    // Without a count nothing can be known about the queue; waiting on would only hide the fault.
    if (!m_pDevice->InputQueueCount(waiting)) return SERIAL_STATUS_FAILED;
    if (waiting == 0) return SERIAL_NO_DATA;
    const size_t had = m_input.size();
    m_input.resize(had + std::min<size_t>(waiting, kInputChunk));
    const long count = m_pDevice->Read(m_input.data() + had, m_input.size() - had);
    m_input.resize(had + static_cast<size_t>(std::max(count, 0L)));
    if (count < 0) return SERIAL_READ_FAILED;
    if (count == 0) return SERIAL_READ_SHORT;
    return SERIAL_OK;
}

int CSerialPort::PollByte(uint8_t& byte) {
    if (m_nInputAt == m_input.size()) {
        const int result = TakeInput();
        if (result != SERIAL_OK) return result;
    }
    byte = m_input[m_nInputAt++];
    return SERIAL_OK;
}

int CSerialPort::ReadByte(uint8_t& byte, uint16_t timeoutMs) {
    if (!m_pDevice) return SERIAL_NOT_OPEN;
    int result = PollByte(byte);
    if (result == SERIAL_OK) return SERIAL_OK;
    if (timeoutMs == 0 || result != SERIAL_NO_DATA) return result;
    m_timer.SetUnit(0, 1);
    m_timer.Start(0);
    for (;;) {
        // In 32 bits: a 16-bit view would wrap after 65.5 s and wait another round.
        const uint32_t elapsed = m_timer.Elapsed(0);
        if (elapsed >= timeoutMs) return SERIAL_TIMEOUT;
        SerialReady wanted;
        wanted.bInput = true;
        SerialReady found;
        if (!m_pDevice->Await(wanted, timeoutMs - elapsed, found)) return SERIAL_STATUS_FAILED;
        result = PollByte(byte);
        if (result != SERIAL_NO_DATA) return result;
    }
}

int CSerialPort::Await(SerialReady wanted, uint32_t ms, SerialReady& found) {
    found = {};
    if (!m_pDevice) return SERIAL_NOT_OPEN;
    const bool inHand = m_nInputAt < m_input.size();
    if (!(wanted.bInput && inHand) && !m_pDevice->Await(wanted, ms, found))
        return SERIAL_STATUS_FAILED;
    if (found.bInput) {
        const int result = TakeInput();
        if (result != SERIAL_OK && result != SERIAL_NO_DATA) return result;
    }
    found.bInput = wanted.bInput && m_nInputAt < m_input.size();
    return SERIAL_OK;
}

int CSerialPort::EnumeratePorts() {
    m_portNames.fill(std::string());
    m_portNames[0] = "OFFLINE";
    size_t count = 1;
    for (unsigned number : m_host.ListPorts()) {
        if (count == kPortListSize) break;
        if (number < 1 || number > 9) continue;
        m_portNames[count++] = "COM" + std::to_string(number);
    }
    return static_cast<int>(count);
}

std::string CSerialPort::GetPortName(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= kPortListSize) return {};
    return m_portNames[static_cast<size_t>(index)];
}
