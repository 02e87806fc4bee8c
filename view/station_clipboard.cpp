// own
#include "view/station_clipboard.h"
#include "framework/format_text.h"
#include "framework/qt/cp1252.h"
#include "model/config_edits.h"
#include "model/station_paste.h"
#include "view/station_view.h"

// Qt
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMimeData>
#include <QStatusBar>

// std
#include <memory>
#include <string>

namespace {
// How long the status bar says what a paste left out.
constexpr int kStatusMilliseconds = 5000;

void ShowStatus(CStationView& view, const std::string& text) {
    if (auto* frame = qobject_cast<QMainWindow*>(view.window()))
        frame->statusBar()->showMessage(FromCp1252(text), kStatusMilliseconds);
}

// The clipboard's station as JSON text: its own type first, else plain text.
QByteArray ClipboardStation() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (data == nullptr) return {};
    if (data->hasFormat(QString::fromLatin1(kStationMimeType)))
        return data->data(QString::fromLatin1(kStationMimeType));
    return data->text().toUtf8();
}
} // namespace

QLineEdit* FocusedTextBox(CStationView& view) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == &view.m_ZoneNameEdit) return &view.m_ZoneNameEdit;
    if (focus == &view.m_LcdTextEdit) return &view.m_LcdTextEdit;
    return nullptr;
}

void CopyStation(CStationView& view) {
    if (QLineEdit* box = FocusedTextBox(view)) {
        box->copy();
        return;
    }
    const CKVDoc* doc = view.GetDocument();
    const int station = view.ShownStation();
    if (doc == nullptr || station < 0) return;
    const QByteArray json =
        QByteArray::fromStdString(StationClipboardText(*doc->m_pStations[station]));
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kStationMimeType), json);
    data->setText(QString::fromUtf8(json));
    QApplication::clipboard()->setMimeData(data);
}

void CutStation(CStationView& view) {
    if (QLineEdit* box = FocusedTextBox(view)) {
        box->cut();
        return;
    }
    if (view.ShownStation() < 0) return;
    CopyStation(view);
    view.OnDeleteStation();
}

void PasteStation(CStationView& view) {
    if (QLineEdit* box = FocusedTextBox(view)) {
        box->paste();
        return;
    }
    CKVDoc* doc = view.GetDocument();
    const int shown = view.ShownStation();
    if (doc == nullptr || shown < 0) return;
    auto prepared = PrepareStationPaste(*doc, ClipboardStation().toStdString());
    if (const auto* refusal = std::get_if<CStationRefusal>(&prepared)) {
        doc->Ui().MessageBox(refusal->text, refusal->caption);
        return;
    }
    auto* pasted = std::get_if<CPastedStation>(&prepared);
    if (pasted == nullptr) return;
    const int position = shown + 1;
    doc->Perform(
        CStationListEdit::Insert(*doc, position, std::move(pasted->station), "Paste Station"));
    doc->m_nCurStation = position;
    view.ShowStation(position);
    std::string status = pasted->moved ? MovedStationStatus(*doc->m_pStations[position]) : "";
    if (pasted->droppedZones > 0)
        status += (status.empty() ? "" : "; ") +
                  FormatText("%d zone(s) above zone %d left out of the pasted station",
                             pasted->droppedZones, doc->m_nMaxZones);
    if (!status.empty()) ShowStatus(view, status);
}

bool CanPaste(CStationView& view) {
    if (FocusedTextBox(view) != nullptr) return QApplication::clipboard()->mimeData() != nullptr;
    return view.GetDocument() != nullptr && HoldsStation(ClipboardStation().toStdString());
}
