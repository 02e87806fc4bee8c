#pragma once
// The program's own settings as the application object holds them for the whole run. The
// application owns the one instance and hands it by reference to the views, dialogs and the
// download, which read the fields directly; whoever changes a setting also stores it with
// CSettingsKey, under the value name below, at that moment.

#include <cstdint>
#include <string>

// Value names in the settings key.
inline constexpr const char* kValuePort = "Port";
inline constexpr const char* kValueTimeout = "Timeout mS";
inline constexpr const char* kValueBaud = "Baud";
inline constexpr const char* kValueTestEnabled = "TestEnabled";
inline constexpr const char* kValue48ButtonOK = "48ButtonOK";

// The port value that means no port is chosen.
inline constexpr const char* kPortOffline = "OFFLINE";

struct CProgramSettings {
    // The port name holds at most this many characters ("OFFLINE" or "COM" and a number).
    static constexpr size_t kMaxPortLength = 15;
    static constexpr int32_t kDefaultTimeoutMs = 3000;
    static constexpr int32_t kDefaultBaud = 19200;

    int32_t m_nTimeoutMs = kDefaultTimeoutMs;
    std::string m_szPort = kPortOffline;
    int32_t m_nBaud = kDefaultBaud;
    bool m_bTestEnabled = false;
    bool m_b48ButtonOK = false;
    bool m_bShowAddresses = false; // off at every start, never stored

    // Reads the stored values into the fields, each falling back to its default when it cannot be
    // read. A stored port name longer than kMaxPortLength counts as unreadable: cutting it could
    // name another port.
    void LoadSettings();
};
