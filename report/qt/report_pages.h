#pragma once
// The zone report laid out on pages: the sections of the HTML form set on the page size of a
// printer or PDF writer, with a running header (title, file name, "Page n of m") on every page,
// the matrices' header rows repeated where a table goes on to the next page, and no heading left
// at the foot of a page. Needs QtGui and a QGuiApplication, not a display.

// own
#include "report/zone_report.h"

// Qt
#include <QByteArray>
#include <QPageLayout>

// std
#include <functional>

class QPagedPaintDevice;

// Paints the report on `device` (a QPrinter or a QPdfWriter, on its current page layout), one
// page after the other. Returns the number of pages.
int PaintZoneReport(const ZoneReport& report, QPagedPaintDevice& device);

// The report as a PDF document on pages of `layout`.
QByteArray ZoneReportPdf(const ZoneReport& report, const QPageLayout& layout);

// A PDF document titled `title` on pages of `layout`, painted by `paint`.
QByteArray PagesPdf(const QString& title, const QPageLayout& layout,
                    const std::function<void(QPagedPaintDevice&)>& paint);

// The default page of a report made without a printer: A4 portrait, 15 mm margins.
QPageLayout DefaultReportPage();
