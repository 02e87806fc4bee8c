#pragma once
// DownloadToController: the conversation that delivers a controller image to the PA Controller
// over the configured serial port: the version, the download request and the image, each answered
// by one response frame. Every failure is one message box naming the exchange and ends the
// download; the transport and the progress are released however it ends.

// own
#include "download/controller_image.h"
#include "download/download_ui.h"
#include "platform/program_settings.h"
#include "framework/ui_services.h"
#include "serial/serial_port.h"

enum class DownloadOutcome {
    NotStarted,    // the port is "OFFLINE", or there is no image: nothing was shown
    Declined,      // anything but Yes to the confirmation
    PortNotOpened, // "Error: ..." was shown
    Failed,        // a message naming the exchange was shown
    Cancelled,     // the user cancelled before the image was stored: no message
    Succeeded,     // the controller stored the image ("Download Successful")
};

// Uses m_szPort, m_nBaud and m_nTimeoutMs of `settings`; asks and reports through `ui`, shows the
// progress through `progress`, opens the port on `platform`. All are borrowed for the call.
DownloadOutcome DownloadToController(const ControllerImage& image, const CProgramSettings& settings,
                                     CUiServices& ui, CDownloadUi& progress,
                                     const SerialPlatform& platform = DefaultSerialPlatform());
