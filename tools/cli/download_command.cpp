// download FILE.kvx [--port COMn] [--yes]: builds the image and runs the download conversation
// with the stored settings, printing each status line (and on a terminal a bar of the image on its
// way); exit status 0 only when the controller stored the image, 128 + the signal when SIGINT or
// SIGTERM cancelled it.

// own
#include "download/download_config.h"
#include "platform/cp1252.h"
#include "platform/program_settings.h"
#include "tools/cli/commands.h"
#include "tools/cli/terminal_progress.h"

// std
#include <csignal>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace {

// The stop signal taken, or 0.
volatile std::sig_atomic_t g_stopSignal = 0;

void OnStopSignal(int signal) {
    g_stopSignal = signal;
}

// Ctrl-C and SIGTERM cancel the download as the Cancel button does; the port is closed on the way
// out and the exit status says which signal it was.
class CStopSignalScope {
public:
    CStopSignalScope() {
        g_stopSignal = 0;
        struct sigaction action {};
        action.sa_handler = OnStopSignal;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_previousInt);
        sigaction(SIGTERM, &action, &m_previousTerm);
    }
    ~CStopSignalScope() {
        sigaction(SIGINT, &m_previousInt, nullptr);
        sigaction(SIGTERM, &m_previousTerm, nullptr);
    }
    CStopSignalScope(const CStopSignalScope&) = delete;
    CStopSignalScope& operator=(const CStopSignalScope&) = delete;

private:
    struct sigaction m_previousInt {};
    struct sigaction m_previousTerm {};
};

// The terminal ui, except that without --yes the confirmation is asked on a terminal.
class CConfirmingUi final : public CUiServices {
public:
    explicit CConfirmingUi(CTerminalUi& terminal) : m_terminal(terminal) {}

    MsgAnswer MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                         MsgIcon icon) override {
        // Answered beforehand: the question is not printed.
        if (buttons == MsgButtons::YesNo && m_terminal.answerYes) return MsgAnswer::Yes;
        if (buttons != MsgButtons::YesNo || !isatty(STDIN_FILENO))
            return m_terminal.MessageBox(text, caption, buttons, icon);
        std::cerr << Cp1252ToUtf8(text) << " [y/N] " << std::flush;
        std::string answer;
        std::getline(std::cin, answer);
        return answer == "y" || answer == "Y" || answer == "yes" ? MsgAnswer::Yes : MsgAnswer::No;
    }
    void MessageBoxWithFacts(const std::string& text, const std::string& facts) override {
        m_terminal.MessageBoxWithFacts(text, facts);
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
    const CStopSignalScope signals;
    CTerminalProgress progress(std::cout, isatty(STDOUT_FILENO) != 0, g_stopSignal);
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
        // As a shell reports a program ended by the signal.
        if (g_stopSignal != 0) context.exitCode = 128 + g_stopSignal;
        return;
    default:
        context.exitCode = 1; // reported by the download
        return;
    }
}

} // namespace

void AddDownloadCommand(CLI::App& app, CCliContext& context) {
    auto* command = app.add_subcommand(
        "download", "Build the controller image and download it to the PA Controller, at the "
                    "baud rate and response time-out of the settings file "
                    "(~/.config/Quellton Electronics/Corvantine.conf)");
    auto args = std::make_shared<DownloadArgs>();
    command->add_option("FILE", args->path, "the .kvx file to read")->required();
    command->add_option("--port", args->port, "the COM port to use instead of the stored one");
    command->add_flag("--yes", args->yes, "replace the controller's configuration without asking");
    command->callback([&context, args] { RunDownload(context, *args); });
}
