#pragma once
// What every report's pages share: the fonts measured on a device and the running header.

// own
#include "report/qt/page_table.h"

class QPainter;

// Fonts sized in the device's pixels rather than points, so that a page laid out for a printer
// paints the same on a preview's smaller pixels through a scaled painter.
PageFonts ReportFonts(const QPaintDevice& device);
// A heading's bold font of `points` on the device the body font was made for.
QFont TitleFont(const QFont& body, qreal points, const QPaintDevice& device);
// The height of the running header above the body of each page.
qreal PageHeaderHeight(const PageFonts& fonts, QPaintDevice& device);

// The running header, `width` wide, measured on `device` (the painter may paint elsewhere, scaled):
// `title` on the left, shortened in its middle where it would run into `number` on the right, and
// a line under both.
void PaintPageHeader(QPainter& painter, QPaintDevice& device, const QString& title,
                     const QString& number, const QFont& font, qreal width, qreal height);
