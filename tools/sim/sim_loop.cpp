#include "tools/sim/sim_loop.h"

// std
#include <algorithm>
#include <chrono>

namespace {

// Chatter is queued a line at a time, topped up while this little is left to send.
constexpr size_t kNoiseLow = 64;
// The most bytes taken from the line in one go when it is not paced.
constexpr size_t kUnpacedRead = 4096;

uint64_t NowUs() {
    using namespace std::chrono;
    return static_cast<uint64_t>(
        duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

CSimLoop::CSimLoop(const SimOptions& options, CPtyLine& line, std::ostream& log)
    : m_options(options), m_line(line), m_log(log), m_sim(options, log),
      m_in(options.nBaud, options.bInstant), m_out(options.nBaud, options.bInstant) {}

int CSimLoop::Run() {
    std::vector<uint8_t> bytes;
    m_in.Idle(NowUs());
    m_out.Idle(NowUs());
    for (;;) {
        uint64_t now = NowUs();
        if (m_options.bNoise && m_outgoing.size() < kNoiseLow) Queue(GarbageLine(), now);
        bytes.clear();
        const size_t most = std::min(m_in.Allowance(now), kUnpacedRead);
        CPtyLine::Event event = m_line.Take(bytes, most, most > 0 ? 0 : PollWaitMs(now, false));
        if (event == CPtyLine::Event::Data && bytes.empty() && most > 0) {
            // Nothing on the line: its quiet time lends nothing, and the next byte is taken as
            // it arrives.
            m_in.Idle(NowUs());
            event = m_line.Take(bytes, 1, PollWaitMs(NowUs(), true));
            m_in.Idle(NowUs());
        }
        if (event == CPtyLine::Event::Stopped) return Status();
        if (event == CPtyLine::Event::Failed) return 1;
        if (event == CPtyLine::Event::Closed) {
            m_log << "port closed by the editor\n";
            if (!m_options.bServe) return Status();
            m_sim.NewConversation();
            m_outgoing.clear();
            m_in.Idle(NowUs());
            if (!m_line.AwaitReopen()) return Status();
            continue;
        }
        now = NowUs();
        m_in.Took(bytes.size(), now);
        if (!Take(bytes, now)) return Status();
        SendDue(NowUs());
    }
}

bool CSimLoop::Take(const std::vector<uint8_t>& bytes, uint64_t nowUs) {
    for (uint8_t byte : bytes) {
        if (m_options.bEcho) {
            Queue({byte}, nowUs);
            continue;
        }
        const std::vector<uint8_t> answer = m_sim.Feed(byte);
        if (!answer.empty()) Queue(answer, nowUs + uint64_t(m_sim.PauseBeforeAnswer()) * 1000);
        if (m_sim.WantsHangup()) {
            m_log << "hanging up after " << *m_options.hangupAfter << " image byte(s)\n";
            m_line.Hangup();
            return false;
        }
    }
    return true;
}

void CSimLoop::Queue(const std::vector<uint8_t>& bytes, uint64_t firstDueUs) {
    const uint64_t gapUs = uint64_t(m_options.nDribbleMs) * 1000;
    uint64_t due = firstDueUs;
    if (!m_outgoing.empty()) due = std::max(due, m_outgoing.back().dueUs + gapUs);
    for (uint8_t byte : bytes) {
        m_outgoing.push_back({due, byte});
        due += gapUs;
    }
}

void CSimLoop::SendDue(uint64_t nowUs) {
    const size_t allowed = m_out.Allowance(nowUs);
    std::vector<uint8_t> due;
    for (const Outgoing& out : m_outgoing) {
        if (out.dueUs > nowUs || due.size() == allowed) break;
        due.push_back(out.byte);
    }
    if (due.empty()) {
        if (m_outgoing.empty() || m_outgoing.front().dueUs > nowUs) m_out.Idle(nowUs);
        return;
    }
    // A failed write is left for the next look at the line, which tells a hang-up.
    const long sent = m_line.Put(due.data(), due.size());
    if (sent <= 0) return;
    m_outgoing.erase(m_outgoing.begin(), m_outgoing.begin() + sent);
    m_out.Took(static_cast<size_t>(sent), nowUs);
}

int CSimLoop::PollWaitMs(uint64_t nowUs, bool inputIdle) const {
    // On a quiet line only the editor's next byte, or the next byte due out, is awaited.
    uint64_t waitUs = inputIdle ? UINT64_MAX : m_in.UsUntilNext(nowUs);
    if (!m_outgoing.empty()) {
        const uint64_t dueUs = std::max(m_outgoing.front().dueUs, nowUs + m_out.UsUntilNext(nowUs));
        waitUs = std::min(waitUs, dueUs - nowUs);
    }
    if (waitUs == UINT64_MAX) return -1;
    return static_cast<int>((waitUs + 999) / 1000);
}
