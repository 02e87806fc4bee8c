#pragma once
// A CDownloadUi for tests: records what the progress showed and when it was pumped, and cancels
// when the test's predicate says so.

// own
#include "download/download_ui.h"

// std
#include <functional>
#include <string>
#include <vector>

class CScriptedDownloadUi final : public CDownloadUi {
public:
    void ShowProgress() override {
        ++nShown;
        statuses.emplace_back(kInitialStatus);
    }
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    void SetProgress(const DownloadProgress& shown) override { progress.push_back(shown); }
    bool PumpMessages() override {
        ++nPumps;
        return !cancelWhen || !cancelWhen();
    }
    void SetCancelButtonText(const std::string& text) override {
        buttonText = text;
        if (onButtonText) onButtonText();
    }
    void WaitForClose() override { ++nWaits; }
    void CloseProgress() override { ++nClosed; }

    // Asked at every pump: true cancels.
    std::function<bool()> cancelWhen;
    // Called when the button text changes.
    std::function<void()> onButtonText;

    std::vector<std::string> statuses;
    std::vector<DownloadProgress> progress;
    std::string buttonText = "Cancel";
    int nShown = 0;
    int nPumps = 0;
    int nWaits = 0;
    int nClosed = 0;
};
