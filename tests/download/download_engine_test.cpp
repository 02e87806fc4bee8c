// The download conversation on the in-memory line, with the simulated controller as its far end:
// every message, the version gates, the results of the response read, cancel and clean-up, timed
// on a manual clock.

#include "tests/download/download_engine_fixture.h"

namespace {

TEST_F(DownloadEngineTest, SuccessSendsThreeFramesAndOffersClose) {
    bool portHeldAtClose = true;
    progress.onButtonText = [&] { portHeldAtClose = line.bHeld; };
    EXPECT_EQ(Run(), DownloadOutcome::Succeeded);
    EXPECT_EQ(Reported(), Texts{});
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(ui.messages[0].caption, kAppTitle);
    EXPECT_EQ(progress.statuses,
              (Texts{"Initiating Communications with PA Controller", "Getting Version",
                     "PA Controller simulator", "Requesting Download", "Downloading",
                     "Download Successful"}));
    EXPECT_EQ(progress.buttonText, "Close");
    EXPECT_FALSE(portHeldAtClose);
    EXPECT_EQ(progress.nWaits, 1);
    EXPECT_EQ(progress.nShown, 1);
    EXPECT_EQ(progress.nClosed, 1);

    Bytes expected = {0xF1, 0x00, 0x01, 0xF1, 0x00, 0x02};
    const Bytes download = DownloadFrame();
    expected.insert(expected.end(), download.begin(), download.end());
    EXPECT_EQ(line.Written(), expected);
    EXPECT_TRUE(Contains(download, {0xF0, 0x00})) << "the image needs escapes";
    EXPECT_FALSE(controller.HadBadImage()) << controllerLog.str();
}

TEST_F(DownloadEngineTest, OfflineShowsNothingAndOpensNothing) {
    settings.m_szPort = "OFFLINE";
    EXPECT_EQ(Run(), DownloadOutcome::NotStarted);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(progress.nShown, 0);
}

TEST_F(DownloadEngineTest, OfflineIsCaseSensitive) {
    settings.m_szPort = "offline";
    EXPECT_EQ(Run(), DownloadOutcome::PortNotOpened);
    EXPECT_EQ(Reported(), Texts{"Error: Opening serial port: The port is not open"});
}

TEST_F(DownloadEngineTest, NoToTheConfirmationOpensNoPort) {
    ui.answers = {MsgAnswer::No};
    EXPECT_EQ(Run(), DownloadOutcome::Declined);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(line.nOpens, 0u);
    EXPECT_EQ(progress.nShown, 0);
}

TEST_F(DownloadEngineTest, EmptyImageStartsNothing) {
    image.Clear();
    EXPECT_EQ(Run(), DownloadOutcome::NotStarted);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DownloadEngineTest, PortThatFailsToOpenIsReportedAloneAndClosesTheProgress) {
    settings.m_szPort = "COM5";
    EXPECT_EQ(Run(), DownloadOutcome::PortNotOpened);
    EXPECT_EQ(Reported(), Texts{"Error: Opening serial port: The port is not open"});
    EXPECT_EQ(progress.nShown, 1);
    EXPECT_EQ(progress.nClosed, 1);
    EXPECT_EQ(progress.statuses.size(), 1u);
}

TEST_F(DownloadEngineTest, PortThatFailsToOpenSaysWhichDeviceWhyAndWhatToDoUnderTheMessage) {
    CFakeSerialLine held{clock};
    host.Attach(6, held);
    const auto holder = host.Open(6);
    CFakeSerialLine refused{clock};
    refused.faults.bOpen = true;
    host.Attach(7, refused);
    const std::pair<const char*, const char*> cases[] = {
        {"COM5", "COM5 names no device: not connected. Plug the adapter in, or choose another "
                 "port."},
        {"COM6", "COM6 (/dev/fake6): in use by another program. Close that program, or wait "
                 "until its download ends."},
        {"COM7", "COM7 (/dev/fake7): permission denied. Join the dialout group (sudo usermod "
                 "-aG dialout $USER), then log out and in again."},
        {"COM12", "COM12 is no port that can be opened: choose one of COM1 to COM9."},
    };
    for (const auto& [port, facts] : cases) {
        ui.messages.clear();
        settings.m_szPort = port;
        EXPECT_EQ(Run(), DownloadOutcome::PortNotOpened);
        ASSERT_EQ(Reported(), Texts{"Error: Opening serial port: The port is not open"}) << port;
        EXPECT_EQ(ui.messages.back().facts, facts);
    }
}

TEST_F(DownloadEngineTest, VersionOneZeroWarnsAndGoesOn) {
    options.nMajor = 1;
    options.nMinor = 0;
    EXPECT_EQ(Run(), DownloadOutcome::Succeeded);
    EXPECT_EQ(Reported(),
              Texts{"This version of PA Controller (1.0) does not support ten or four button "
                    "break-out buttons.\n\nPlease make sure that your view file does not contain "
                    "any of these elements!"});
}

TEST_F(DownloadEngineTest, OlderVersionsPassSilently) {
    options.nMajor = 0;
    options.nMinor = 9;
    EXPECT_EQ(Run(), DownloadOutcome::Succeeded);
    EXPECT_EQ(Reported(), Texts{});
}

TEST_F(DownloadEngineTest, NewerVersionIsRefusedBeforeTheRequest) {
    options.nMajor = 1;
    options.nMinor = 2;
    options.strVersionText = std::string("v1.2\0tail", 9);
    EXPECT_EQ(Run(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(),
              Texts{"This Version of PA Controller (1.2) is newer than this software can "
                    "handle.\n\nPlease upgrade your software to the latest version!"});
    EXPECT_EQ(progress.statuses.back(), "v1.2") << "the text ends at its first zero byte";
    EXPECT_EQ(line.Written(), (Bytes{0xF1, 0x00, 0x01}));
    EXPECT_FALSE(line.bHeld);
}

TEST_F(DownloadEngineTest, MajorVersionTwoIsNewerWhateverItsMinor) {
    options.nMajor = 2;
    options.nMinor = 0;
    EXPECT_EQ(Run(), DownloadOutcome::Failed);
    EXPECT_NE(Reported().at(0).find("(2.0) is newer"), std::string::npos);
}

TEST_F(DownloadEngineTest, ShortVersionResponseIsInvalid) {
    options.bShortVersion = true;
    EXPECT_EQ(Run(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(), Texts{"Serial Message 'Getting Version': Response was invalid"});
}

TEST_F(DownloadEngineTest, DeniedRequestNeverSendsTheImage) {
    options.nRequestCode = 0x55;
    EXPECT_EQ(Run(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(), Texts{"Download Request denied by PA Controller.  Download Aborted."});
    EXPECT_EQ(line.Written(), (Bytes{0xF1, 0x00, 0x01, 0xF1, 0x00, 0x02}));
}

TEST_F(DownloadEngineTest, FailedDownloadIsReported) {
    options.nDownloadCode = 0x55;
    EXPECT_EQ(Run(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(), Texts{"PA Controller Reports Download Failed.  Download Aborted..."});
    EXPECT_EQ(progress.buttonText, "Cancel");
}

TEST_F(DownloadEngineTest, UnknownCodesAreUnknownResponses) {
    options.nRequestCode = 0x41;
    EXPECT_EQ(Run(), DownloadOutcome::Failed);
    options.nRequestCode = 0xAA;
    options.nDownloadCode = 0x00;
    controller.NewConversation();
    EXPECT_EQ(Run(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(),
              (Texts{"Serial Message 'Download Request': Error, unknown response.  Aborting "
                     "download...",
                     kConfirm,
                     "Serial Message 'Download': Error, unknown response.  Aborting "
                     "download..."}));
}

TEST_F(DownloadEngineTest, SilenceTimesOutOnceWithTheConfiguredTimeout) {
    options.bSilent = true;
    EXPECT_EQ(Run(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(), Texts{"Serial Message 'Getting Version': Timed out receiving "
                                "response.  Aborting download..."});
    EXPECT_GE(clock.GetTickCount(), 200u);
    EXPECT_LT(clock.GetTickCount(), 200u + kWatchIntervalMs);
}

TEST_F(DownloadEngineTest, SilenceAfterTheImageNamesTheDownload) {
    line.onWritten = [this](uint8_t byte) {
        const Bytes answer = controller.Feed(byte);
        // Everything but the image is answered.
        if (!answer.empty() && line.Written().size() < 10) line.Send(answer);
    };
    EXPECT_EQ(Run(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(), Texts{"Serial Message 'Download': Timed out receiving response.  "
                                "Aborting download..."});
}

TEST_F(DownloadEngineTest, CancelWhileWaitingEndsSilentlyWithinOneTimeout) {
    options.bSilent = true;
    progress.cancelWhen = [&] { return clock.GetTickCount() >= 50; };
    EXPECT_EQ(Run(), DownloadOutcome::Cancelled);
    EXPECT_EQ(Reported(), Texts{});
    EXPECT_LE(clock.GetTickCount(), 50u + kWatchIntervalMs);
    EXPECT_FALSE(line.bHeld);
    EXPECT_EQ(progress.nClosed, 1);
}

TEST_F(DownloadEngineTest, CancelDuringNoiseStopsBeforeTheNextByte) {
    bControllerListens = false;
    const Bytes noise(40, 0x41);
    line.Send(noise);
    progress.cancelWhen = [&] { return progress.nPumps > 5; };
    EXPECT_EQ(Run(), DownloadOutcome::Cancelled);
    EXPECT_EQ(Reported(), Texts{});
    // Only the request's few bytes took their time on the line.
    EXPECT_LE(clock.GetTickCount(), kWatchIntervalMs);
}

TEST_F(DownloadEngineTest, CancelBeforeTheFirstStepSendsNothing) {
    progress.cancelWhen = [] { return true; };
    EXPECT_EQ(Run(), DownloadOutcome::Cancelled);
    EXPECT_TRUE(line.Written().empty());
    EXPECT_EQ(line.nOpens, 1u);
    EXPECT_FALSE(line.bHeld);
    EXPECT_EQ(progress.nClosed, 1);
}

TEST_F(DownloadEngineTest, CloseRightAfterSuccessIsStillSuccess) {
    progress.cancelWhen = [&] { return progress.buttonText == "Close"; };
    EXPECT_EQ(Run(), DownloadOutcome::Succeeded);
    EXPECT_EQ(progress.nWaits, 0);
    EXPECT_EQ(progress.nClosed, 1);
}

TEST_F(DownloadEngineTest, PortErrorWhileReceivingIsAHardwareError) {
    line.onWritten = [this](uint8_t byte) {
        if (!controller.Feed(byte).empty()) line.faults.bQueueCount = true;
    };
    EXPECT_EQ(Run(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(), Texts{"Serial Message 'Getting Version': Hardware error receiving "
                                "response.  Aborting download..."});
    EXPECT_LE(clock.GetTickCount(), kWatchIntervalMs) << "no time-out was waited for";
}

TEST_F(DownloadEngineTest, WriteFailureIsAHardwareErrorTransmitting) {
    line.faults.bWrite = true;
    EXPECT_EQ(Run(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(), Texts{"Serial Message 'Getting Version': Hardware error transmitting "
                                "message.  Aborting download..."});
    EXPECT_FALSE(line.bHeld);
}

TEST_F(DownloadEngineTest, LineLostInTheImageReleasesThePortForTheNextDownload) {
    bool lost = false;
    bool armed = true;
    line.onWritten = [&](uint8_t byte) {
        // The far end is gone from the image's 1000th line byte on.
        if (lost) return;
        const Bytes answer = controller.Feed(byte);
        if (!answer.empty()) line.Send(answer);
        if (armed && line.Written().size() == 1000)
            lost = line.faults.bWrite = line.faults.bOutputCount = true;
    };
    EXPECT_EQ(Run(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(), Texts{"Serial Message 'Download': Hardware error transmitting "
                                "message.  Aborting download..."});
    EXPECT_FALSE(line.bHeld);

    line.faults.bWrite = line.faults.bOutputCount = lost = armed = false;
    line.ClearWritten();
    controller.NewConversation();
    EXPECT_EQ(Run(), DownloadOutcome::Succeeded);
    EXPECT_EQ(line.nOpens, 2u);
}

TEST_F(DownloadEngineTest, TypeByteTimeoutIsAnUnknownResponse) {
    bControllerListens = false;
    line.Send(Bytes{0xF1, 0x00, 0x00});
    EXPECT_EQ(Run(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(), Texts{"Serial Message 'Getting Version': Error, unknown response.  "
                                "Aborting download..."});
}

TEST_F(DownloadEngineTest, BrokenFramesAreUnknownResponses) {
    bControllerListens = false;
    // An unknown type, a third byte other than 0, an escape that stands for nothing.
    for (const Bytes& frame : {Bytes{0xF1, 0x00, 0x00, 0x07}, Bytes{0xF1, 0x00, 0x01, 0x01},
                               Bytes{0xF1, 0x00, 0x00, 0x02, 0xF0, 0x02}}) {
        ui.messages.clear();
        line.Send(frame);
        EXPECT_EQ(Run(), DownloadOutcome::Failed);
        EXPECT_EQ(Reported(), Texts{"Serial Message 'Getting Version': Error, unknown "
                                    "response.  Aborting download..."});
    }
}

TEST_F(DownloadEngineTest, AnyFrameTypeAnswersTheCurrentStep) {
    bControllerListens = false;
    // A type-3 frame answers the version request: one byte is too short for a version.
    line.Send(Bytes{0xF1, 0x00, 0x00, 0x03, 0xAA});
    EXPECT_EQ(Run(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(), Texts{"Serial Message 'Getting Version': Response was invalid"});
}

} // namespace
