// corvantine-cli on a line that takes time: a controller's answer is believed as soon as it comes,
// a chattering line ends the download within its bound, stop signals cancel a download at once
// with the shell's exit status, and loopback measures a cable (the simulator echoing at its rate).

#include "download/image_builder.h"
#include "platform/serial_device_posix.h"
#include "platform/settings_key.h"
#include "serial/serial_port.h"
#include "tests/serial/pty_pair.h"
#include "tests/serial/xdg_scope.h"
#include "tests/sim/sim_process.h"
#include "tests/support/program_run.h"
#include "tests/support/scripted_ui.h"
#include "tools/sim/controller_sim.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <regex>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// corvantine-cli started in a folder with its output going to files there, to be signalled.
class CCliChild {
public:
    CCliChild(const fs::path& folder, std::vector<std::string> args) : m_folder(folder) {
        args.insert(args.begin(), CORV_CLI);
        m_pid = fork();
        if (m_pid == 0) {
            if (chdir(folder.c_str()) != 0) _exit(127);
            const int in = open("/dev/null", O_RDONLY);
            const int out = open(".out", O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int err = open(".err", O_WRONLY | O_CREAT | O_TRUNC, 0600);
            dup2(in, STDIN_FILENO);
            dup2(out, STDOUT_FILENO);
            dup2(err, STDERR_FILENO);
            std::vector<char*> argv;
            for (std::string& arg : args)
                argv.push_back(arg.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
    }
    ~CCliChild() {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    CCliChild(const CCliChild&) = delete;
    CCliChild& operator=(const CCliChild&) = delete;

    // True once standard output holds `text`, within the wait.
    bool AwaitOutput(const std::string& text, std::chrono::seconds wait = std::chrono::seconds(10)) {
        const auto end = Clock::now() + wait;
        while (Clock::now() < end) {
            if (Out().find(text) != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }
    // Sends the signal and waits for the exit status; the time it took is kept in `took`.
    int StopWith(int signal, std::chrono::milliseconds& took) {
        const auto start = Clock::now();
        kill(m_pid, signal);
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
        took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // The exit status once it has ended within the wait; -1 (and killed) when it has not.
    int Wait(std::chrono::seconds wait) {
        const auto end = Clock::now() + wait;
        int status = 0;
        while (waitpid(m_pid, &status, WNOHANG) == 0) {
            if (Clock::now() >= end) return -1;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Out() const { return ReadWholeFile(m_folder / ".out"); }
    std::string Err() const { return ReadWholeFile(m_folder / ".err"); }

private:
    fs::path m_folder;
    pid_t m_pid = -1;
};

class CliLineTest : public ::testing::Test {
protected:
    CliLineTest() {
        CKVDoc doc(ui);
        doc.OnNewDocument();
        EXPECT_TRUE(doc.OnSaveDocument((xdg.Path() / "config.kvx").string()));
        CSettingsKey key;
        key.WriteString("Timeout mS", "3000");
        key.WriteString("Baud", "9600");
    }

    void StartSim(std::vector<std::string> args) {
        args.insert(args.begin(), {"--port", "COM4"});
        sim = std::make_unique<CSimProcess>(args, xdg.Path() / "sim-errors.txt");
        ASSERT_EQ(sim->ReadyLine(), "ready COM4");
    }
    // Whether the port opens again straight away, as it must after a cancel.
    bool PortOpensAtOnce() {
        CPosixSerialDeviceHost host({xdg.Path() / "none", xdg.Path() / "none", xdg.Path() / "none"});
        CSerialPort port({&host, &SystemClock()});
        return port.Open("COM4", 9600) == SERIAL_OK;
    }
    CProgramRun Cli(const std::string& args) { return RunProgram(CORV_CLI, args, xdg.Path()); }

    CXdgScope xdg;
    CScriptedUi ui;
    std::unique_ptr<CSimProcess> sim;
};

// The bound is kept loose enough for a loaded machine; a cancel that waited for the time-out
// or for the image to drain would take seconds.
constexpr std::chrono::milliseconds kPrompt(1000);

TEST_F(CliLineTest, PeerAnsweringAtOnceAndHangingUpHasStoredTheImage) {
    // A controller on a line faster than its nominal rate: it takes the image at once, answers,
    // and resets a second later, long before the image's three seconds at 9,600 baud are over.
    CPtyPair peer;
    std::filesystem::create_directories(xdg.Ports().LinkPath(4).parent_path());
    std::filesystem::create_symlink(peer.SlavePath(), xdg.Ports().LinkPath(4));
    std::thread controller([&peer] {
        SimOptions options;
        std::ostringstream log;
        CControllerSim sim(options, log);
        for (int answers = 0; answers < 3;) {
            for (uint8_t byte : peer.Receive(1, std::chrono::seconds(20))) {
                const std::vector<uint8_t> answer = sim.Feed(byte);
                if (answer.empty()) continue;
                peer.Send(answer);
                ++answers;
            }
        }
        std::this_thread::sleep_for(std::chrono::seconds(1));
        peer.Hangup();
    });
    const CProgramRun run = Cli("download config.kvx --port COM4 --yes");
    controller.join();
    EXPECT_EQ(run.exit, 0) << run.err;
    EXPECT_NE(run.out.find("Download Successful\n"), std::string::npos) << run.out;
}

TEST_F(CliLineTest, UnpacedNoiseEndsTheDownloadAtItsBound) {
    // Bytes faster than they are read: the bound of the response is looked at on every one.
    StartSim({"--noise", "--instant", "--serve"});
    CCliChild cli(xdg.Path(), {"download", "config.kvx", "--port", "COM4", "--yes"});
    EXPECT_EQ(cli.Wait(std::chrono::seconds(30)), 1);
    EXPECT_EQ(cli.Err(), "corvantine-cli: Serial Message 'Getting Version': Timed out receiving "
                         "response.  Aborting download...\n");
}

TEST_F(CliLineTest, InterruptWhileAResponseIsAwaitedExits130AtOnce) {
    StartSim({"--silent", "--serve"});
    CCliChild cli(xdg.Path(), {"download", "config.kvx", "--port", "COM4", "--yes"});
    ASSERT_TRUE(cli.AwaitOutput("Getting Version\n"));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::chrono::milliseconds took{};
    EXPECT_EQ(cli.StopWith(SIGINT, took), 130);
    EXPECT_LT(took, kPrompt);
    EXPECT_EQ(cli.Err(), "corvantine-cli: cancelled\n");
    EXPECT_TRUE(PortOpensAtOnce());
}

TEST_F(CliLineTest, TerminateWhileTheImageDrainsExits143AtOnce) {
    // At 9,600 baud a new document's image takes about three seconds on the line.
    StartSim({"--baud", "9600", "--serve"});
    CCliChild cli(xdg.Path(), {"download", "config.kvx", "--port", "COM4", "--yes"});
    ASSERT_TRUE(cli.AwaitOutput("Downloading\n"));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::chrono::milliseconds took{};
    EXPECT_EQ(cli.StopWith(SIGTERM, took), 143);
    EXPECT_LT(took, kPrompt);
    EXPECT_EQ(cli.Err(), "corvantine-cli: cancelled\n");
    EXPECT_TRUE(PortOpensAtOnce());
}

TEST_F(CliLineTest, LoopbackAtTheCablesRateIsOk) {
    StartSim({"--echo", "--baud", "19200"});
    const CProgramRun run = Cli("loopback COM4 --baud 19200");
    EXPECT_EQ(run.exit, 0) << run.out << run.err;
    EXPECT_TRUE(std::regex_match(run.out, std::regex("19200: ok, 1,[0-9]{3} B/s measured \\(1,745 "
                                                     "expected\\)\n")))
        << run.out;
}

TEST_F(CliLineTest, LoopbackTellsAWrongRateAndASilentCable) {
    StartSim({"--echo", "--baud", "9600"});
    CProgramRun run = Cli("loopback COM4 --baud 19200");
    EXPECT_EQ(run.exit, 1);
    EXPECT_TRUE(std::regex_match(run.out, std::regex("19200: wrong rate, [0-9,]+ B/s measured "
                                                     "\\(1,745 expected\\)\n")))
        << run.out;
    sim->Wait();

    StartSim({"--silent"});
    run = Cli("loopback COM4 --baud 115200");
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.out, "115200: nothing came back\n");
}

TEST_F(CliLineTest, LoopbackRefusesBothBaudAndAll) {
    const CProgramRun run = Cli("loopback COM4 --baud 9600 --all");
    EXPECT_NE(run.exit, 0);
    EXPECT_EQ(run.out, "");
}

} // namespace
