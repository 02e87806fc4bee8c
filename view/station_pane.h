#pragma once
// CStationPane: the station view's side right of the divider: the "Zone Name:" box on top, the
// "LCD Text:" box below it where the station has one, the grid under them, and the lines between
// them. Each label is its box's buddy, so the box is known by the label's text (screen readers
// read it). The boxes and the grid belong to the view; the pane only holds and places them.

// Qt
#include <QWidget>

class QLabel;
class QLineEdit;

class CStationPane : public QWidget {
public:
    // The edit boxes and the grid become the pane's children.
    CStationPane(QLineEdit& zoneName, QLineEdit& lcdText, QWidget& grid, QWidget* parent);

    // The LCD text box shown or not (out of sight and out of the focus chain when not), and
    // labelled or not; the pane's children placed to match.
    void SetLcdText(bool shown, bool labelled);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Layout();

    QLineEdit& m_zoneName;
    QLineEdit& m_lcdText;
    QWidget& m_grid;
    QLabel* m_pZoneNameLabel;
    QLabel* m_pLcdTextLabel;
    bool m_bLcdShown = false;
    bool m_bLcdLabelled = false;
};
