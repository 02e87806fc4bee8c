// The simulator as a program, driven over its pseudo-terminal through the transport, the way the
// download will drive it.

#include "platform/serial_device_posix.h"
#include "serial/frame_codec.h"
#include "serial/serial_transport.h"
#include "tests/serial/xdg_scope.h"
#include "tests/sim/sim_process.h"
#include "tests/sim/test_image.h"
#include "tools/sim/controller_sim.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace {

using Bytes = std::vector<uint8_t>;

class SimConversation : public ::testing::Test {
protected:
    // Starts the simulator as COM4 with extra options and opens the transport on it.
    void Start(std::vector<std::string> args) {
        args.insert(args.begin(), {"--port", "COM4"});
        sim = std::make_unique<CSimProcess>(args, xdg.Path() / "errors.txt");
        ASSERT_EQ(sim->ReadyLine(), "ready COM4");
        ASSERT_EQ(transport.Open("COM4", 19200), "");
        transport.SetFrameAddress(0);
    }

    // Sends one message and reads its response.
    std::string Exchange(const Bytes& message, int& result, int timeoutMs = 3000) {
        EXPECT_EQ(transport.SendFrame(message), SendResult::Sent);
        return transport.ReadResponse({}, timeoutMs, result);
    }

    CXdgScope xdg;
    CPosixSerialDeviceHost host{{xdg.Path() / "none", xdg.Path() / "none", xdg.Path() / "none"}};
    CSerialTransport transport{{&host, &SystemClock()}};
    std::unique_ptr<CSimProcess> sim;
};

TEST_F(SimConversation, WholeConversationStoresTheImage) {
    const std::string out = (xdg.Path() / "received.dat").string();
    Start({"--out", out, "--controller-version", "1.1:Sim 1.1"});
    int result = 0;
    EXPECT_EQ(Exchange({0x01}, result), std::string("\x01\x01Sim 1.1", 9));
    EXPECT_EQ(result, READ_COMPLETE);
    EXPECT_EQ(Exchange({0x02}, result), "\xAA");
    const Bytes image = MakeEmptyImage();
    EXPECT_EQ(Exchange(DownloadMessage(image), result), "\xAA");
    EXPECT_EQ(result, READ_COMPLETE);
    transport.Close();
    EXPECT_EQ(sim->Wait(), 0);
    std::ifstream in(out, std::ios::binary);
    EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(in), {}), image);
    EXPECT_NE(sim->Errors().find("correct"), std::string::npos) << sim->Errors();
    // The simulator takes its name with it.
    EXPECT_FALSE(xdg.Ports().HasLink(4));
}

TEST_F(SimConversation, DeniesTheRequestWhenToldTo) {
    Start({"--request", "55"});
    int result = 0;
    EXPECT_EQ(Exchange({0x02}, result), "\x55");
}

TEST_F(SimConversation, ReportsABadChecksumInItsExitStatus) {
    Start({});
    Bytes image = MakeEmptyImage();
    image[2] ^= 0x01;
    int result = 0;
    EXPECT_EQ(Exchange(DownloadMessage(image), result), "\xAA");
    transport.Close();
    EXPECT_EQ(sim->Wait(), 1);
    EXPECT_NE(sim->Errors().find("checksum field"), std::string::npos) << sim->Errors();
}

TEST_F(SimConversation, SilentControllerLetsTheReadTimeOut) {
    Start({"--silent"});
    int result = 0;
    EXPECT_EQ(Exchange({0x01}, result, 100), "");
    EXPECT_EQ(result, READ_TIMEOUT);
}

TEST_F(SimConversation, HangupMidImageFailsTheSend) {
    Start({"--hangup-after", "100"});
    // Longer than a pseudo-terminal holds: the send cannot end before the simulator, taking bytes
    // at the line's rate, has hung up after the first hundred, however the two are scheduled.
    Bytes message = DownloadMessage(MakeEmptyImage());
    message.resize(32768, 0x55);
    EXPECT_EQ(transport.SendFrame(message), SendResult::Failed);
    EXPECT_EQ(sim->Wait(), 0);
    int result = 0;
    transport.ReadResponse({}, 100, result);
    EXPECT_EQ(result, READ_HARDWARE_ERROR);
}

TEST_F(SimConversation, ServesOneConversationAfterAnother) {
    Start({"--serve", "--controller-version", "0.9"});
    int result = 0;
    EXPECT_EQ(Exchange({0x01}, result), std::string("\x09\x00PA Controller simulator", 25));
    transport.Close();
    ASSERT_EQ(transport.Open("COM4", 9600), "");
    EXPECT_EQ(Exchange({0x02}, result), "\xAA");
    transport.Close();
    ASSERT_EQ(transport.Open("COM4", 9600), "");
    EXPECT_EQ(Exchange({0x01}, result).size(), 25u);
}

TEST_F(SimConversation, RefusesABadPortName) {
    CSimProcess bad({"--port", "COM10"}, xdg.Path() / "errors.txt");
    EXPECT_EQ(bad.ReadyLine(std::chrono::milliseconds(500)), "");
    EXPECT_NE(bad.Wait(), 0);
}

} // namespace

namespace {

TEST(SimUsage, UsageErrorsExit64AsTheOtherProgramsDo) {
    CXdgScope xdg;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--bogus"}, {"--port", "COM12"}, {"--port", "COM4", "--baud", "7"}, {}}) {
        CSimProcess sim(args, xdg.Path() / "sim-errors.txt");
        EXPECT_EQ(sim.Wait(), 64) << (args.empty() ? "" : args.back());
    }
}

TEST(SimUsage, NoiseSaysNothingAboutAnswering) {
    SimOptions options;
    options.bNoise = true;
    std::ostringstream log;
    CControllerSim sim(options, log);
    for (uint8_t byte : EncodeFrame(AddressPrefix(0), std::vector<uint8_t>{0x01}))
        EXPECT_TRUE(sim.Feed(byte).empty());
    EXPECT_EQ(log.str().find("answer"), std::string::npos) << log.str();
}

} // namespace
