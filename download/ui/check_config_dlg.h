#pragma once
// CCheckConfigDlg: the findings of Check Configuration, one line each (wrapped to the dialog's
// width), under a summary, for the controller version chosen at the top: by default the one read
// from the controller at the last download, else the newest this software knows, and the dialog
// says which. A double-click (or Enter) on a finding asks its owner to show that place and moves
// the dialog off what it would cover there; the dialog stays open so the next finding is one more
// double-click away.

// own
#include "download/config_check.h"

// Qt
#include <QDialog>
#include <QRect>

// std
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;

namespace Ui {
class CheckConfigDlg;
}

class CCheckConfigDlg : public QDialog {
public:
    // `read` is the version read at the last download, if there was one. The document gives the
    // findings their places; it must outlive the dialog.
    CCheckConfigDlg(const CKVDoc& doc, std::optional<ControllerVersion> read,
                    QWidget* parent = nullptr);
    ~CCheckConfigDlg() override;
    CCheckConfigDlg(const CCheckConfigDlg&) = delete;
    CCheckConfigDlg& operator=(const CCheckConfigDlg&) = delete;

    QComboBox& Version() const;
    QLabel& VersionSource() const;
    QLabel& Summary() const;
    QListWidget& Findings() const;

    // Told the finding of the line the user chose.
    std::function<void(const CheckFinding&)> onShowFinding;
    // What the dialog keeps clear of once a finding is shown, in screen coordinates.
    std::function<QRect()> avoid;

private:
    void Check();
    void ShowFinding(int row);

    const CKVDoc& m_doc;
    std::unique_ptr<Ui::CheckConfigDlg> m_ui;
    std::vector<ControllerVersion> m_versions;
    std::vector<CheckFinding> m_findings;
};

// Where a window of `frame` goes so that it covers as little of `avoid` as it can within
// `screen`: where it is when it covers none, else beside `avoid` on the right, the left, below or
// above, whichever covers least (the first of them on a tie). Returns the frame's top-left.
QPoint PlaceAside(QRect frame, QRect avoid, QRect screen);
