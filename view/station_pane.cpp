// own
#include "view/station_pane.h"

// Qt
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

// std
#include <algorithm>

namespace {
// In pixels of the pane, whose left edge is the grid's: one row of 24 pixels per edit box, the
// boxes 100 pixels in, the labels one pixel in.
constexpr int kEditRow = 24;
constexpr int kEditHeight = 22;
constexpr int kEditLeft = 100;
constexpr int kLabelLeft = 1;

QLabel* NewLabel(const char* text, QLineEdit& buddy, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setBuddy(&buddy);
    return label;
}
} // namespace

CStationPane::CStationPane(QLineEdit& zoneName, QLineEdit& lcdText, QWidget& grid, QWidget* parent)
    : QWidget(parent), m_zoneName(zoneName), m_lcdText(lcdText), m_grid(grid),
      m_pZoneNameLabel(NewLabel("Zone Name:", zoneName, this)),
      m_pLcdTextLabel(NewLabel("LCD Text:", lcdText, this)) {
    QWidget* const children[] = {&zoneName, &lcdText, &grid};
    for (QWidget* child : children)
        child->setParent(this);
    // setParent hides; the grid shows once it has a station, the zone name box at once.
    zoneName.show();
    m_pLcdTextLabel->hide();
    // Enter in a box sends the focus to the box's parent, and on to the grid.
    setFocusProxy(&grid);
}

void CStationPane::SetLcdText(bool shown, bool labelled) {
    m_bLcdShown = shown;
    m_bLcdLabelled = labelled;
    Layout();
    update();
}

void CStationPane::Layout() {
    const int w = width();
    const int h = height();
    const int gridTop = m_bLcdShown ? 2 * kEditRow : kEditRow;
    m_grid.setGeometry(0, gridTop, w, std::max(0, h - gridTop));
    if (m_bLcdShown) {
        m_lcdText.setGeometry(kEditLeft, kEditRow, std::max(0, w - kEditLeft), kEditHeight);
    } else {
        m_lcdText.setGeometry(0, 0, 0, 0);
    }
    // Out of sight is not enough: a hidden box cannot take the focus either.
    m_lcdText.setVisible(m_bLcdShown);
    m_zoneName.setGeometry(kEditLeft, 0, std::max(0, w - kEditLeft), kEditHeight);
    m_pZoneNameLabel->setGeometry(kLabelLeft, 0, kEditLeft - kLabelLeft - 1, kEditHeight);
    m_pLcdTextLabel->setGeometry(kLabelLeft, kEditRow, kEditLeft - kLabelLeft - 1, kEditHeight);
    m_pLcdTextLabel->setVisible(m_bLcdLabelled);
}

void CStationPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

void CStationPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int right = width() - 1;
    painter.drawLine(0, kEditRow - 1, right, kEditRow - 1);
    if (m_bLcdLabelled) painter.drawLine(0, 2 * kEditRow - 1, right, 2 * kEditRow - 1);
}
