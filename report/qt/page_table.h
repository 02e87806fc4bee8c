#pragma once
// A table as the report prints it: columns of set widths, a grid of thin lines, header cells
// shaded and bold, text wrapped within its cell. Rows are measured once, on the device the table
// is printed on, so that laying the table out on pages costs no more than adding heights.

// Qt
#include <QFont>
#include <QPointF>
#include <QString>

// std
#include <vector>

class QPainter;
class QPaintDevice;

struct PageCell {
    QString text;
    // A second, smaller line under the text: a zone's name under its number.
    QString note;
    // The note set on one line turned a quarter, reading upwards, where it would not fit the
    // column's width without breaking a word.
    bool turnNote = false;
    bool head = false;
    bool centred = false;
    // The columns the cell covers.
    int span = 1;
};

using PageRow = std::vector<PageCell>;

// Sets `text` in `width`: on one line when it fits, else broken at word boundaries, and inside a
// word wider than the width. Returns its height; paints it at `at` when there is a painter, with
// the painter's pen.
qreal SetPageText(const QString& text, const QFont& font, QPaintDevice& device, qreal width,
                  Qt::Alignment align, QPainter* painter, QPointF at);

// The fonts of a report on one device, and its cell padding in the device's pixels.
struct PageFonts {
    QFont body;
    QFont head;
    QFont note;
    qreal padding = 0;
};

class CPageTable {
public:
    // `widths` in device pixels; `headRows` repeat on every page the table goes on to.
    CPageTable(const PageFonts& fonts, QPaintDevice& device, std::vector<qreal> widths,
               std::vector<PageRow> headRows, std::vector<PageRow> rows);

    // Columns as wide as their widest cell, narrowed in proportion to fit `maxWidth`; a spanning
    // cell wider than its columns widens the last of them.
    static std::vector<qreal> NaturalWidths(const PageFonts& fonts, QPaintDevice& device,
                                            const std::vector<PageRow>& rows, qreal maxWidth);

    qreal HeadHeight() const { return m_headHeight; }
    // The header rows and the first body row: what must share a page with a heading above.
    qreal LeadHeight() const;
    qreal Height() const;
    std::size_t RowCount() const { return m_rows.size(); }
    qreal RowHeight(std::size_t row) const { return m_heights[row]; }

    // Paints the header rows at `top` of the page; returns their height.
    qreal PaintHead(QPainter& painter, qreal left, qreal top) const;
    void PaintRow(QPainter& painter, std::size_t row, qreal left, qreal top) const;

private:
    qreal Width(std::size_t column, int span) const;
    qreal Measure(const PageRow& row) const;
    // `text` turned to read upwards from the foot of `box`, across its middle.
    void PaintTurned(QPainter& painter, const QString& text, QRectF box) const;
    void Paint(QPainter& painter, const PageRow& row, qreal left, qreal top, qreal height) const;

    const PageFonts& m_fonts;
    QPaintDevice& m_device;
    std::vector<qreal> m_widths;
    std::vector<PageRow> m_headRows;
    std::vector<PageRow> m_rows;
    std::vector<qreal> m_heights;
    qreal m_headHeight = 0;
};
