// own
#include "download/download_engine.h"
#include "framework/format_text.h"
#include "serial/line_time.h"
#include "serial/serial_transport.h"

// std
#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr const char* kConfirmText =
    "Downloading will replace the current Corvantine Configuration.\n\nDo you wish to continue?";
constexpr const char* kOldVersionText =
    "This version of PA Controller (%d.%d) does not support ten or four button break-out "
    "buttons.\n\nPlease make sure that your view file does not contain any of these elements!";
constexpr const char* kNewVersionText =
    "This Version of PA Controller (%d.%d) is newer than this software can handle.\n\nPlease "
    "upgrade your software to the latest version!";
constexpr const char* kDeniedText = "Download Request denied by PA Controller.  Download Aborted.";
constexpr const char* kFailedText = "PA Controller Reports Download Failed.  Download Aborted...";
constexpr const char* kSuccessText = "Download Successful";
constexpr const char* kCloseText = "Close";

// The bar moves at least five times a second, without flooding a terminal.
constexpr uint32_t kProgressIntervalMs = 200;

constexpr uint8_t kAccepted = 0xAA;
constexpr uint8_t kRefused = 0x55;
// Versions as major * 256 + minor: 1.0 lacks the break-out panels, 1.1 is the newest known.
constexpr unsigned kVersionWithoutBreakOuts = 0x0100;
constexpr unsigned kNewestVersion = 0x0101;

enum Step { kGetVersion, kRequestDownload, kDownload, kSuccess, kFinished };

// Per exchange: the status shown while it runs, its name in messages, its message type.
struct Exchange {
    const char* status;
    const char* name;
    uint8_t type;
};
constexpr Exchange kExchanges[] = {
    {"Getting Version", "Getting Version", 0x01},
    {"Requesting Download", "Download Request", 0x02},
    {"Downloading", "Download", 0x03},
};

class CDownloadSession {
public:
    CDownloadSession(const CProgramSettings& settings, CUiServices& ui, CDownloadUi& progress,
                     const SerialPlatform& platform)
        : m_settings(settings), m_ui(ui), m_progress(progress), m_platform(platform) {}
    ~CDownloadSession() { CleanUp(); }
    CDownloadSession(const CDownloadSession&) = delete;
    CDownloadSession& operator=(const CDownloadSession&) = delete;

    DownloadOutcome Run(std::span<const uint8_t> image) {
        if (image.empty() || m_settings.m_szPort == kPortOffline)
            return DownloadOutcome::NotStarted;
        if (m_ui.MessageBox(kConfirmText, kAppTitle, MsgButtons::YesNo) != MsgAnswer::Yes)
            return DownloadOutcome::Declined;
        m_image = image;
        m_progress.ShowProgress();
        m_bProgressShown = true;
        m_transport = std::make_unique<CSerialTransport>(m_platform);
        const std::string error = m_transport->Open(m_settings.m_szPort, m_settings.m_nBaud);
        if (!error.empty()) {
            m_ui.MessageBoxWithFacts("Error: " + error, m_transport->OpenFailureFacts());
            CleanUp();
            return DownloadOutcome::PortNotOpened;
        }
        m_transport->SetFrameAddress(0);
        if (m_progress.PumpMessages()) RunSteps();
        CleanUp();
        return m_outcome;
    }

private:
    // Runs the steps from the first until one ends the download; the progress is pumped between
    // two steps, and a cancel seen there ends it too.
    void RunSteps() {
        int step = kGetVersion;
        while (RunStep(step)) {
            step = std::min(step + 1, static_cast<int>(kFinished));
            if (!m_progress.PumpMessages()) return;
        }
    }

    // True when the download goes on with the next step.
    bool RunStep(int step) {
        switch (step) {
        case kGetVersion:
            return CheckVersion();
        case kRequestDownload:
            return Acknowledged(kRequestDownload, kDeniedText);
        case kDownload:
            return Acknowledged(kDownload, kFailedText);
        case kSuccess:
            m_transport->Close();
            m_progress.SetStatus(kSuccessText);
            m_progress.SetCancelButtonText(kCloseText);
            m_outcome = DownloadOutcome::Succeeded;
            return true;
        default:
            m_progress.WaitForClose();
            return false;
        }
    }

    bool CheckVersion() {
        std::string text;
        if (!Converse(kGetVersion, text)) return false;
        if (text.size() < 2) return Fail(kGetVersion, "Response was invalid");
        const auto byte = [&](std::size_t i) { return static_cast<unsigned>(uint8_t(text[i])); };
        const unsigned version = byte(0) + 256 * byte(1);
        // The version text runs from the third byte to the first zero byte.
        m_progress.SetStatus(text.c_str() + 2);
        const int major = static_cast<int>(version / 256);
        const int minor = static_cast<int>(version % 256);
        m_progress.SetControllerVersion(major, minor);
        if (version == kVersionWithoutBreakOuts) {
            // Only a warning: the configuration is not examined.
            m_ui.MessageBox(FormatText(kOldVersionText, major, minor));
            return true;
        }
        if (version > kNewestVersion) return Fail(FormatText(kNewVersionText, major, minor));
        return true;
    }

    bool Acknowledged(int step, const char* refusedText) {
        std::string text;
        if (!Converse(step, text)) return false;
        const uint8_t code = text.empty() ? 0 : static_cast<uint8_t>(text[0]);
        if (code == kAccepted) return true;
        if (code == kRefused) return Fail(refusedText);
        return Fail(step, "Error, unknown response.  Aborting download...");
    }

    // Sends the step's message and reads its response into `text`. False when the download ends
    // here: after a message, or silently after a cancel.
    bool Converse(int step, std::string& text) {
        const Exchange& exchange = kExchanges[step];
        m_progress.SetStatus(exchange.status);
        std::vector<uint8_t> message{exchange.type};
        if (step == kDownload) message.insert(message.end(), m_image.begin(), m_image.end());
        SendWatch watch;
        watch.goOn = [this] { return m_progress.PumpMessages(); };
        if (step == kDownload)
            watch.onProgress = [this](size_t sent, size_t total) { ShowSent(sent, total); };
        switch (m_transport->SendFrame(message, m_settings.m_nTimeoutMs, watch)) {
        case SendResult::Sent:
            break;
        case SendResult::Cancelled:
            return false;
        case SendResult::Failed:
            return Fail(step, "Hardware error transmitting message.  Aborting download...");
        }

        int result = READ_TYPE_TIMEOUT;
        text = m_transport->ReadResponse([this] { return m_progress.PumpMessages(); },
                                         m_settings.m_nTimeoutMs, result);
        switch (result) {
        case READ_COMPLETE:
            return true;
        case READ_CANCELLED:
            return false;
        case READ_TIMEOUT:
            // A Cancel pressed while the byte was awaited is seen only now; the user asked to
            // stop, so the time-out is not reported.
            if (!m_progress.PumpMessages()) return false;
            return Fail(step, "Timed out receiving response.  Aborting download...");
        case READ_HARDWARE_ERROR:
            return Fail(step, "Hardware error receiving response.  Aborting download...");
        default: // the type byte timed out, or the frame was broken
            return Fail(step, "Error, unknown response.  Aborting download...");
        }
    }

    // The frame's line bytes stand for the image bytes in proportion; escapes make the two differ.
    void ShowSent(size_t sent, size_t total) {
        const uint32_t now = m_platform.pClock->GetTickCount();
        if (sent < total && m_bProgressTimed && now - m_lastProgressTick < kProgressIntervalMs)
            return;
        m_bProgressTimed = true;
        m_lastProgressTick = now;
        const uint32_t msLeft = LineTimeMs(total - sent, static_cast<uint32_t>(m_settings.m_nBaud));
        m_progress.SetProgress({m_image.size() * sent / std::max<size_t>(total, 1), m_image.size(),
                                (msLeft + 999) / 1000});
    }

    bool Fail(int step, const std::string& what) {
        return Fail("Serial Message '" + std::string(kExchanges[step].name) + "': " + what);
    }

    bool Fail(const std::string& text) {
        m_ui.MessageBox(text);
        m_outcome = DownloadOutcome::Failed;
        return false;
    }

    // Safe to run more than once.
    void CleanUp() {
        if (m_transport) {
            // What a cancel or a failure left queued would hold up the close while it drains.
            if (m_outcome != DownloadOutcome::Succeeded) m_transport->DiscardOutput();
            m_transport->Close();
            m_transport.reset();
        }
        if (m_bProgressShown) {
            m_bProgressShown = false;
            m_progress.CloseProgress();
        }
    }

    const CProgramSettings& m_settings;
    CUiServices& m_ui;
    CDownloadUi& m_progress;
    const SerialPlatform& m_platform;
    std::span<const uint8_t> m_image;
    std::unique_ptr<CSerialTransport> m_transport;
    bool m_bProgressShown = false;
    bool m_bProgressTimed = false;
    uint32_t m_lastProgressTick = 0;
    DownloadOutcome m_outcome = DownloadOutcome::Cancelled;
};

} // namespace

DownloadOutcome DownloadToController(const ControllerImage& image, const CProgramSettings& settings,
                                     CUiServices& ui, CDownloadUi& progress,
                                     const SerialPlatform& platform) {
    return CDownloadSession(settings, ui, progress, platform).Run(image.Bytes());
}
