#include "tools/cli/terminal_progress.h"

// own
#include "model/formats/text_excerpt.h"
#include "platform/cp1252.h"

namespace {

constexpr size_t kBarWidth = 30;

} // namespace

std::string Printable(const std::string& text) {
    return ForTerminal(Cp1252ToUtf8(text));
}

void CTerminalProgress::SetStatus(const std::string& text) {
    EndBarLine();
    m_out << Printable(text) << std::endl;
}

void CTerminalProgress::SetProgress(const DownloadProgress& progress) {
    if (!m_bRedraw) return;
    const size_t filled =
        progress.nTotal == 0 ? kBarWidth : kBarWidth * progress.nDone / progress.nTotal;
    // Back to the start of the line, and everything the last drawing left to the right erased.
    m_out << "\r[" << std::string(filled, '#') << std::string(kBarWidth - filled, ' ') << "] "
          << ProgressText(progress) << "\033[K" << std::flush;
    m_bBarShown = true;
}

void CTerminalProgress::EndBarLine() {
    if (!m_bBarShown) return;
    m_out << '\n';
    m_bBarShown = false;
}
