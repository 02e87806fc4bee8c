#include "framework/qt/file_dialog.h"

// own
#include "framework/qt/cp1252.h"
#include "framework/qt/dialog_colours.h"

// Qt
#include <QFile>

namespace {

QString QtPatterns(const QString& pattern) {
    QStringList patterns = pattern.split(u';', Qt::SkipEmptyParts);
    for (QString& one : patterns) {
        one = one.trimmed();
        if (one == u"*.*") one = QStringLiteral("*");
    }
    return patterns.join(u' ');
}

} // namespace

QStringList NameFilters(const FileDialogRequest& request) {
    QStringList filters;
    for (const auto& [name, pattern] : request.filters) {
        QString display = FromCp1252(name);
        const QString shown = u'(' + FromCp1252(pattern) + u')';
        // A name that already shows its pattern keeps it once, in the form Qt filters by.
        if (display.endsWith(shown)) display = display.chopped(shown.size()).trimmed();
        filters << display + QStringLiteral(" (") + QtPatterns(FromCp1252(pattern)) + u')';
    }
    return filters;
}

std::optional<std::string> AskFileName(QWidget* parent, const FileDialogRequest& request,
                                       QFileDialog::AcceptMode mode) {
    int filterIndex = 0;
    return AskFileName(parent, request, mode, filterIndex);
}

std::optional<std::string> AskFileName(QWidget* parent, const FileDialogRequest& request,
                                       QFileDialog::AcceptMode mode, int& filterIndex) {
    QFileDialog dialog(parent, FromCp1252(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    const QStringList filters = NameFilters(request);
    dialog.setNameFilters(filters);
    if (filterIndex >= 0 && filterIndex < filters.size())
        dialog.selectNameFilter(filters[filterIndex]);
    ApplyDialogColours(dialog);
    if (!request.initialName.empty())
        dialog.selectFile(QFile::decodeName(QByteArray::fromStdString(request.initialName)));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    return QFile::encodeName(chosen.first()).toStdString();
}
