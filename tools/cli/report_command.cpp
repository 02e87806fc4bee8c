// report FILE.kvx [--checklist] -o OUT.pdf|.html|.csv: the facility's zone report, or its
// commissioning checklist, the form chosen by the output's extension.

// own
#include "report/qt/checklist_pages.h"
#include "report/qt/report_pages.h"
#include "report/report_forms.h"
#include "tools/cli/output.h"
#include "tools/cli/commands.h"

// Qt
#include <QDate>
#include <QGuiApplication>

// std
#include <cstdio>
#include <filesystem>
#include <memory>

namespace {
// Qt's notes about its own set-up (a missing runtime folder, ...) are not the user's business:
// the command speaks on standard error only for what it refuses.
void IgnoreQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) std::fprintf(stderr, "corvantine-cli: %s\n", qPrintable(text));
}

// Laying out text needs the fonts of a QGuiApplication, but no display.
template <typename Report, typename Pdf> std::string PdfOf(const Report& report, Pdf pdf) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(IgnoreQtMessages);
    static int argc = 1;
    static char name[] = "corvantine-cli";
    static char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);
    return pdf(report, DefaultReportPage()).toStdString();
}

template <typename Report, typename Pdf, typename Html, typename Csv>
std::string Written(const std::string& extension, const Report& report, Pdf pdf, Html html,
                    Csv csv) {
    if (extension == ".pdf") return PdfOf(report, pdf);
    return extension == ".html" ? html(report) : csv(report);
}
} // namespace

void AddReportCommand(CLI::App& app, CCliContext& context) {
    struct Args {
        std::string path, out;
        bool checklist = false;
    };
    auto* command = app.add_subcommand("report", "Write the zone report of a configuration");
    auto args = std::make_shared<Args>();
    command->add_option("FILE", args->path, "the .kvx file to read")->required();
    command->add_option("-o,--output", args->out, "the report to write: .pdf, .html or .csv")
        ->required();
    command->add_flag("--checklist", args->checklist,
                      "write the commissioning checklist instead of the zone report");
    command->callback([&context, args] {
        const std::string extension = std::filesystem::path(args->out).extension().string();
        if (extension != ".pdf" && extension != ".html" && extension != ".csv")
            return context.Fail(args->out + ": the report is written as .pdf, .html or .csv");
        const auto doc = context.OpenConfig(args->path);
        if (!doc) return;
        const std::string name = std::filesystem::path(args->path).filename().string();
        const std::string date = QDate::currentDate().toString(Qt::ISODate).toStdString();
        const std::string text = args->checklist
                                     ? Written(extension, BuildChecklist(*doc, name, date),
                                               ChecklistPdf, ChecklistHtml, ChecklistCsv)
                                     : Written(extension, BuildZoneReport(*doc, name, date),
                                               ZoneReportPdf, ZoneReportHtml, ZoneReportCsv);
        WriteOutput(context, args->out, text);
    });
}
