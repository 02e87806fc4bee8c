// The simulator's parts without a line: options, the request reader, the image checks and the
// answers.

#include "serial/frame_codec.h"
#include "tests/sim/test_image.h"
#include "tools/sim/controller_sim.h"
#include "tools/sim/image_check.h"
#include "tools/sim/request_reader.h"
#include "tools/sim/sim_options.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using Bytes = std::vector<uint8_t>;

std::vector<SimRequest> ReadAll(CRequestReader& reader, const Bytes& line) {
    std::vector<SimRequest> requests;
    for (uint8_t byte : line)
        if (auto request = reader.Feed(byte)) requests.push_back(*request);
    return requests;
}

TEST(SimOptions, ParsesComNamesCodesAndVersions) {
    EXPECT_EQ(ParseComName("COM5"), 5u);
    for (const char* bad : {"COM0", "COM10", "com5", "COM", "COM5x", "OFFLINE"})
        EXPECT_FALSE(ParseComName(bad)) << bad;
    EXPECT_EQ(ParseAnswerCode("AA"), 0xAA);
    EXPECT_EQ(ParseAnswerCode("55"), 0x55);
    EXPECT_EQ(ParseAnswerCode("0x7"), 0x07);
    for (const char* bad : {"", "1AA", "G1", "-1", "0x"})
        EXPECT_FALSE(ParseAnswerCode(bad)) << bad;

    SimOptions options;
    ASSERT_TRUE(ParseVersion("1.2:Rev C", options));
    EXPECT_EQ(options.nMajor, 1);
    EXPECT_EQ(options.nMinor, 2);
    EXPECT_EQ(options.strVersionText, "Rev C");
    ASSERT_TRUE(ParseVersion("0.9", options));
    EXPECT_EQ(options.strVersionText, "Rev C");
    for (const char* bad : {"1", "1.256", "x.1", "1.1.1", ".1"})
        EXPECT_FALSE(ParseVersion(bad, options)) << bad;
    EXPECT_FALSE(ParseVersion("1.1:" + std::string(256, 'x'), options));
    EXPECT_EQ(options.nMinor, 9);
}

TEST(RequestReader, ReadsRequestsBehindEveryAddressForm) {
    CRequestReader reader;
    Bytes line = EncodeFrame(AddressPrefix(0), Bytes{0x01});
    const Bytes second = EncodeFrame(AddressPrefix(0x1234), Bytes{0x02});
    const Bytes third = EncodeFrame(AddressPrefix(0x10000), Bytes{0x01});
    line.insert(line.end(), second.begin(), second.end());
    line.insert(line.end(), third.begin(), third.end());
    const auto requests = ReadAll(reader, line);
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].nType, 0x01);
    EXPECT_EQ(requests[1].nType, 0x02);
    EXPECT_EQ(requests[1].nAddress, 0x1234u);
    EXPECT_EQ(requests[2].nAddress, 0x10000u);
}

TEST(RequestReader, ImageEndsWhereItsLengthFieldSays) {
    CRequestReader reader;
    const Bytes image = MakeEmptyImage();
    Bytes line = EncodeFrame(AddressPrefix(0), DownloadMessage(image));
    line.push_back(0x41); // noise after the frame is not part of the image
    size_t seenMidway = 0;
    std::vector<SimRequest> requests;
    for (size_t i = 0; i < line.size(); ++i) {
        if (auto request = reader.Feed(line[i])) requests.push_back(*request);
        if (i == 102) seenMidway = reader.ImageBytesSoFar();
    }
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].image, image);
    EXPECT_GT(seenMidway, 90u);
    EXPECT_EQ(reader.ImageBytesSoFar(), 0u);
}

TEST(RequestReader, NotesNoiseCutOffAndUnknownFramesAndRecovers) {
    CRequestReader reader;
    std::vector<std::string> notes;
    reader.onNote = [&](const std::string& note) { notes.push_back(note); };
    const Bytes line{0x41, 0x42, 0xF1, 0x00, 0x03, 0x10, 0xF1, 0x00,
                     0x09, 0xF1, 0x00, 0xF0, 0x07, 0xF1, 0x00, 0x02};
    const auto requests = ReadAll(reader, line);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].nType, 0x02);
    EXPECT_EQ(notes.size(), 4u);
}

TEST(ImageCheck, AcceptsAnImageWhoseLengthAndChecksumAreRight) {
    const ImageCheck check = CheckImage(MakeEmptyImage());
    EXPECT_TRUE(check.bOk);
    ASSERT_FALSE(check.lines.empty());
    EXPECT_NE(check.lines[0].find("2597 bytes, length field 2593"), std::string::npos);
}

TEST(ImageCheck, CatchesAWrongChecksum) {
    Bytes image = MakeEmptyImage();
    image[2] ^= 1;
    EXPECT_FALSE(CheckImage(image).bOk);
}

TEST(ImageCheck, CatchesALengthTheHeaderDoesNotDescribe) {
    Bytes image = MakeEmptyImage();
    image.resize(image.size() - 16); // one global text missing
    image[0] = static_cast<uint8_t>(image.size() - 4);
    image[1] = static_cast<uint8_t>((image.size() - 4) >> 8);
    Reseal(image);
    EXPECT_FALSE(CheckImage(image).bOk);

    image = MakeEmptyImage();
    image[6] = 1; // one station claimed, none laid out
    Reseal(image);
    EXPECT_FALSE(CheckImage(image).bOk);
}

TEST(ImageCheck, SurvivesImpossibleHeaders) {
    Bytes image = MakeEmptyImage();
    image[6] = 255; // a station table far longer than the image
    EXPECT_FALSE(CheckImage(image).bOk);
    EXPECT_FALSE(CheckImage(Bytes(5, 0)).bOk);
    image = MakeEmptyImage();
    image[7] = 0;
    EXPECT_FALSE(CheckImage(image).bOk);
}

class ControllerSimTest : public ::testing::Test {
protected:
    Bytes Answer(const Bytes& message) {
        CControllerSim sim(options, log);
        Bytes answer;
        for (uint8_t byte : EncodeFrame(AddressPrefix(0), message)) {
            const Bytes part = sim.Feed(byte);
            answer.insert(answer.end(), part.begin(), part.end());
        }
        return answer;
    }

    SimOptions options;
    std::ostringstream log;
};

TEST_F(ControllerSimTest, AnswersTheVersionWithMinorMajorAndText) {
    ASSERT_TRUE(ParseVersion("1.2:AB", options));
    EXPECT_EQ(Answer({0x01}), (Bytes{0xF1, 0x00, 0x00, 0x01, 0x02, 0x01, 0x02, 'A', 'B'}));
}

TEST_F(ControllerSimTest, ShortVersionAnswerHasOneBodyByte) {
    options.bShortVersion = true;
    EXPECT_EQ(Answer({0x01}), (Bytes{0xF1, 0x00, 0x00, 0x02, 0x01}));
}

TEST_F(ControllerSimTest, AnswersRequestAndDownloadWithTheChosenCodes) {
    options.nRequestCode = 0x55;
    options.nDownloadCode = 0xF1;
    EXPECT_EQ(Answer({0x02}), (Bytes{0xF1, 0x00, 0x00, 0x02, 0x55}));
    EXPECT_EQ(Answer(DownloadMessage(MakeEmptyImage())),
              (Bytes{0xF1, 0x00, 0x00, 0x03, 0xF0, 0x01}));
}

TEST_F(ControllerSimTest, SilentAndGarbageModesAnswerNoFrame) {
    options.bSilent = true;
    EXPECT_TRUE(Answer({0x01}).empty());
    options.bSilent = false;
    options.bGarbage = true;
    const Bytes garbage = Answer({0x01});
    EXPECT_FALSE(garbage.empty());
    EXPECT_EQ(std::count(garbage.begin(), garbage.end(), kFrameStart), 0);
}

TEST_F(ControllerSimTest, WantsToHangUpOnceEnoughOfTheImageArrived) {
    options.hangupAfter = 100;
    CControllerSim sim(options, log);
    const Bytes line = EncodeFrame(AddressPrefix(0), DownloadMessage(MakeEmptyImage()));
    size_t fed = 0;
    while (fed < line.size() && !sim.WantsHangup())
        sim.Feed(line[fed++]);
    const Bytes image = MakeEmptyImage();
    const Bytes first100(image.begin(), image.begin() + 100);
    EXPECT_EQ(fed, EncodeFrame(AddressPrefix(0), DownloadMessage(first100)).size());
}

TEST_F(ControllerSimTest, HangupAfterNoImageBytesWaitsForTheDownload) {
    options.hangupAfter = 0;
    CControllerSim sim(options, log);
    for (uint8_t byte : EncodeFrame(AddressPrefix(0), Bytes{0x01})) sim.Feed(byte);
    EXPECT_FALSE(sim.WantsHangup());
    for (uint8_t byte : Bytes{0xF1, 0x00, 0x03}) sim.Feed(byte);
    EXPECT_TRUE(sim.WantsHangup());
}

TEST_F(ControllerSimTest, ReportsABadImageButStillAnswers) {
    Bytes image = MakeEmptyImage();
    image[3] ^= 0x10;
    EXPECT_EQ(Answer(DownloadMessage(image)), (Bytes{0xF1, 0x00, 0x00, 0x03, 0xAA}));
    EXPECT_NE(log.str().find("checksum field"), std::string::npos);
}

} // namespace
