#pragma once
// CGridHover: what the station grid tells about the place under the pointer. A column header's
// tooltip is its zone's name and how many buttons on which stations page it, as the status bar
// says it there too; over a cell the status bar reads "HB-03 · Zone 5: Lobby · On",
// sent up as a status tip that the main window shows, and cleared when the pointer leaves the
// cells and headers; a change under a resting pointer (Undo, a key) updates it through Refresh. It
// watches the view's grid and belongs to it; the view must outlive it.

// Qt
#include <QObject>
#include <QPoint>
#include <QString>

// std
#include <optional>

class CStationView;
class QHelpEvent;

class CGridHover : public QObject {
public:
    explicit CGridHover(CStationView& view);

    // The status text again for where the pointer rests, after the grid changed under it.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowTip(const QHelpEvent& help);
    // The status text for the pointer at `pos` in the grid, sent when it differs from the last.
    void FollowPointer(const QPoint& pos);
    void SendStatus(const QString& text);

    CStationView& m_view;
    QString m_status;
    // Where the pointer was last seen on the grid; none once it has left.
    std::optional<QPoint> m_pointer;
};
