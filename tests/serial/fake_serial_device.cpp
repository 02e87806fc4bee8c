#include "tests/serial/fake_serial_device.h"

// std
#include <algorithm>

void CFakeSerialLine::Send(std::span<const uint8_t> bytes) {
    SendAt(m_clock.GetTickCount(), bytes);
}

void CFakeSerialLine::SendAt(uint32_t tick, std::span<const uint8_t> bytes) {
    m_scheduled.emplace(tick, std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

uint32_t CFakeSerialLine::Waiting() {
    const uint32_t now = m_clock.GetTickCount();
    while (!m_scheduled.empty() && m_scheduled.begin()->first <= now) {
        const auto& bytes = m_scheduled.begin()->second;
        m_input.insert(m_input.end(), bytes.begin(), bytes.end());
        m_scheduled.erase(m_scheduled.begin());
    }
    return static_cast<uint32_t>(m_input.size());
}

uint32_t CFakeSerialLine::Queued() {
    const uint32_t now = m_clock.GetTickCount();
    const uint32_t rate = drainBytesPerSecond.value_or(settings.nBaudRate / 11);
    if (rate == kNoQueue) m_queued = 0;
    m_drainCredit += uint64_t(now - m_queueTick) * rate;
    m_queueTick = now;
    uint64_t drained = std::min<uint64_t>(m_drainCredit / 1000, m_queued);
    if (drained < m_queued) drained -= drained % std::max<uint32_t>(drainChunk, 1);
    m_queued -= static_cast<uint32_t>(drained);
    m_drainCredit -= drained * 1000;
    if (m_queued == 0) m_drainCredit = 0;
    return m_queued;
}

bool CFakeSerialLine::HasRoom() {
    if (m_roomTick && *m_roomTick <= m_clock.GetTickCount()) return true;
    return !m_room || *m_room > 0;
}

uint32_t CFakeSerialLine::UntilChange(SerialReady wanted, uint32_t ms) const {
    const uint32_t now = m_clock.GetTickCount();
    if (wanted.bInput && !m_scheduled.empty())
        ms = std::min(ms, m_scheduled.begin()->first - now);
    if (wanted.bRoom && m_roomTick) ms = std::min(ms, *m_roomTick - now);
    return ms;
}

void CFakeSerialLine::Enqueue(size_t count) {
    Queued();
    m_queued += static_cast<uint32_t>(count);
}

CFakeSerialDevice::~CFakeSerialDevice() {
    if (!m_bClosed) Close();
}

bool CFakeSerialDevice::GetLineSettings(SerialLineSettings& settings) {
    if (m_line.m_bHungUp || m_line.faults.bGetState) return false;
    settings = m_line.settings;
    return true;
}

bool CFakeSerialDevice::SetLineSettings(const SerialLineSettings& settings) {
    if (m_line.m_bHungUp || m_line.faults.bSetState) return false;
    m_line.settings = settings;
    m_line.applied.push_back(settings);
    return true;
}

bool CFakeSerialDevice::InputQueueCount(uint32_t& count) {
    if (m_line.m_bHungUp || m_line.faults.bQueueCount) return false;
    count = m_line.Waiting();
    if (m_line.faults.bShortRead) count = std::max<uint32_t>(count, 1);
    return true;
}

bool CFakeSerialDevice::OutputQueueCount(uint32_t& count) {
    if (m_line.m_bHungUp || m_line.faults.bOutputCount) return false;
    count = m_line.Queued();
    return true;
}

bool CFakeSerialDevice::DiscardOutput() {
    if (m_line.m_bHungUp) return false;
    m_line.Queued();
    m_line.m_queued = 0;
    ++m_line.nDiscards;
    return true;
}

long CFakeSerialDevice::Read(uint8_t* buffer, size_t size) {
    if (m_line.m_bHungUp || m_line.faults.bRead) return -1;
    if (m_line.faults.bShortRead) return 0;
    const size_t count = std::min<size_t>(size, m_line.Waiting());
    std::copy_n(m_line.m_input.begin(), count, buffer);
    m_line.m_input.erase(m_line.m_input.begin(), m_line.m_input.begin() + count);
    return static_cast<long>(count);
}

long CFakeSerialDevice::Write(const uint8_t* data, size_t size) {
    if (m_line.m_bHungUp || m_line.faults.bWrite) return -1;
    if (m_line.m_roomTick && *m_line.m_roomTick <= m_line.m_clock.GetTickCount()) {
        m_line.m_room.reset();
        m_line.m_roomTick.reset();
    }
    const size_t count = m_line.m_room ? std::min(size, *m_line.m_room) : size;
    if (m_line.m_room) *m_line.m_room -= count;
    m_line.Enqueue(count);
    for (size_t i = 0; i < count; ++i) {
        m_line.m_written.push_back(data[i]);
        if (m_line.onWritten) m_line.onWritten(data[i]);
    }
    return static_cast<long>(count);
}

bool CFakeSerialDevice::Await(SerialReady wanted, uint32_t ms, SerialReady& found) {
    const auto look = [&] {
        found.bInput = wanted.bInput && (m_line.m_bHungUp || m_line.Waiting() > 0);
        found.bRoom = wanted.bRoom && !m_line.m_bHungUp && m_line.HasRoom();
        return found.bInput || found.bRoom;
    };
    if (look()) return true;
    m_line.m_clock.Sleep(m_line.UntilChange(wanted, ms));
    look();
    return true;
}

bool CFakeSerialDevice::Close() {
    m_bClosed = true;
    m_line.bHeld = false;
    return !m_line.faults.bClose;
}

std::unique_ptr<CSerialDevice> CFakeSerialDeviceHost::Open(unsigned comNumber,
                                                           SerialOpenFault* fault) {
    SerialOpenFault ignored;
    SerialOpenFault& why = fault != nullptr ? *fault : ignored;
    const auto found = m_lines.find(comNumber);
    if (found == m_lines.end()) {
        why.cause = SerialOpenFault::NotConnected;
        return nullptr;
    }
    CFakeSerialLine& line = *found->second;
    why.device = "/dev/fake" + std::to_string(comNumber);
    if (line.bHeld || line.faults.bOpen) {
        why.cause = line.bHeld ? SerialOpenFault::InUse : SerialOpenFault::NotPermitted;
        return nullptr;
    }
    line.bHeld = true;
    ++line.nOpens;
    return std::make_unique<CFakeSerialDevice>(line);
}

std::vector<unsigned> CFakeSerialDeviceHost::ListPorts() {
    std::vector<unsigned> numbers;
    for (const auto& [number, line] : m_lines)
        numbers.push_back(number);
    return numbers;
}
