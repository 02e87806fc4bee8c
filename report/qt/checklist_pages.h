#pragma once
// The commissioning checklist laid out on pages, as the zone report is: the same fonts, running
// header and tables; a station's heading stays with the start of its table. Needs QtGui and a
// QGuiApplication, not a display.

// own
#include "report/checklist.h"

// Qt
#include <QByteArray>
#include <QPageLayout>

class QPagedPaintDevice;

// Paints the checklist on `device`, one page after the other. Returns the number of pages.
int PaintChecklist(const Checklist& checklist, QPagedPaintDevice& device);

// The checklist as a PDF document on pages of `layout`.
QByteArray ChecklistPdf(const Checklist& checklist, const QPageLayout& layout);
