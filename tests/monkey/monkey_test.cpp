// The monkey: a seeded run of random user actions through the real widgets of one document's
// windows, checking after every action that every window shows its own station as the model has
// it, and after every save that the file reopens equal. A failure prints its seed and actions.
// CORV_MONKEY_SEEDS (comma-separated) and CORV_MONKEY_ACTIONS lengthen the run.

// own
#include "model/ui/max_zones_dlg.h"
#include "framework/qt/cp1252.h"
#include "tests/monkey/grid_mirror.h"
#include "tests/support/temp_dir.h"
#include "tests/view/editing_fixture.h"
#include "view/station_cells.h"

// Qt
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

// std
#include <cstdlib>
#include <random>
#include <sstream>

namespace {
constexpr int kShortRunActions = 600;
constexpr unsigned kShortRunSeeds[] = {1, 2};
constexpr std::size_t kMaxWindows = 4;
const char* const kTypeRadios[] = {"radio1001", "radio1008", "radio1002", "radio1010"};

std::vector<unsigned> Seeds() {
    std::vector<unsigned> seeds;
    if (const char* text = std::getenv("CORV_MONKEY_SEEDS")) {
        std::stringstream list(text);
        for (std::string seed; std::getline(list, seed, ',');)
            seeds.push_back(static_cast<unsigned>(std::stoul(seed)));
    }
    if (seeds.empty()) seeds.assign(std::begin(kShortRunSeeds), std::end(kShortRunSeeds));
    return seeds;
}

int Actions() {
    const char* text = std::getenv("CORV_MONKEY_ACTIONS");
    return text != nullptr ? std::atoi(text) : kShortRunActions;
}

class Monkey : public EditingTest {
protected:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    std::string Text() {
        static const char kLetters[] = "ABCXYZ 09-";
        std::string text;
        for (int n = Pick(1, 4); n > 0; --n)
            text += kLetters[Pick(0, sizeof kLetters - 2)];
        return text;
    }
    void Log(const std::string& action) { actions.push_back(action); }

    void Act();
    void SaveAndReopen();
    // What is wrong with the windows or the file; empty when all is well.
    std::string Problem();
    std::string ViewProblem(CStationView& view);

    std::mt19937 random;
    CGridMirror mirror{harness.dll};
    CTempDir folder;
    CKVDoc* doc = nullptr;
    std::vector<std::string> actions;
    std::string fileProblem;
};

void Monkey::Act() {
    const int window = Pick(0, static_cast<int>(doc->GetViews().size()) - 1);
    CStationView& view = CStationViewHarness::ViewOf(*doc, window);
    const int type = doc->m_pStations[view.ShownStation()]->m_nType;
    const std::string where = "window " + std::to_string(window) + ": ";
    switch (Pick(0, 19)) {
    case 0:
    case 1:
    case 2: {
        const int row = Pick(1, GridRowCount(type)), col = Pick(1, doc->m_nMaxZones);
        Log(where + "click cell " + std::to_string(row) + "," + std::to_string(col));
        // Cells in sight are clicked, the others switched as a click on them would.
        if (row <= 12 && col <= 20) {
            ClickCell(view, row, col);
        } else {
            view.m_Grid.ToggleZone(row, col);
        }
        break;
    }
    case 3: {
        const int col = Pick(1, std::min(doc->m_nMaxZones, 20));
        Log(where + "column header " + std::to_string(col));
        QTest::mouseClick(&view.m_Grid, Qt::LeftButton, {},
                          CStationViewHarness::ColumnHeaderCentre(col));
        break;
    }
    case 4: {
        const int row = Pick(1, std::min(GridRowCount(type), 12));
        Log(where + "row header " + std::to_string(row));
        QTest::mouseClick(&view.m_Grid, Qt::LeftButton, {},
                          QPoint(10, CStationViewHarness::CellCentre(row, 1).y()));
        break;
    }
    case 5: {
        const int row = Pick(1, GridRowCount(type)), col = Pick(1, doc->m_nMaxZones);
        Log(where + "block to " + std::to_string(row) + "," + std::to_string(col));
        view.m_Grid.GetDll().SSSetSelection(view.m_Grid.m_hGrid, Pick(1, row), Pick(1, col), row,
                                            col);
        view.m_Grid.OnGridEvent417(0, 0);
        break;
    }
    case 6:
    case 7: {
        const int index = Pick(0, static_cast<int>(doc->m_pStations.size()) - 1);
        Log(where + "select station " + std::to_string(index));
        SelectStation(view, index);
        break;
    }
    case 8: {
        const std::string text = Text();
        Log(where + "type zone name " + text);
        QTest::keyClick(&view.m_ZoneNameEdit, Qt::Key_Backspace);
        QTest::keyClicks(&view.m_ZoneNameEdit, QString::fromStdString(text));
        break;
    }
    case 9: {
        if (!view.m_LcdTextEdit.isVisible()) break;
        const std::string text = Text();
        Log(where + "type LCD text " + text);
        view.m_LcdTextEdit.selectAll();
        QTest::keyClicks(&view.m_LcdTextEdit, QString::fromStdString(text));
        break;
    }
    case 10: {
        const bool insert = Pick(0, 1) == 0;
        const char* radio = kTypeRadios[Pick(0, 3)];
        Log(where + (insert ? "insert " : "add ") + radio);
        WithDialog(
            insert ? &CStationCommands::OnInsertStation : &CStationCommands::OnAddStation, view,
            [radio](CStationPropertiesDlg& dlg) { dlg.findChild<QRadioButton*>(radio)->click(); });
        break;
    }
    case 11:
        Log(where + "delete");
        // With one station left the only answer is OK.
        if (doc->m_pStations.size() > 1 && Pick(0, 3) == 0) boxes.answers = {MsgAnswer::Cancel};
        commands.OnDeleteStation(view);
        boxes.answers.clear();
        break;
    case 12: {
        const std::string name = Text();
        const char* radio = kTypeRadios[Pick(0, 3)];
        Log(where + "edit station " + name + " " + radio);
        WithDialog(&CStationCommands::OnEditStation, view, [&](CStationPropertiesDlg& dlg) {
            dlg.findChild<QLineEdit*>("edit1003")->setText(QString::fromStdString(name));
            dlg.findChild<QRadioButton*>(radio)->click();
        });
        break;
    }
    case 13: {
        const int zones = Pick(1, 99);
        Log("max zones " + std::to_string(zones));
        CModalScript script;
        script.Then<QDialog>([zones](QDialog& dlg) {
            dlg.findChild<QLineEdit*>("edit1006")->setText(QString::number(zones));
            dlg.findChild<QPushButton*>("button1")->click();
            if (dlg.isVisible()) dlg.findChild<QPushButton*>("button2")->click();
        });
        OnMaxZones(*doc);
        break;
    }
    case 14:
        if (doc->GetViews().size() < kMaxWindows) {
            Log(where + "new window");
            CStationViewHarness::ResizeView(harness.NewWindow(*doc), {700, 400});
        } else {
            Log(where + "close window");
            view.parentWidget()->close();
        }
        break;
    case 15:
    case 16:
        Log(where + "undo");
        view.OnEditUndo();
        break;
    case 17:
        Log(where + "redo");
        view.OnEditRedo();
        break;
    case 18:
        Log(where + "copy and paste");
        view.OnEditCopy();
        view.OnEditPaste();
        break;
    case 19:
        SaveAndReopen();
        break;
    }
}

void Monkey::SaveAndReopen() {
    const std::string path = (folder / "monkey.kvx").string();
    Log("save and reopen");
    if (!doc->OnSaveDocument(path)) {
        fileProblem = "the save failed";
        return;
    }
    std::vector<uint8_t> saved;
    doc->WriteConfigFile(saved);
    harness.documents.CloseDocument(*doc);
    doc = harness.OpenDocument(path);
    if (doc == nullptr) {
        fileProblem = "the saved file does not reopen";
        doc = &NewDocumentWith(10);
        return;
    }
    CStationViewHarness::ResizeView(CStationViewHarness::ViewOf(*doc), {700, 400});
    std::vector<uint8_t> reopened;
    doc->WriteConfigFile(reopened);
    if (reopened != saved) fileProblem = "the saved file reopens different";
}

std::string Monkey::ViewProblem(CStationView& view) {
    const int station = view.ShownStation();
    if (station < 0) return "shows no station";
    for (int i = 0; i < static_cast<int>(doc->m_pStations.size()); ++i)
        if (ToCp1252(view.m_StationList.item(i)->text()) != doc->m_pStations[i]->GetName())
            return "list entry " + std::to_string(i) + " is not the station's name";
    if (view.m_StationList.count() != static_cast<int>(doc->m_pStations.size()))
        return "list has another number of stations";
    const CGridMirror::Grid& grid = mirror.Of(view.m_Grid.m_hGrid);
    const int type = doc->m_pStations[station]->m_nType;
    if (grid.rows != GridRowCount(type) || grid.cols != doc->m_nMaxZones)
        return "grid is " + std::to_string(grid.rows) + " x " + std::to_string(grid.cols) +
               " for station " + std::to_string(station) + " of type " + std::to_string(type) +
               " with " + std::to_string(doc->m_nMaxZones) + " zones";
    for (int row = 1; row <= grid.rows; ++row) {
        std::vector<bool> on(CGridMirror::kSide);
        for (const CZone& zone : ButtonOfRow(*doc, station, row)->m_pZones)
            if (zone.m_nZone < doc->m_nMaxZones) on[zone.m_nZone + 1] = true;
        for (int col = 1; col <= grid.cols; ++col)
            if ((grid.Text(row, col) == "On") != on[col])
                return "cell " + std::to_string(row) + "," + std::to_string(col) + " shows \"" +
                       grid.Text(row, col) + "\"";
    }
    int32_t row = 0, col = 0;
    view.m_Grid.GetDll().SSGetActiveCell(view.m_Grid.m_hGrid, &row, &col);
    if (col > 0 && ToCp1252(view.m_ZoneNameEdit.text()) != doc->m_strZoneNames[col - 1])
        return "zone name box is not the active column's";
    if (row > 0 && view.m_LcdTextEdit.isVisible() &&
        ToCp1252(view.m_LcdTextEdit.text()) != ButtonOfRow(*doc, station, row)->GetName())
        return "LCD text box is not the active row's";
    return {};
}

std::string Monkey::Problem() {
    if (!fileProblem.empty()) return fileProblem;
    const auto& views = doc->GetViews();
    for (std::size_t i = 0; i < views.size(); ++i)
        if (std::string problem = ViewProblem(dynamic_cast<CStationView&>(*views[i]));
            !problem.empty())
            return "window " + std::to_string(i) + " " + problem;
    return {};
}
} // namespace

TEST_F(Monkey, EveryWindowAgreesWithTheModelAfterEveryAction) {
    for (const unsigned seed : Seeds()) {
        random.seed(seed);
        actions.clear();
        doc = &NewDocumentWith(10);
        for (int n = Actions(); n > 0; --n) {
            Act();
            const std::string problem = Problem();
            if (!problem.empty()) {
                std::string list;
                for (const std::string& action : actions)
                    list += "\n  " + action;
                FAIL() << "seed " << seed << ", after " << actions.size() << " actions: " << problem
                       << list;
            }
        }
        doc->SetModifiedFlag(false); // nothing to ask about
        harness.documents.CloseAllDocuments();
    }
}
