// download FILE.kvx [--port COMn] [--yes]: builds the image and runs the download conversation
// with the stored settings, printing each status line; exit status 0 only when the controller
// stored the image.

// own
#include "download/download_config.h"
#include "platform/cp1252.h"
#include "platform/program_settings.h"
#include "tools/cli/commands.h"
#include "tools/cli/output.h"
#include "tools/cli/text_excerpt.h"

// std
#include <csignal>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

void OnInterrupt(int) {
    g_interrupted = 1;
}

// Ctrl-C cancels the download as the Cancel button does; the port is closed on the way out.
class CInterruptScope {
public:
    CInterruptScope() {
        g_interrupted = 0;
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_previous);
    }
    ~CInterruptScope() { sigaction(SIGINT, &m_previous, nullptr); }
    CInterruptScope(const CInterruptScope&) = delete;
    CInterruptScope& operator=(const CInterruptScope&) = delete;

private:
    struct sigaction m_previous {};
};

// Text from the line goes to a terminal.
std::string Printable(const std::string& text) {
    return ForTerminal(Cp1252ToUtf8(text));
}

// The progress on the terminal: one line per status; there is no button to wait for.
class CTerminalDownloadUi final : public CDownloadUi {
public:
    explicit CTerminalDownloadUi(CCliContext& context) : m_context(context) {}
    void ShowProgress() override { SetStatus(kInitialStatus); }
    void SetStatus(const std::string& text) override {
        WriteStandardOutput(m_context, Printable(text) + '\n');
    }
    bool PumpMessages() override { return g_interrupted == 0; }
    void SetCancelButtonText(const std::string&) override {}
    void WaitForClose() override {}
    void CloseProgress() override {}

private:
    CCliContext& m_context;
};

// The terminal ui, except that without --yes the confirmation is asked on a terminal.
class CConfirmingUi final : public CUiServices {
public:
    explicit CConfirmingUi(CTerminalUi& terminal) : m_terminal(terminal) {}

    MsgAnswer MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                         MsgIcon icon) override {
        if (buttons != MsgButtons::YesNo || m_terminal.answerYes || !isatty(STDIN_FILENO))
            return m_terminal.MessageBox(text, caption, buttons, icon);
        std::cerr << Cp1252ToUtf8(text) << " [y/N] " << std::flush;
        std::string answer;
        std::getline(std::cin, answer);
        return answer == "y" || answer == "Y" || answer == "yes" ? MsgAnswer::Yes : MsgAnswer::No;
    }
    std::optional<std::string> AskOpenFileName(const FileDialogRequest& request) override {
        return m_terminal.AskOpenFileName(request);
    }
    std::optional<std::string> AskSaveFileName(const FileDialogRequest& request) override {
        return m_terminal.AskSaveFileName(request);
    }
    void BeginWaitCursor() override { m_terminal.BeginWaitCursor(); }
    void EndWaitCursor() override { m_terminal.EndWaitCursor(); }

private:
    CTerminalUi& m_terminal;
};

struct DownloadArgs {
    std::string path;
    std::string port;
    bool yes = false;
};

void RunDownload(CCliContext& context, const DownloadArgs& args) {
    const auto doc = context.OpenConfig(args.path);
    if (!doc) return;
    CProgramSettings settings;
    settings.LoadSettings();
    if (!args.port.empty()) settings.m_szPort = args.port;
    context.ui.answerYes = args.yes;

    CConfirmingUi ui(context.ui);
    CTerminalDownloadUi progress(context);
    const CInterruptScope interrupts;
    switch (OnDownloadConfig(*doc, settings, ui, progress)) {
    case DownloadOutcome::Succeeded:
        return;
    case DownloadOutcome::NotStarted:
        if (settings.m_szPort == kPortOffline)
            context.Fail("the port is OFFLINE, nothing was downloaded; choose one with --port");
        else
            context.exitCode = 1; // the refused image has been reported
        return;
    case DownloadOutcome::Declined:
        context.Fail("not confirmed, nothing was downloaded; --yes confirms");
        return;
    case DownloadOutcome::Cancelled:
        context.Fail("cancelled");
        return;
    default:
        context.exitCode = 1; // reported by the download
        return;
    }
}

} // namespace

void AddDownloadCommand(CLI::App& app, CCliContext& context) {
    auto* command = app.add_subcommand(
        "download", "Build the controller image and download it to the PA Controller");
    auto args = std::make_shared<DownloadArgs>();
    command->add_option("FILE", args->path, "the .kvx file to read")->required();
    command->add_option("--port", args->port, "the COM port to use instead of the stored one");
    command->add_flag("--yes", args->yes, "replace the controller's configuration without asking");
    command->callback([&context, args] { RunDownload(context, *args); });
}
