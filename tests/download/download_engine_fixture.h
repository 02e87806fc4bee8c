#pragma once
// The download conversation on the in-memory line, timed on a manual clock, with the simulated
// controller answering every frame as soon as its last byte has left the line.

#include "download/download_engine.h"
#include "download/image_builder.h"
#include "serial/frame_codec.h"
#include "serial/line_time.h"
#include "serial/serial_transport.h"
#include "tests/download/scripted_download_ui.h"
#include "tests/serial/fake_serial_device.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_dir.h"
#include "tools/sim/controller_sim.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using Bytes = std::vector<uint8_t>;
using Texts = std::vector<std::string>;

inline const std::string kConfirm =
    "Downloading will replace the current Corvantine Configuration.\n\nDo you wish to continue?";

inline bool Contains(const Bytes& haystack, const Bytes& needle) {
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) !=
           haystack.end();
}

class DownloadEngineTest : public ::testing::Test {
protected:
    DownloadEngineTest() {
        host.Attach(3, line);
        settings.m_szPort = "COM3";
        settings.m_nTimeoutMs = 200;
        line.onWritten = [this](uint8_t byte) {
            if (!bControllerListens) return;
            const Bytes answer = controller.Feed(byte);
            if (!answer.empty()) AnswerOnceSent(answer);
        };
        CKVDoc doc(ui);
        doc.OnNewDocument();
        // Zone 8 on the first button puts 0xF0-escaped bytes into the image.
        doc.m_pStations[0]->m_Buttons[0].m_pZones = {CZone(0),  CZone(1),  CZone(2),
                                                     CZone(3),  CZone(8),  CZone(9),
                                                     CZone(10), CZone(11), CZone(15)};
        BuildControllerImage(doc, image, (dir / "CORVANTN.DAT").string());
        ui.messages.clear();
    }

    // The far end sends `answer` once what is queued now has crossed the line.
    void AnswerOnceSent(const Bytes& answer) {
        line.SendAt(clock.GetTickCount() + LineTimeMs(line.Queued(), line.settings.nBaudRate),
                    answer);
    }

    DownloadOutcome Run() {
        return DownloadToController(image, settings, ui, progress, {&host, &clock});
    }
    // The messages after the confirmation.
    Texts Reported() const {
        Texts texts = ui.Texts();
        if (texts.empty() || texts.front() != kConfirm) {
            ADD_FAILURE() << "no confirmation was asked";
            return texts;
        }
        texts.erase(texts.begin());
        return texts;
    }
    Bytes DownloadFrame() const {
        Bytes message{0x03};
        message.insert(message.end(), image.Bytes().begin(), image.Bytes().end());
        return EncodeFrame(Bytes{0x00}, message);
    }

    CTempDir dir;
    CManualClock clock;
    CFakeSerialLine line{clock};
    CFakeSerialDeviceHost host;
    SimOptions options;
    std::ostringstream controllerLog;
    CControllerSim controller{options, controllerLog};
    bool bControllerListens = true;
    CProgramSettings settings;
    CScriptedUi ui;
    CScriptedDownloadUi progress;
    ControllerImage image;
};

