// Recovery copies across real processes: changes are copied, the editor is killed with SIGKILL,
// and the next editor offers the copy; Recover, Discard and Later; and two editors running at
// once never take each other's copies.

#include "app/config_document.h"
#include "app/kv_frame.h"
#include "files/recovery_store.h"
#include "tests/app/editor_child.h"
#include "tests/support/program_run.h"
#include "tests/support/temp_dir.h"
#include "view/station_view.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <regex>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// --- In the editor ----------------------------------------------------------------------------

// Switches zones as a click on each cell (row, zone column) of the active window does.
void SwitchCells(CKVApp& app, const std::vector<std::pair<int, int>>& cells) {
    auto& view = *dynamic_cast<CStationView*>(app.m_pMainWnd->Documents().ActiveView());
    for (const auto& [row, col] : cells)
        view.m_Grid.ToggleZone(row, col);
}

// The zones switched on for each hard button of the first station, "3:5 7:1 ...".
std::string SwitchedZones(const CKVDoc& doc) {
    std::string zones;
    const CStation& station = *doc.m_pStations.front();
    for (int button = 0; button < station.m_nType; ++button)
        for (const CZone& zone : station.m_Buttons[button].m_pZones)
            zones += std::to_string(button + 1) + ":" + std::to_string(zone.m_nZone + 1) + " ";
    return zones;
}

// Once the active document's recovery copy has caught up, tells "copied" and the zones it holds.
void TellWhenCopied(CKVApp& app, std::function<void()> then = {}) {
    CEditorChild::Watch([&app, then] {
        auto& doc = *dynamic_cast<CConfigDocument*>(app.m_pMainWnd->Documents().ActiveDocument());
        if (doc.Recovery().CopyPending()) return false;
        CEditorChild::Tell("copied " + SwitchedZones(doc));
        if (then) then();
        return true;
    });
}

// Changes the active document and tells "copied" once its recovery copy is on disk.
void ChangeAndTellWhenCopied(CKVApp& app) {
    SwitchCells(app, {{3, 5}});
    TellWhenCopied(app);
}

// Tells the text of the recovery question, or "none" when there is none, and answers it with
// the button `answer`; then tells the active document's path and state once the answer has
// taken effect.
void AnswerOffer(CKVApp& app, const std::string& answer) {
    // Posted from within the script, this runs after the offer has begun: inside its question.
    QTimer::singleShot(0, qApp, [&app, answer] {
        auto* box = dynamic_cast<QMessageBox*>(QApplication::activeModalWidget());
        CEditorChild::Tell(box ? box->text().toStdString() : "none");
        if (!box) return;
        for (QAbstractButton* button : box->buttons())
            if (button->text().toStdString() == answer) button->click();
        CEditorChild::Watch([&app, answer] {
            const CDocument* doc = app.m_pMainWnd->Documents().ActiveDocument();
            if (QApplication::activeModalWidget() || (answer == "Recover" && !doc)) return false;
            CEditorChild::Tell(doc ? doc->GetPathName() + (doc->IsModified() ? " modified " : " ") +
                                         SwitchedZones(*dynamic_cast<const CKVDoc*>(doc))
                                   : "no document");
            return true;
        });
    });
}

// --- The test ---------------------------------------------------------------------------------

class RecoveryCycleTest : public ::testing::Test {
protected:
    RecoveryCycleTest() {
        fs::copy_file(fs::path(CORV_SOURCE_DIR) / "tests/data/new_document/config.kvx", site);
        original = ReadWholeFile(site);
    }

    // Starts an editor on the site, changes it and waits for the copy, then kills it.
    void ChangeAndKill() {
        CEditorChild editor(dir.Path(), {site.string()}, ChangeAndTellWhenCopied);
        ASSERT_EQ(editor.Heard(), "copied 3:5 ");
        kill(editor.Pid(), SIGKILL);
        EXPECT_EQ(editor.WaitForExit(5s), 128 + SIGKILL);
        EXPECT_EQ(ReadWholeFile(site), original);
    }

    std::size_t CopiesLeft() const {
        std::size_t copies = 0;
        for (const auto& entry :
             fs::directory_iterator(dir / "state/Quellton Electronics/recovery"))
            copies += entry.path().extension() == ".kvx";
        return copies;
    }

    CTempDir dir;
    const fs::path site = dir / "site.kvx";
    std::string original;
};

TEST_F(RecoveryCycleTest, KilledEditorsChangeIsOfferedRecoveredAndSavedOverTheOriginalOnlyBySave) {
    ChangeAndKill();
    CEditorChild editor(dir.Path(), {}, [site = site, original = original](CKVApp& app) {
        AnswerOffer(app, "Recover");
        // Once the recovered document is there: Save, then Exit.
        CEditorChild::Watch([&app, site, original] {
            if (QApplication::activeModalWidget() || !app.m_pMainWnd->Documents().ActiveDocument())
                return false;
            QTimer::singleShot(50, qApp, [&app, site, original] {
                CEditorChild::Tell(ReadWholeFile(site) == original ? "untouched" : "touched");
                app.m_pMainWnd->Commands().Execute(ID_FILE_SAVE);
                CEditorChild::Tell("saved");
                app.m_pMainWnd->Commands().Execute(ID_APP_EXIT);
            });
            return true;
        });
    });
    const std::string question = editor.Heard();
    EXPECT_TRUE(std::regex_match(question, std::regex("Recover unsaved changes to site\\.kvx from "
                                                      "[0-2][0-9]:[0-5][0-9]\\?")))
        << question;
    EXPECT_EQ(editor.Heard(), site.string() + " modified 3:5 ");
    EXPECT_EQ(editor.Heard(), "untouched");
    EXPECT_EQ(editor.Heard(), "saved");
    EXPECT_EQ(editor.WaitForExit(20s), 0);
    const std::string saved = ReadWholeFile(site);
    EXPECT_NE(saved, original);
    EXPECT_EQ(CopiesLeft(), 0u);
}

TEST_F(RecoveryCycleTest, EditsAfterTheFirstCopyReachTheCopyAndComeBackAfterAKill) {
    {
        CEditorChild editor(dir.Path(), {site.string()}, [](CKVApp& app) {
            SwitchCells(app, {{3, 5}});
            TellWhenCopied(app, [&app] {
                // Two more switches, then one undone and another: the copy follows each.
                SwitchCells(app, {{1, 2}, {2, 7}});
                TellWhenCopied(app, [&app] {
                    app.m_pMainWnd->Commands().Execute(ID_EDIT_UNDO);
                    SwitchCells(app, {{4, 9}});
                    TellWhenCopied(app);
                });
            });
        });
        ASSERT_EQ(editor.Heard(), "copied 3:5 ");
        ASSERT_EQ(editor.Heard(), "copied 1:2 2:7 3:5 ");
        ASSERT_EQ(editor.Heard(), "copied 1:2 3:5 4:9 ");
        kill(editor.Pid(), SIGKILL);
        EXPECT_EQ(editor.WaitForExit(5s), 128 + SIGKILL);
    }
    CEditorChild editor(dir.Path(), {}, [](CKVApp& app) { AnswerOffer(app, "Recover"); });
    EXPECT_NE(editor.Heard().find("site.kvx"), std::string::npos);
    EXPECT_EQ(editor.Heard(), site.string() + " modified 1:2 3:5 4:9 ");
    EXPECT_EQ(ReadWholeFile(site), original);
}

TEST_F(RecoveryCycleTest, DiscardRemovesTheCopyAndLaterKeepsItForTheNextStart) {
    ChangeAndKill();
    {
        CEditorChild later(dir.Path(), {}, [](CKVApp& app) { AnswerOffer(app, "Later"); });
        EXPECT_NE(later.Heard(), "none");
        EXPECT_EQ(later.Heard(), "no document");
        kill(later.Pid(), SIGTERM);
        EXPECT_EQ(later.WaitForExit(20s), 0);
    }
    EXPECT_EQ(CopiesLeft(), 1u);
    CEditorChild discard(dir.Path(), {}, [](CKVApp& app) { AnswerOffer(app, "Discard"); });
    EXPECT_NE(discard.Heard(), "none");
    EXPECT_EQ(discard.Heard(), "no document");
    EXPECT_EQ(CopiesLeft(), 0u);
    EXPECT_EQ(ReadWholeFile(site), original);
}

TEST_F(RecoveryCycleTest, TwoEditorsAtOnceNeverTakeEachOthersCopies) {
    const fs::path other = dir / "other.kvx";
    fs::copy_file(site, other);
    CEditorChild first(dir.Path(), {site.string()}, ChangeAndTellWhenCopied);
    CEditorChild second(dir.Path(), {other.string()}, ChangeAndTellWhenCopied);
    ASSERT_EQ(first.Heard(), "copied 3:5 ");
    ASSERT_EQ(second.Heard(), "copied 3:5 ");
    {
        CEditorChild third(dir.Path(), {}, [](CKVApp& app) { AnswerOffer(app, "Later"); });
        EXPECT_EQ(third.Heard(), "none") << "copies of running editors offered";
    }
    kill(first.Pid(), SIGKILL);
    first.WaitForExit(5s);
    CEditorChild fourth(dir.Path(), {}, [](CKVApp& app) { AnswerOffer(app, "Later"); });
    EXPECT_EQ(fourth.Heard().find("site.kvx"), 27u) << "only the killed editor's copy";
    EXPECT_EQ(fourth.Heard(), "no document");
    EXPECT_EQ(fourth.Heard(1s), "") << "a second question";
}

} // namespace
