#pragma once
// The time-out choice of Advanced Communications, without its widgets. The list offers five
// time-outs; the index of an entry stands for its time-out. The settings are borrowed from the
// application, which owns them. A failed store is not reported: the new time-out stays in the
// settings for the rest of the run.

// own
#include "platform/program_settings.h"

// std
#include <array>
#include <cstdint>

// The time-out of each entry of the list, in milliseconds, in list order.
inline constexpr std::array<int32_t, 5> kTimeoutChoicesMs{500, 1000, 3000, 10000, 30000};
// The entry marked as the default, 3 seconds.
inline constexpr int kDefaultTimeoutIndex = 2;

// The time-out of entry `index`; the default's for the default entry, no entry (-1) or any index
// outside the list.
int32_t TimeoutOfIndex(int index);

class CTimeoutChoice {
public:
    // Selects the entry of m_nTimeoutMs. A time-out the list does not offer selects the default
    // entry and becomes 3000 in the settings at once, even if the dialog is then cancelled; the
    // stored value is left as it is.
    explicit CTimeoutChoice(CProgramSettings& settings);

    int InitialSel() const { return m_nInitialSel; }
    // OK with the list's selection (-1 for none): when it differs from the opening one, its
    // time-out becomes m_nTimeoutMs and is stored under "Timeout mS".
    void OnOK(int selected);

private:
    CProgramSettings& m_settings;
    int m_nInitialSel = kDefaultTimeoutIndex;
};
