#pragma once
// Station views whose station commands are the editor's own, with their dialogs answered, for
// tests of several windows and of the edit history.

// own
#include "model/ui/station_properties_dlg.h"
#include "tests/support/modal_watcher.h"
#include "tests/view/station_view_fixture.h"
#include "view/station_commands.h"

// Qt
#include <QPushButton>

class EditingTest : public StationViewTest {
protected:
    EditingTest() : StationViewTest(&commands) {}

    // Runs `command` on `view`, answering the Station Properties dialog it opens with `step`,
    // then OK, then Cancel when the dialog refused the entries.
    void WithDialog(void (CStationCommands::*command)(CStationView&), CStationView& view,
                    std::function<void(CStationPropertiesDlg&)> step = {}) {
        CModalScript script;
        script.Then<QDialog>([step](QDialog& dlg) {
            if (step) step(dynamic_cast<CStationPropertiesDlg&>(dlg));
            dlg.findChild<QPushButton*>("button1")->click();
            if (dlg.isVisible()) dlg.findChild<QPushButton*>("button2")->click();
        });
        (commands.*command)(view);
    }

    CStationCommands commands{harness.settings};
};
