// own
#include "report/qt/page_table.h"

// Qt
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

// std
#include <algorithm>
#include <numeric>

namespace {
const QColor kGrid(0x80, 0x80, 0x80);
const QColor kShade(0xe8, 0xe8, 0xe8);

qreal Sum(const std::vector<qreal>& widths, std::size_t column, int span) {
    const auto begin = widths.begin() + static_cast<std::ptrdiff_t>(column);
    return std::accumulate(begin, begin + span, 0.0);
}

int ColumnCount(const std::vector<PageRow>& rows) {
    int count = 0;
    for (const PageRow& row : rows)
        count =
            std::max(count, std::accumulate(row.begin(), row.end(), 0,
                                            [](int n, const PageCell& c) { return n + c.span; }));
    return count;
}
} // namespace

qreal SetPageText(const QString& text, const QFont& font, QPaintDevice& device, qreal width,
                  Qt::Alignment align, QPainter* painter, QPointF at) {
    // The report's fonts are sized in the device's pixels, so the font's own metrics are the
    // device's; resolving the font for the device again for every cell would cost more than the
    // rest of the cell.
    const QFontMetricsF metrics(font);
    // Comparing is cheaper than setting: each font set is written to a PDF again.
    if (painter != nullptr && painter->font() != font) painter->setFont(font);
    const qreal advance = metrics.horizontalAdvance(text);
    if (advance <= width) {
        if (painter != nullptr && !text.isEmpty()) {
            // At its baseline: the cheapest way to paint a line, with no layout of its own.
            const qreal room = width - advance;
            const qreal x = align & Qt::AlignHCenter ? room / 2 : align & Qt::AlignRight ? room : 0;
            painter->drawText(QPointF(at.x() + x, at.y() + metrics.ascent()), text);
        }
        return metrics.height();
    }
    QTextLayout layout(text, font, &device);
    QTextOption option(align);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    if (painter != nullptr) layout.draw(painter, at);
    return height;
}

CPageTable::CPageTable(const PageFonts& fonts, QPaintDevice& device, std::vector<qreal> widths,
                       std::vector<PageRow> headRows, std::vector<PageRow> rows)
    : m_fonts(fonts), m_device(device), m_widths(std::move(widths)),
      m_headRows(std::move(headRows)), m_rows(std::move(rows)) {
    for (const PageRow& row : m_headRows)
        m_headHeight += Measure(row);
    m_heights.reserve(m_rows.size());
    for (const PageRow& row : m_rows)
        m_heights.push_back(Measure(row));
}

std::vector<qreal> CPageTable::NaturalWidths(const PageFonts& fonts, QPaintDevice& device,
                                             const std::vector<PageRow>& rows, qreal maxWidth) {
    std::vector<qreal> widths(static_cast<std::size_t>(ColumnCount(rows)), 0);
    const auto natural = [&](const PageCell& cell) {
        const QFontMetricsF metrics(cell.head ? fonts.head : fonts.body, &device);
        return metrics.horizontalAdvance(cell.text) + 2 * fonts.padding;
    };
    for (const PageRow& row : rows) {
        std::size_t column = 0;
        for (const PageCell& cell : row) {
            if (cell.span == 1) widths[column] = std::max(widths[column], natural(cell));
            column += static_cast<std::size_t>(cell.span);
        }
    }
    for (const PageRow& row : rows) {
        std::size_t column = 0;
        for (const PageCell& cell : row) {
            column += static_cast<std::size_t>(cell.span);
            widths[column - 1] +=
                std::max(0.0, natural(cell) - Sum(widths, column - cell.span, cell.span));
        }
    }
    const qreal total = std::accumulate(widths.begin(), widths.end(), 0.0);
    if (total > maxWidth)
        for (qreal& width : widths)
            width *= maxWidth / total;
    return widths;
}

qreal CPageTable::LeadHeight() const {
    return m_headHeight + (m_heights.empty() ? 0 : m_heights.front());
}

qreal CPageTable::PaintHead(QPainter& painter, qreal left, qreal top) const {
    qreal y = top;
    for (const PageRow& row : m_headRows) {
        const qreal height = Measure(row);
        Paint(painter, row, left, y, height);
        y += height;
    }
    return y - top;
}

qreal CPageTable::Height() const {
    return std::accumulate(m_heights.begin(), m_heights.end(), m_headHeight);
}

void CPageTable::PaintRow(QPainter& painter, std::size_t row, qreal left, qreal top) const {
    Paint(painter, m_rows[row], left, top, m_heights[row]);
}

qreal CPageTable::Width(std::size_t column, int span) const {
    return Sum(m_widths, column, span);
}

qreal CPageTable::Measure(const PageRow& row) const {
    qreal tallest = 0;
    std::size_t column = 0;
    for (const PageCell& cell : row) {
        const qreal width = Width(column, cell.span) - 2 * m_fonts.padding;
        const Qt::Alignment align = cell.centred ? Qt::AlignHCenter : Qt::AlignLeft;
        qreal height = SetPageText(cell.text, cell.head ? m_fonts.head : m_fonts.body, m_device,
                                   width, align, nullptr, {});
        if (cell.turnNote)
            height += QFontMetricsF(m_fonts.note, &m_device).horizontalAdvance(cell.note) +
                      m_fonts.padding;
        else if (!cell.note.isEmpty())
            height += SetPageText(cell.note, m_fonts.note, m_device, width, align, nullptr, {});
        tallest = std::max(tallest, height);
        column += static_cast<std::size_t>(cell.span);
    }
    return tallest + 2 * m_fonts.padding;
}

void CPageTable::PaintTurned(QPainter& painter, const QString& text, QRectF box) const {
    const QFontMetricsF metrics(m_fonts.note, &m_device);
    painter.save();
    painter.setFont(m_fonts.note);
    // Centred across the column, starting from the foot of the cell.
    painter.translate(box.center().x() - metrics.height() / 2, box.bottom());
    painter.rotate(-90);
    painter.drawText(QRectF(0, 0, box.height(), metrics.height()), Qt::AlignLeft | Qt::AlignTop,
                     text);
    painter.restore();
}

void CPageTable::Paint(QPainter& painter, const PageRow& row, qreal left, qreal top,
                       qreal height) const {
    const qreal pad = m_fonts.padding;
    const QPen grid(kGrid, m_device.logicalDpiX() / 96.0);
    // Shading inside the lines, so that it never covers half of a neighbour's line.
    const qreal inset = grid.widthF() / 2;
    // The shading, the texts, then the lines: each pen is set once a row, as every change is
    // written to a PDF again.
    const qreal right = left + Width(0, static_cast<int>(m_widths.size()));
    std::vector<QLineF> lines{{left, top, right, top},
                              {left, top + height, right, top + height},
                              {left, top, left, top + height}};
    painter.setPen(Qt::black);
    qreal x = left;
    std::size_t column = 0;
    for (const PageCell& cell : row) {
        const qreal width = Width(column, cell.span);
        if (cell.head)
            painter.fillRect(QRectF(x, top, width, height).adjusted(inset, inset, -inset, -inset),
                             kShade);
        const Qt::Alignment align = cell.centred ? Qt::AlignHCenter : Qt::AlignLeft;
        const QFont& font = cell.head ? m_fonts.head : m_fonts.body;
        const qreal textWidth = width - 2 * pad;
        const qreal used = SetPageText(cell.text, font, m_device, textWidth, align, &painter,
                                       QPointF(x + pad, top + pad));
        if (cell.turnNote)
            PaintTurned(painter, cell.note, QRectF(x + pad, top + pad + used, textWidth,
                                                   height - 2 * pad - used));
        else if (!cell.note.isEmpty())
            SetPageText(cell.note, m_fonts.note, m_device, textWidth, align, &painter,
                        QPointF(x + pad, top + pad + used));
        x += width;
        column += static_cast<std::size_t>(cell.span);
        lines.emplace_back(x, top, x, top + height);
    }
    painter.setPen(grid);
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}
