// corvantine-sim: a PA Controller on a pseudo-terminal, linked as a COM port of the current
// user, answering the editor's version, download-request and download frames.

// own
#include "platform/serial_ports_folder.h"
#include "platform/version.h"
#include "tools/sim/pty_line.h"
#include "tools/sim/sim_loop.h"
#include "tools/sim/sim_options.h"

// std
#include <csignal>
#include <iostream>
#include <stdexcept>

// CLI11
#include <CLI/CLI.hpp>

namespace {

constexpr int kExitUsage = 64;

volatile std::sig_atomic_t g_stop = 0;

void OnStopSignal(int) {
    g_stop = 1;
}

void InstallStopHandlers() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a blocked wait must return and see the flag.
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

// A CLI11 check that accepts what parse accepts.
template <typename Parse> CLI::Validator Accepting(Parse parse, const std::string& what) {
    return CLI::Validator(
        [parse, what](std::string& text) { return parse(text) ? std::string() : what; }, "", "");
}

void DefineOptions(CLI::App& app, SimOptions& options) {
    app.add_option_function<std::string>(
           "--port",
           [&options](const std::string& name) { options.nComNumber = *ParseComName(name); },
           "COM port to appear as, COM1 to COM9")
        ->required()
        ->check(Accepting(ParseComName, "expected COM1 to COM9"));
    app.add_option_function<std::string>(
           "--controller-version",
           [&options](const std::string& text) { ParseVersion(text, options); },
           "controller version to report, MAJOR.MINOR[:TEXT] (default 1.1)")
        ->check(Accepting(
            [](const std::string& text) {
                SimOptions probe;
                return ParseVersion(text, probe);
            },
            "expected MAJOR.MINOR or MAJOR.MINOR:TEXT"));
    const auto code = Accepting(ParseAnswerCode, "expected AA, 55 or a hexadecimal byte");
    app.add_option_function<std::string>(
           "--request",
           [&options](const std::string& text) { options.nRequestCode = *ParseAnswerCode(text); },
           "answer to the download request: AA accepts, 55 denies, or any hexadecimal byte")
        ->check(code);
    app.add_option_function<std::string>(
           "--download",
           [&options](const std::string& text) { options.nDownloadCode = *ParseAnswerCode(text); },
           "answer to the download: AA stored, 55 failed, or any hexadecimal byte")
        ->check(code);
    app.add_flag("--silent", options.bSilent, "never answer");
    app.add_flag("--garbage", options.bGarbage, "answer with bytes that form no frame");
    app.add_flag("--short-version", options.bShortVersion,
                 "answer the version request with a one-byte body");
    app.add_option_function<size_t>(
        "--hangup-after", [&options](size_t count) { options.hangupAfter = count; },
        "close the line after this many bytes of the image");
    app.add_option("--out", options.strOutPath, "write the received image to this file");
    app.add_flag("--serve", options.bServe, "keep answering after the first conversation");
    app.add_option("--baud", options.nBaud,
                   "line rate in both directions, 11 bits a byte (default 19200)")
        ->check(CLI::Range(110u, 4000000u));
    app.add_flag("--instant", options.bInstant, "take and send bytes at once, not at the line rate");
    app.add_option("--store-ms", options.nStoreMs,
                   "pause before answering the image, in ms (default 300)")
        ->check(CLI::Range(0u, 600000u));
    app.add_flag("--noise", options.bNoise, "send bytes that form no frame, without end; answer nothing");
    app.add_option("--dribble-ms", options.nDribbleMs, "send answers one byte per this many ms")
        ->check(CLI::Range(0u, 600000u));
    app.add_flag("--echo", options.bEcho,
                 "send back every byte taken, at the line rate (a cable with TX joined to RX)");
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Simulated PA Controller: appears as a COM port of the current user and answers "
                 "the editor's download conversation.",
                 "corvantine-sim"};
    app.set_version_flag("--version", std::string("corvantine-sim ") + kCorvVersion);
    SimOptions options;
    DefineOptions(app, options);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // Help and version are a success; every other parse error is a usage error, 64 as the
        // other programs exit, whatever CLI11 numbers it.
        return app.exit(error) == 0 ? 0 : kExitUsage;
    }

    InstallStopHandlers();
    try {
        CPtyLine line(&g_stop);
        const CPortsFolder folder = CPortsFolder::ForUser();
        if (!folder.Relink(options.nComNumber, line.SlavePath())) {
            std::cerr << "cannot link " << folder.LinkPath(options.nComNumber).string() << '\n';
            return 1;
        }
        std::cout << "ready COM" << options.nComNumber << std::endl;
        const int status = CSimLoop(options, line, std::cerr).Run();
        // The name goes with the simulator, unless someone has relinked it meanwhile.
        std::error_code error;
        if (std::filesystem::read_symlink(folder.LinkPath(options.nComNumber), error) ==
            line.SlavePath())
            std::filesystem::remove(folder.LinkPath(options.nComNumber), error);
        return status;
    } catch (const std::runtime_error& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
}
