#pragma once
// CDownloadUi: what a download shows besides its message boxes, that is its progress dialog with
// one status line, a bar of the image on its way and a Cancel button. The Qt dialog implements it
// on widgets, the command line on the terminal, tests with a script. The download calls ShowProgress once, then the others, and
// always CloseProgress at the end.

// std
#include <cstddef>
#include <cstdint>
#include <string>

// How far the image is on its way: bytes that have left the line, of how many, and the seconds
// the rest takes at the line's rate.
struct DownloadProgress {
    size_t nDone = 0;
    size_t nTotal = 0;
    uint32_t nSecondsLeft = 0;

    bool operator==(const DownloadProgress&) const = default;
};

// "12.3 of 32.3 KB, 11 s left" (a KB of 1,000 bytes); "32.3 of 32.3 KB" once all has gone.
std::string ProgressText(const DownloadProgress& progress);

class CDownloadUi {
public:
    // The status text the progress shows before the first step.
    static constexpr const char* kInitialStatus = "Initiating Communications with PA Controller";

    virtual ~CDownloadUi() = default;

    // Creates and shows the progress with kInitialStatus.
    virtual void ShowProgress() = 0;
    virtual void SetStatus(const std::string& text) = 0;
    // Told the version the controller reported, whether or not the download goes on with it.
    virtual void SetControllerVersion(int major, int minor) {
        static_cast<void>(major);
        static_cast<void>(minor);
    }
    // Told several times a second while the image goes out.
    virtual void SetProgress(const DownloadProgress& progress) = 0;
    // Lets the user interface handle what is waiting for the progress. False once the user has
    // cancelled (the Cancel button, Escape, or the button once it reads "Close"); the progress
    // window may already be gone then.
    virtual bool PumpMessages() = 0;
    virtual void SetCancelButtonText(const std::string& text) = 0;
    // Returns when the user has pressed the button that now reads "Close"; at once for a ui that
    // has no such button.
    virtual void WaitForClose() = 0;
    // Destroys the progress window; harmless when it is already gone.
    virtual void CloseProgress() = 0;
};
