#pragma once
// What would stop or spoil a download of a configuration, found from the model alone: nothing is
// built or sent. The command line's `check` and the editor's Check Configuration share it.

// own
#include "model/kv_doc.h"

// std
#include <optional>
#include <string>
#include <vector>

// A controller's firmware version as the download reads it: major.minor.
struct ControllerVersion {
    int major = 1;
    int minor = 1;

    bool operator==(const ControllerVersion&) const = default;
};

// "X.Y" with each part 0 to 255, as a controller reports it; nothing for any other text.
std::optional<ControllerVersion> ParseControllerVersion(const std::string& text);
// "1.0".
std::string ControllerVersionText(ControllerVersion version);

struct CheckFinding {
    enum class Severity { Error, Warning };

    Severity severity = Severity::Error;
    // What is wrong, in UTF-8, without the place (CheckPlace names it).
    std::string text;
    // Index in m_pStations; -1 for the soft buttons and the configuration as a whole.
    int station = -1;
    // Button index from 0: a hard button of `station`, or the soft button at that index when
    // station is -1; -1 for no button.
    int button = -1;
    // Zone index from 0, or -1.
    int zone = -1;
};

// The findings in the order of the configuration: the whole, each station with its buttons, the
// soft buttons. `version` is the controller's (the newest this software handles by default).
std::vector<CheckFinding> CheckConfiguration(const CKVDoc& doc, ControllerVersion version = {});

// Where a finding is, in UTF-8: "Lobby [3-7] HB-03 zone 12", "SB-11", or empty for the whole
// configuration.
std::string CheckPlace(const CKVDoc& doc, const CheckFinding& finding);

// The finding as one line: "error: <place>: <text>" or "warning: ...".
std::string CheckLine(const CKVDoc& doc, const CheckFinding& finding);
