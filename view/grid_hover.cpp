// own
#include "view/grid_hover.h"
#include "framework/qt/cp1252.h"
#include "view/grid_spot.h"
#include "view/station_cells.h"
#include "view/station_view.h"

// Qt
#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QToolTip>

CGridHover::CGridHover(CStationView& view) : QObject(&view.m_Grid), m_view(view) {
    view.m_Grid.setMouseTracking(true);
    view.m_Grid.installEventFilter(this);
}

bool CGridHover::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip:
        ShowTip(static_cast<QHelpEvent&>(*event));
        return true;
    case QEvent::MouseMove:
        FollowPointer(static_cast<QMouseEvent&>(*event).position().toPoint());
        break;
    case QEvent::MouseButtonRelease: {
        // A click switches the cell on release: the text follows once the grid has done so.
        const QPoint pos = static_cast<QMouseEvent&>(*event).position().toPoint();
        watched->event(event);
        FollowPointer(pos);
        return true;
    }
    case QEvent::Leave:
        m_pointer.reset();
        SendStatus({});
        break;
    default:
        break;
    }
    return false;
}

void CGridHover::ShowTip(const QHelpEvent& help) {
    const CKVDoc* doc = m_view.GetDocument();
    const CGridSpot spot = SpotAt(m_view.m_Grid, help.pos());
    const auto rect = SpotRect(m_view.m_Grid, 0, spot.col);
    if (doc == nullptr || spot.kind != KV_HIT_COLHEADER || !rect ||
        !ZoneColumnExists(*doc, spot.col)) {
        QToolTip::hideText();
        return;
    }
    // Shown while the pointer stays on this header, so the next header brings its own name.
    const std::string text = doc->m_strZoneNames[spot.col - 1] + "\nPaged by " +
                             ZonePagingText(*doc, spot.col).value_or("");
    QToolTip::showText(help.globalPos(), FromCp1252(text), &m_view.m_Grid, *rect);
}

void CGridHover::Refresh() {
    if (m_pointer) FollowPointer(*m_pointer);
}

void CGridHover::FollowPointer(const QPoint& pos) {
    m_pointer = pos;
    CKVDoc* doc = m_view.GetDocument();
    const CGridSpot spot = SpotAt(m_view.m_Grid, pos);
    std::optional<std::string> text;
    if (doc != nullptr && spot.kind == KV_HIT_CELL)
        text = CellStatusText(*doc, m_view.ShownStation(), spot.row, spot.col);
    if (doc != nullptr && spot.kind == KV_HIT_COLHEADER) text = ColumnStatusText(*doc, spot.col);
    SendStatus(text ? FromCp1252(*text) : QString());
}

void CGridHover::SendStatus(const QString& text) {
    if (text == m_status) return;
    m_status = text;
    QStatusTipEvent tip(text);
    QApplication::sendEvent(&m_view.m_Grid, &tip);
}
