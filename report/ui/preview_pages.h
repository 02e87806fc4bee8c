#pragma once
// CPreviewPages: the pages of a report layout one under the other, at a fixed scale, each painted
// only while it is in view, straight from the layout, so that no page is kept as a picture.

// own
#include "report/qt/report_layout.h"

// Qt
#include <QWidget>

class CPreviewPages : public QWidget {
public:
    // The layout must outlive the widget.
    explicit CPreviewPages(const CReportLayout& layout, QWidget* parent = nullptr);

    // Takes in the pages the layout has made final since the last call.
    void UpdatePages();
    int PagesShown() const { return m_pages; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF PageRect(int page) const;

    const CReportLayout& m_layout;
    // Screen pixels per page pixel.
    const qreal m_scale;
    int m_pages = 0;
};
