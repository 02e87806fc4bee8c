// own
#include "report/qt/report_pages.h"
#include "report/qt/page_flow.h"
#include "report/report_forms.h"

// Qt
#include <QBuffer>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

// std
#include <variant>

namespace {
constexpr qreal kMarginMm = 15;
// The PDF needs no more detail than a good printer's.
constexpr int kPdfResolution = 600;

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

PageFonts ReportFonts(QPaintDevice& device) {
    QFont font("Sans Serif");
    font.setPointSizeF(9);
    // Without ligatures, "Office" stays six letters for whoever searches or copies the PDF.
    font.setStyleStrategy(QFont::PreferNoShaping);
    PageFonts fonts{QFont(font, &device), QFont(font, &device), QFont(font, &device),
                    device.logicalDpiX() / 32.0};
    fonts.head.setBold(true);
    fonts.note.setPointSizeF(7);
    return fonts;
}

QFont TitleFont(const QFont& body, qreal points) {
    QFont font(body);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

void PaintPageHeader(QPainter& painter, const QString& title, const QFont& font, qreal width,
                     qreal height, int page, int pages) {
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, painter.device()->logicalDpiX() / 96.0));
    const QFontMetricsF metrics(font, painter.device());
    const QString number = QStringLiteral("Page %1 of %2").arg(page).arg(pages);
    const qreal room = width - metrics.horizontalAdvance(number) - 4 * metrics.averageCharWidth();
    const QRectF line(0, 0, width, height * 0.8);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop,
                     metrics.elidedText(title, Qt::ElideMiddle, room));
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop, number);
    painter.drawLine(QPointF(0, height * 0.85), QPointF(width, height * 0.85));
}

namespace {
struct Heading {
    QString text;
    bool title = false;
};

// The report as headings and tables, measured for one device and page width: the same sections
// as its HTML form.
class CReportBlocks {
public:
    CReportBlocks(const ZoneReport& report, const PageFonts& fonts, QPaintDevice& device,
                  qreal width)
        : m_report(report), m_fonts(fonts), m_device(device), m_width(width),
          m_h1(TitleFont(fonts.body, 16)), m_h2(TitleFont(fonts.body, 12)),
          m_point(device.logicalDpiY() / 72.0) {
        m_blocks.emplace_back(Heading{Text(report.Title()), true});
        TitleBlock();
        ZoneList();
        for (const ReportStation& station : report.stations)
            Station(station);
        m_blocks.emplace_back(Heading{QStringLiteral("Soft Buttons")});
        Matrix(report.softButtons);
    }

    void Flow(CPageFlow& flow) const {
        for (std::size_t i = 0; i < m_blocks.size(); ++i) {
            if (const auto* table = std::get_if<CPageTable>(&m_blocks[i])) {
                flow.Table(*table, kTableBelow * m_point);
                continue;
            }
            const auto& heading = std::get<Heading>(m_blocks[i]);
            if (heading.title)
                flow.Heading(heading.text, m_h1, 0, 6 * m_point, Keep(i));
            else
                flow.Heading(heading.text, m_h2, 14 * m_point, 4 * m_point, Keep(i));
        }
    }

private:
    static constexpr qreal kTableBelow = 6;

    // What must follow heading `i` on its page: the start of the table under it, or all of a
    // small table without header rows (a station's type and address) and the start of the next.
    qreal Keep(std::size_t i) const {
        qreal keep = 0;
        for (std::size_t j = i + 1; j < m_blocks.size(); ++j) {
            const auto* table = std::get_if<CPageTable>(&m_blocks[j]);
            if (table == nullptr) break;
            const auto* next =
                j + 1 < m_blocks.size() ? std::get_if<CPageTable>(&m_blocks[j + 1]) : nullptr;
            if (table->HeadHeight() > 0 || next == nullptr) return keep + table->LeadHeight();
            keep += table->Height() + kTableBelow * m_point;
        }
        return keep;
    }

    static PageCell Cell(const QString& text, bool head = false, bool centred = false) {
        PageCell cell;
        cell.text = text;
        cell.head = head;
        cell.centred = centred;
        return cell;
    }
    static PageCell Head(const QString& text) { return Cell(text, true); }

    // A table as wide as its contents, up to the page's width.
    void AddNatural(std::vector<PageRow> headRows, std::vector<PageRow> rows) {
        std::vector<PageRow> all = headRows;
        all.insert(all.end(), rows.begin(), rows.end());
        m_blocks.emplace_back(std::in_place_type<CPageTable>, m_fonts, m_device,
                              CPageTable::NaturalWidths(m_fonts, m_device, all, m_width),
                              std::move(headRows), std::move(rows));
    }

    void TitleBlock() {
        const auto row = [](const char* head, const std::string& value) {
            return PageRow{Head(QString::fromLatin1(head)), Cell(Text(value))};
        };
        AddNatural({}, {row("File", m_report.fileName), row("Date", m_report.date),
                        row("Number of zones", std::to_string(m_report.zoneCount)),
                        row("Stations", std::to_string(m_report.stations.size())),
                        row("Controller memory", GroupedNumber(m_report.imageBytes) + " of " +
                                                     GroupedNumber(kMaxImageBytes) + " bytes")});
    }

    // Three zones to a row keeps 99 names on about one page.
    void ZoneList() {
        constexpr int kPerRow = 3;
        m_blocks.emplace_back(Heading{QStringLiteral("Zones")});
        PageRow head;
        for (int c = 0; c < kPerRow; ++c) {
            head.push_back(Head(QStringLiteral("Zone")));
            head.push_back(Head(QStringLiteral("Name")));
        }
        std::vector<PageRow> rows;
        for (int first = 1; first <= m_report.zoneCount; first += kPerRow) {
            PageRow& row = rows.emplace_back();
            for (int zone = first; zone < first + kPerRow; ++zone) {
                const bool used = zone <= m_report.zoneCount;
                row.push_back(Cell(used ? QString::number(zone) : QString()));
                row.push_back(
                    Cell(used ? Text(m_report.zoneNames[static_cast<std::size_t>(zone - 1)])
                              : QString()));
            }
        }
        AddNatural({head}, std::move(rows));
    }

    void Station(const ReportStation& station) {
        m_blocks.emplace_back(Heading{Text(station.name.empty() ? "(no name)" : station.name)});
        std::vector<PageRow> rows{{Head(QStringLiteral("Type")), Cell(Text(station.type)),
                                   Head(QStringLiteral("Port-Address")),
                                   Cell(Text(station.portAddress)), Head(QStringLiteral("Group")),
                                   Cell(QString::number(station.group))}};
        if (station.lcdText) {
            PageCell text = Cell(Text(*station.lcdText));
            text.span = 5;
            rows.push_back({Head(QStringLiteral("LCD text")), text});
        }
        AddNatural({}, std::move(rows));
        Matrix(station.buttons);
    }

    // Buttons by zones, the page's width: a tenth for the label, about a quarter for the name,
    // the rest shared by up to twelve zones; wider matrices go on in another table.
    void Matrix(const ReportButtons& group) {
        for (const std::span<const int> zones : MatrixTables(group)) {
            const qreal name = zones.empty() ? 0.90 : 0.24;
            std::vector<qreal> widths{0.10 * m_width, name * m_width};
            PageRow head{Head(QStringLiteral("Button")), Head(QStringLiteral("Name"))};
            for (const int zone : zones) {
                widths.push_back(0.66 * m_width / static_cast<qreal>(zones.size()));
                PageCell& cell = head.emplace_back(Cell(QString::number(zone), true, true));
                cell.note = Text(m_report.ZoneName(zone));
            }
            std::vector<PageRow> rows;
            rows.reserve(group.buttons.size());
            for (const ReportButton& button : group.buttons) {
                PageRow& row = rows.emplace_back();
                row.reserve(2 + zones.size());
                row.push_back(Cell(Text(button.label)));
                row.push_back(Cell(Text(button.name)));
                for (const int zone : zones)
                    row.push_back(
                        Cell(button.Pages(zone) ? QStringLiteral("On") : QString(), false, true));
            }
            m_blocks.emplace_back(std::in_place_type<CPageTable>, m_fonts, m_device,
                                  std::move(widths), std::vector<PageRow>{head}, std::move(rows));
        }
    }

    const ZoneReport& m_report;
    const PageFonts& m_fonts;
    QPaintDevice& m_device;
    const qreal m_width;
    const QFont m_h1;
    const QFont m_h2;
    const qreal m_point;
    std::vector<std::variant<Heading, CPageTable>> m_blocks;
};
} // namespace

int PaintZoneReport(const ZoneReport& report, QPagedPaintDevice& device) {
    const QRectF paper = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const PageFonts fonts = ReportFonts(device);
    const qreal headerHeight = QFontMetricsF(fonts.body, &device).height() * 2;
    const QRectF body(0, headerHeight, paper.width(), paper.height() - headerHeight);
    const CReportBlocks blocks(report, fonts, device, body.width());

    CPageFlow count(device, body, nullptr, {});
    blocks.Flow(count);
    const int pages = count.Pages();

    QPainter painter(&device);
    CPageFlow flow(device, body, &painter, [&](int page) {
        if (page > 0) device.newPage();
        PaintPageHeader(painter, Text(report.Title()), fonts.body, paper.width(), headerHeight,
                        page + 1, pages);
    });
    blocks.Flow(flow);
    return pages;
}

QByteArray PagesPdf(const QString& title, const QPageLayout& layout,
                    const std::function<void(QPagedPaintDevice&)>& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(layout);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Corvantine"));
        paint(writer);
    }
    return bytes;
}

QByteArray ZoneReportPdf(const ZoneReport& report, const QPageLayout& layout) {
    return PagesPdf(Text(report.Title()), layout,
                    [&report](QPagedPaintDevice& device) { PaintZoneReport(report, device); });
}

QPageLayout DefaultReportPage() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}
