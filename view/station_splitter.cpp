// own
#include "view/station_splitter.h"

// Qt
#include <QMouseEvent>
#include <QPainter>

// std
#include <algorithm>

namespace {
class CDividerHandle : public QSplitterHandle {
public:
    explicit CDividerHandle(CStationSplitter& splitter)
        : QSplitterHandle(Qt::Horizontal, &splitter), m_splitter(splitter) {}

protected:
    // Qt widens a thin handle by a margin each side, to be easier to grab, and masks the
    // margins off: the divider is the contents.
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect divider = contentsRect();
        painter.fillRect(divider, palette().base());
        painter.drawLine(divider.right(), divider.top(), divider.right(), divider.bottom());
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        QSplitterHandle::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && m_splitter.onListWidthChosen)
            m_splitter.onListWidthChosen(m_splitter.ListWidth());
    }

private:
    CStationSplitter& m_splitter;
};
} // namespace

CStationSplitter::CStationSplitter(QWidget& list, QWidget& rest, QWidget* parent)
    : QSplitter(Qt::Horizontal, parent) {
    setHandleWidth(kHandleWidth);
    setChildrenCollapsible(false);
    addWidget(&list);
    addWidget(&rest);
    // The panes follow the handle as it is dragged.
    setOpaqueResize(true);
}

void CStationSplitter::Place(const QRect& area, int listWidth) {
    setGeometry(area);
    // Sizes that fill the area exactly are taken as they are: the rest goes to the grid side.
    setSizes({listWidth, std::max(0, area.width() - listWidth - kHandleWidth)});
}

int CStationSplitter::ListWidth() const {
    return sizes().value(0);
}

QSplitterHandle* CStationSplitter::createHandle() {
    return new CDividerHandle(*this);
}
