#pragma once
// The port choice of Configure Communications, without its widgets: the entries offered, the one
// selected when the dialog opens, the selection as the user moves it, and what OK stores. The
// settings are borrowed from the application, which owns them; OK changes m_szPort and stores it
// under "Port" only when another entry than the opening one is selected. A failed store is not
// reported: the new port stays in the settings for the rest of the run.

// own
#include "platform/program_settings.h"

// std
#include <optional>
#include <string>
#include <vector>

class CSerialPort;

class CPortChoice {
public:
    // `entries` is the port list, "OFFLINE" first (an empty list is taken as "OFFLINE" alone).
    // The opening selection is the entry equal to m_szPort (case-sensitive), else "OFFLINE".
    CPortChoice(std::vector<std::string> entries, CProgramSettings& settings);

    const std::vector<std::string>& Entries() const { return m_entries; }
    int InitialSel() const { return m_nInitialSel; }
    int Selected() const { return m_nSelected; }
    // The name of the selected entry.
    const std::string& SelectedPort() const { return m_szSelectedPort; }

    // Follows the list's selection; an index outside the list leaves the selection as it was.
    void Select(int index);
    // The Timeout button is offered while a port other than "OFFLINE" is selected.
    bool ShowsTimeout() const { return m_nSelected != 0; }
    // The port the Test button tests: nothing while "OFFLINE" is selected.
    std::optional<std::string> PortToTest() const;
    // Takes the selected entry as the program's port and stores it, when the selection moved.
    void OnOK();

private:
    std::vector<std::string> m_entries;
    CProgramSettings& m_settings;
    int m_nInitialSel = 0;
    int m_nSelected = 0;
    std::string m_szSelectedPort;
};

// The ports present as the Communications dialog lists them: "OFFLINE", then the COM names in
// ascending number.
std::vector<std::string> ListPortEntries(CSerialPort& port);
