#pragma once
// Which character devices are terminals, and which of those may serve as a COM port, as the
// kernel's table of terminal drivers (/proc/tty/drivers) tells. Refused are the system's own
// terminals, /dev/tty (the caller's terminal under another name), the console, the virtual
// consoles and the pseudo-terminal multiplexer, and the terminal this program runs on: frames
// sent there would land on a user's screen, and the line settings would change that terminal.

// std
#include <string_view>
#include <sys/types.h>
#include <vector>

enum class TerminalUse {
    NotTerminal,
    Refused,
    Port,
};

class CTerminalDevices {
public:
    // The machine's table and the terminals on this program's standard streams, read now. Without
    // a table, every character device counts as a terminal and the fixed numbers of the system's
    // own terminals are refused.
    static CTerminalDevices FromSystem();
    // Reads the table's text; lines that are not driver entries are skipped. `own` are the
    // devices of the program's own terminal.
    static CTerminalDevices Parse(std::string_view table, std::vector<dev_t> own = {});

    TerminalUse UseOf(dev_t device) const;

private:
    struct Range {
        unsigned major;
        unsigned firstMinor;
        unsigned lastMinor;
        bool system; // the system's own terminals, never a port
    };
    std::vector<Range> m_ranges;
    std::vector<dev_t> m_own;
};
