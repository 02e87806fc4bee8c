#pragma once
// CGridHover: what the station grid tells about the place under the pointer. A column header's
// tooltip is its zone's name; over a cell the status bar reads "HB-03 · Zone 5: Lobby · On",
// sent up as a status tip that the main window shows, and cleared when the pointer leaves the
// cells. It watches the view's grid and belongs to it; the view must outlive it.

// Qt
#include <QObject>
#include <QString>

class CStationView;
class QHelpEvent;

class CGridHover : public QObject {
public:
    explicit CGridHover(CStationView& view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowTip(const QHelpEvent& help);
    // The status text for the pointer at `pos` in the grid, sent when it differs from the last.
    void FollowPointer(const QPoint& pos);
    void SendStatus(const QString& text);

    CStationView& m_view;
    QString m_status;
};
