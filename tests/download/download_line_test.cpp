// The download against a line that takes time: the image counts as sent once it has left the
// line, its progress is shown as it goes, a stalled or chattering line ends the download in
// bounded time, and a cancel ends it at once in every phase with the queue thrown away.

#include "serial/line_time.h"
#include "serial/serial_transport.h"
#include "tests/download/download_engine_fixture.h"

namespace {

constexpr uint32_t kPoll = kWatchIntervalMs;

class DownloadLineTest : public DownloadEngineTest {
protected:
    DownloadLineTest() { settings.m_nTimeoutMs = 500; }

    // Cancels once `phase` holds, and notes the tick when it first did.
    void CancelWhen(std::function<bool()> phase) {
        progress.cancelWhen = [this, phase] {
            if (!cancelledAt && phase()) cancelledAt = clock.GetTickCount();
            return cancelledAt.has_value();
        };
    }
    void ExpectCancelledAtOnce() {
        ASSERT_TRUE(cancelledAt.has_value());
        EXPECT_EQ(Reported(), Texts{});
        EXPECT_LE(clock.GetTickCount() - *cancelledAt, kPoll);
        EXPECT_FALSE(line.bHeld);
        EXPECT_GE(line.nDiscards, 1u) << "the queue is thrown away before the port closes";
        EXPECT_EQ(progress.nClosed, 1);
    }

    std::optional<uint32_t> cancelledAt;
};

TEST_F(DownloadLineTest, ResponseTimeoutStartsOnlyOnceTheImageHasLeftTheLine) {
    // The controller answers 400 ms after the image is in; the image takes far longer than the
    // 500 ms time-out to cross the line.
    line.onWritten = [this](uint8_t byte) {
        const Bytes answer = controller.Feed(byte);
        const uint32_t due = clock.GetTickCount() + 400 + LineTimeMs(line.Written().size(), 19200);
        if (!answer.empty()) line.SendAt(due, answer);
    };
    EXPECT_EQ(Run(), DownloadOutcome::Succeeded) << ui.Texts().back();
    EXPECT_GT(clock.GetTickCount(), LineTimeMs(DownloadFrame().size(), 19200));
}

TEST_F(DownloadLineTest, ProgressOfTheImageIsShownSeveralTimesASecondUpToTheWhole) {
    EXPECT_EQ(Run(), DownloadOutcome::Succeeded);
    const size_t total = image.Bytes().size();
    const uint32_t lineMs = LineTimeMs(DownloadFrame().size(), 19200);
    ASSERT_GE(progress.progress.size(), lineMs / 250);
    EXPECT_EQ(progress.progress.front().nTotal, total);
    EXPECT_EQ(progress.progress.back(), (DownloadProgress{total, total, 0}));
    EXPECT_EQ(progress.progress.front().nSecondsLeft, (lineMs + 999) / 1000);
    for (size_t i = 1; i < progress.progress.size(); ++i)
        EXPECT_GE(progress.progress[i].nDone, progress.progress[i - 1].nDone);
}

TEST_F(DownloadLineTest, SlowLineEmptyingItsQueueInChunksIsNoStall) {
    // At 1,200 baud a 64-byte chunk leaves every 587 ms, longer than the time-out; the
    // controller answers once the last chunk has left.
    settings.m_nBaud = 1200;
    line.drainChunk = 64;
    line.onWritten = [this](uint8_t byte) {
        const Bytes answer = controller.Feed(byte);
        if (!answer.empty()) AnswerOnceSent(answer);
    };
    EXPECT_EQ(Run(), DownloadOutcome::Succeeded) << ui.Texts().back();
    EXPECT_GE(clock.GetTickCount(), LineTimeMs(DownloadFrame().size(), 1200));
}

TEST_F(DownloadLineTest, StalledQueueFailsTheSendWithTheStepsTransmitText) {
    line.onWritten = [this](uint8_t byte) {
        // The controller never receives the whole image, so it never answers it.
        const Bytes answer = controller.Feed(byte);
        if (!answer.empty() && line.Written().size() < 500) AnswerOnceSent(answer);
        if (line.Written().size() == 500) line.drainBytesPerSecond = 0;
    };
    EXPECT_EQ(Run(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(), Texts{"Serial Message 'Download': Hardware error transmitting message.  "
                                "Aborting download..."});
    EXPECT_GE(line.nDiscards, 1u);
    EXPECT_FALSE(line.bHeld);
}

TEST_F(DownloadLineTest, ChatteringLineEndsGettingVersionWithinTheBound) {
    bControllerListens = false;
    for (uint32_t tick = 0; tick < 60000; tick += 1)
        line.SendAt(tick, Bytes{0x41});
    EXPECT_EQ(Run(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(), Texts{"Serial Message 'Getting Version': Timed out receiving response.  "
                                "Aborting download..."});
    EXPECT_LE(clock.GetTickCount(),
              500 + 2 * LineTimeMs(kLongestResponseLineBytes, 19200) + 3 * kPoll);
}

TEST_F(DownloadLineTest, CancelWhileTheImageIsBeingWrittenEndsAtOnce) {
    line.LimitRoom(1000);
    line.RestoreRoomAt(100000);
    CancelWhen([&] { return line.Written().size() >= 1000; });
    EXPECT_EQ(Run(), DownloadOutcome::Cancelled);
    ExpectCancelledAtOnce();
}

TEST_F(DownloadLineTest, CancelWhileTheQueueDrainsEndsAtOnce) {
    const size_t frameEnd = 6 + DownloadFrame().size();
    CancelWhen([&] { return line.Written().size() == frameEnd && line.Queued() > 0; });
    EXPECT_EQ(Run(), DownloadOutcome::Cancelled);
    ExpectCancelledAtOnce();
}

TEST_F(DownloadLineTest, CancelWhileTheResponseIsAwaitedEndsAtOnce) {
    options.bSilent = true;
    CancelWhen([&] { return clock.GetTickCount() >= 100 && line.Queued() == 0; });
    EXPECT_EQ(Run(), DownloadOutcome::Cancelled);
    ExpectCancelledAtOnce();
}

TEST_F(DownloadLineTest, CancelInsideAResponseEndsAtOnce) {
    bControllerListens = false;
    line.Send(Bytes{0xF1, 0x00, 0x00, 0x01, 0x01});
    CancelWhen([&] { return clock.GetTickCount() >= 100; });
    EXPECT_EQ(Run(), DownloadOutcome::Cancelled);
    ExpectCancelledAtOnce();
}

TEST_F(DownloadLineTest, SuccessLeavesTheQueueAlone) {
    EXPECT_EQ(Run(), DownloadOutcome::Succeeded);
    EXPECT_EQ(line.nDiscards, 0u);
}

} // namespace
