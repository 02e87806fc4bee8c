// Print, Print Preview and Export Report of the File menu, driven as a user would.

// own
#include "framework/command_prompts.h"
#include "model/kv_doc.h"
#include "tests/app/app_fixture.h"
#include "tests/support/modal_watcher.h"
#include "report/ui/preview_pages.h"
#include "report/ui/report_preview_dlg.h"
#include "tests/support/program_run.h"
#include "tests/support/sample_configs.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_dir.h"

// Qt
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPageSize>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

// std
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class ReportCommandsTest : public AppTest {
protected:
    // A new document with three stations, named as a site would name them.
    CKVDoc& ThreeStations() {
        auto& doc = dynamic_cast<CKVDoc&>(*Documents().NewDocument());
        doc.m_nMaxZones = 16;
        doc.m_pStations[0]->SetName("Front Desk");
        const std::pair<const char*, int> more[] = {{"Dock Door", 3}, {"Warehouse Office", 9}};
        for (const auto& [name, type] : more) {
            auto station = std::make_unique<CStation>();
            station->SetName(name);
            station->SetType(type);
            int port = 1, address = 1;
            doc.FindFreePortAddress(port, address);
            station->SetPort(port);
            station->SetAddress(address);
            doc.m_pStations.push_back(std::move(station));
        }
        doc.m_pStations[2]->SetLcdText("WAREHOUSE");
        const char* zones[] = {"Reception", "Loading Bay", "Offices", "Canteen"};
        for (int z = 0; z < 4; ++z)
            doc.m_strZoneNames[static_cast<std::size_t>(z)] = zones[z];
        for (int n = 0; n < 3; ++n) {
            doc.m_pStations[static_cast<std::size_t>(n)]->m_Buttons[0].ToggleZone(n);
            doc.m_pStations[static_cast<std::size_t>(n)]->m_Buttons[1].ToggleZone(3);
        }
        doc.m_SoftButtons[0].ToggleZone(0);
        return doc;
    }

    // Runs Export Report, typing `path` into the save dialog.
    void Export(const fs::path& path) {
        EXPECT_EQ(Choosing(ID_FILE_EXPORT_REPORT, path), "Export Report");
    }

    // Runs `command`, typing `path` into the save dialog it opens; the dialog's title.
    QString Choosing(CommandId command, const fs::path& path) {
        QString title;
        CModalScript script;
        script.Then<QFileDialog>([&](QFileDialog& dialog) {
            title = dialog.windowTitle();
            dialog.findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(path));
            static_cast<QDialog&>(dialog).accept();
        });
        EXPECT_TRUE(Frame().Commands().Execute(command));
        EXPECT_TRUE(script.Done());
        return title;
    }

    CTempDir dir;
};

TEST_F(ReportCommandsTest, GreyWithoutADocumentWithItsPrompt) {
    Start();
    for (CommandId id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_EXPORT_REPORT})
        EXPECT_FALSE(Frame().Commands().Execute(id)) << id;
    EXPECT_STREQ(CommandPrompt(ID_FILE_EXPORT_REPORT),
                 "Save the zone report of the active document as a PDF, HTML or CSV file");
}

TEST_F(ReportCommandsTest, PrintPreviewShowsTheReportOnThePrintSetupPage) {
    Start();
    ThreeStations();
    app->Printer().setPageSize(QPageSize(QPageSize::Letter));
    int pages = 0;
    QString count;
    bool barGone = false;
    QPageSize::PageSizeId size = QPageSize::A4;
    CModalScript script;
    script.Then<QDialog>([&](QDialog& modal) {
        auto& dialog = dynamic_cast<CReportPreviewDlg&>(modal);
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Print Preview - Config1");
        while (!dialog.Layout().Done())
            QApplication::processEvents();
        QApplication::processEvents();
        pages = dialog.Pages().PagesShown();
        count = dialog.PageCount().text();
        barGone = dialog.Progress().isHidden() && dialog.CancelButton().isHidden();
        size = app->Printer().pageLayout().pageSize().id();
        dialog.grab().save("/work/briefs/shots/print_preview_3_stations.png");
        dialog.reject();
    });
    EXPECT_TRUE(Frame().Commands().Execute(ID_FILE_PRINT_PREVIEW));
    EXPECT_TRUE(script.Done());
    EXPECT_GE(pages, 1);
    EXPECT_EQ(count, QStringLiteral("%1 pages").arg(pages));
    EXPECT_TRUE(barGone);
    EXPECT_EQ(size, QPageSize::Letter);
}

TEST_F(ReportCommandsTest, PreviewOfTheLargestConfigurationShowsItsFirstPageAndCancels) {
    Start();
    FillLargestConfig(dynamic_cast<CKVDoc&>(*Documents().NewDocument()));
    int shownAtFirst = 0, sectionsAtCancel = 0, sections = 0;
    bool barAtFirst = false;
    CModalScript script;
    script.Then<QDialog>([&](QDialog& modal) {
        auto& dialog = dynamic_cast<CReportPreviewDlg&>(modal);
        // Pages appear while the rest is still being laid out, with a way out.
        while (dialog.Pages().PagesShown() == 0)
            QApplication::processEvents();
        shownAtFirst = dialog.Pages().PagesShown();
        barAtFirst = dialog.Progress().isVisible() && dialog.CancelButton().isVisible();
        EXPECT_EQ(dialog.Pages().grab(QRect(0, 0, 200, 200)).isNull(), false);
        for (int slice = 0; slice < 5; ++slice)
            QApplication::processEvents();
        sections = dialog.Layout().Sections();
        sectionsAtCancel = dialog.Layout().SectionsDone();
        QTest::mouseClick(&dialog.CancelButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(Frame().Commands().Execute(ID_FILE_PRINT_PREVIEW));
    EXPECT_TRUE(script.Done());
    EXPECT_GE(shownAtFirst, 1);
    EXPECT_TRUE(barAtFirst);
    EXPECT_EQ(sections, 47 + 3);
    EXPECT_LT(sectionsAtCancel, sections);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ReportCommandsTest, ExportReportWritesTheFormOfTheChosenExtension) {
    Start();
    ThreeStations();
    Export(dir / "site.csv");
    const std::string csv = ReadWholeFile(dir / "site.csv");
    EXPECT_NE(csv.find("Dock Door,2-1,HB-01,HardButton1,2,Loading Bay\r\n"), std::string::npos)
        << csv;
    Export(dir / "site.html");
    EXPECT_NE(ReadWholeFile(dir / "site.html").find("<h2>Warehouse Office</h2>"),
              std::string::npos);
    // The PDF takes the page of Print Setup.
    app->Printer().setPageSize(QPageSize(QPageSize::Letter));
    Export(dir / "site.pdf");
    const std::string pdf = ReadWholeFile(dir / "site.pdf");
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_NE(pdf.find("/MediaBox [0 0 612.000000 792.000000]"), std::string::npos);
}

// Saving clears the folder of our own stale temporary files only: another program's hidden
// ".tmp" files of the same shape stay, however old.
TEST_F(ReportCommandsTest, SaveAndExportLeaveOtherProgramsTemporaryFiles) {
    const std::vector<std::string> foreign = {".budget.2023.tmp", ".notes.1.tmp",
                                              ".site.kvx.123.tmp"};
    for (const std::string& name : foreign)
        PlantStaleFile(dir, name);
    PlantStaleFile(dir, ".site.kvx.corvantine-123.tmp");
    Start();
    ThreeStations();
    Choosing(ID_FILE_SAVE_AS, dir / "site.kvx");
    EXPECT_FALSE(fs::exists(dir / ".site.kvx.corvantine-123.tmp"));
    Export(dir / "site.html");
    for (const std::string& name : foreign)
        EXPECT_EQ(ReadWholeFile(dir / name), "kept") << name;
    CScriptedUi ui;
    CKVDoc saved(ui);
    ASSERT_TRUE(saved.OnOpenDocument((dir / "site.kvx").string()));
    EXPECT_EQ(saved.m_pStations[1]->GetName(), "Dock Door");
}

} // namespace
