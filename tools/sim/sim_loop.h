#pragma once
// The simulated controller's side of the line in time: it takes the editor's bytes no faster than
// the line carries them (so the editor's queue fills as on a real UART), and sends its answers at
// the same rate, after the pause that storing an image takes, one byte at a time when dribbling;
// or it chatters without end, or echoes, as its options say.

// own
#include "tools/sim/controller_sim.h"
#include "tools/sim/line_pacer.h"
#include "tools/sim/pty_line.h"
#include "tools/sim/sim_options.h"

// std
#include <deque>
#include <ostream>

class CSimLoop {
public:
    // Borrows all three, which must outlive the loop.
    CSimLoop(const SimOptions& options, CPtyLine& line, std::ostream& log);

    // Runs conversations until one ends (or, when serving, until stopped). Exit status: 0, or 1
    // when the line failed or a received image failed its checks.
    int Run();

private:
    struct Outgoing {
        uint64_t dueUs;
        uint8_t byte;
    };

    int Status() const { return m_sim.HadBadImage() ? 1 : 0; }
    // False once the conversation has ended with a hang-up.
    bool Take(const std::vector<uint8_t>& bytes, uint64_t nowUs);
    void Queue(const std::vector<uint8_t>& bytes, uint64_t firstDueUs);
    void SendDue(uint64_t nowUs);
    int PollWaitMs(uint64_t nowUs, bool inputIdle) const;

    const SimOptions& m_options;
    CPtyLine& m_line;
    std::ostream& m_log;
    CControllerSim m_sim;
    CLinePacer m_in;
    CLinePacer m_out;
    std::deque<Outgoing> m_outgoing;
};
