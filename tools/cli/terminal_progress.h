#pragma once
// The download's progress on the terminal: one line per status; on a terminal, also one bar line
// that is redrawn in place while the image goes out. There is no button to wait for; a cancel is
// a stop signal, which the owner records in the flag it lends.

// own
#include "download/download_ui.h"

// std
#include <csignal>
#include <ostream>

class CTerminalProgress final : public CDownloadUi {
public:
    // Borrows the stream and the flag; `redraw` when the stream is a terminal.
    CTerminalProgress(std::ostream& out, bool redraw, const volatile std::sig_atomic_t& stop)
        : m_out(out), m_bRedraw(redraw), m_stop(stop) {}

    void ShowProgress() override { SetStatus(kInitialStatus); }
    void SetStatus(const std::string& text) override;
    void SetProgress(const DownloadProgress& progress) override;
    bool PumpMessages() override { return m_stop == 0; }
    void SetCancelButtonText(const std::string&) override {}
    void WaitForClose() override {}
    void CloseProgress() override { EndBarLine(); }

private:
    void EndBarLine();

    std::ostream& m_out;
    bool m_bRedraw;
    const volatile std::sig_atomic_t& m_stop;
    bool m_bBarShown = false;
};

// Text from the line as a terminal may show it: control characters become '?'.
std::string Printable(const std::string& text);
