// own
#include "report/qt/report_layout.h"
#include "model/limits.h"
#include "report/qt/page_style.h"

// Qt
#include <QFontMetricsF>
#include <QPainter>

namespace {
constexpr qreal kTableBelow = 6;

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

PageCell Cell(const QString& text, bool head = false, bool centred = false) {
    PageCell cell;
    cell.text = text;
    cell.head = head;
    cell.centred = centred;
    return cell;
}

PageCell Head(const QString& text) {
    return Cell(text, true);
}
} // namespace

CReportLayout::CReportLayout(const ZoneReport& report, QPaintDevice& device,
                             const QPageLayout& page)
    : m_report(report), m_device(device), m_paper(page.paintRectPixels(device.logicalDpiX())),
      m_fonts(ReportFonts(device)), m_point(device.logicalDpiY() / 72.0),
      m_headerHeight(PageHeaderHeight(m_fonts, device)),
      m_width(m_paper.width()),
      m_flow(device, QRectF(0, m_headerHeight, m_paper.width(), m_paper.height() - m_headerHeight)) {
}

bool CReportLayout::LayOutNext() {
    if (Done()) return false;
    const std::size_t first = m_blocks.size();
    Section(m_sectionsDone++);
    for (std::size_t i = first; i < m_blocks.size(); ++i) {
        if (const auto* table = std::get_if<CPageTable>(&m_blocks[i]))
            m_flow.Table(*table, kTableBelow * m_point);
        else
            m_flow.Heading(std::get<PageHeading>(m_blocks[i]), Keep(i));
    }
    return true;
}

void CReportLayout::Section(int section) {
    const auto stations = static_cast<int>(m_report.stations.size());
    if (section == 0) {
        AddHeading(Text(m_report.Title()), true);
        TitleBlock();
    } else if (section == 1) {
        ZoneList();
    } else if (section - 2 < stations) {
        Station(m_report.stations[static_cast<std::size_t>(section - 2)]);
    } else {
        AddHeading(QStringLiteral("Soft Buttons"), false);
        Matrix(m_report.softButtons);
    }
}

PageHeading& CReportLayout::AddHeading(const QString& text, bool title) {
    PageHeading heading{text, TitleFont(m_fonts.body, title ? 16 : 12, m_device),
                        title ? 0 : 14 * m_point, (title ? 6 : 4) * m_point, !title};
    return std::get<PageHeading>(m_blocks.emplace_back(std::move(heading)));
}

// What must follow heading `i` on its page: the start of the table under it, or all of a small
// table without header rows (a station's type and address) and the start of the next.
qreal CReportLayout::Keep(std::size_t i) const {
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

// A table as wide as its contents, up to the page's width.
void CReportLayout::AddNatural(std::vector<PageRow> headRows, std::vector<PageRow> rows) {
    std::vector<PageRow> all = headRows;
    all.insert(all.end(), rows.begin(), rows.end());
    m_blocks.emplace_back(std::in_place_type<CPageTable>, m_fonts, m_device,
                          CPageTable::NaturalWidths(m_fonts, m_device, all, m_width),
                          std::move(headRows), std::move(rows));
}

void CReportLayout::TitleBlock() {
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
void CReportLayout::ZoneList() {
    constexpr int kPerRow = 3;
    AddHeading(QStringLiteral("Zones"), false);
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
            row.push_back(Cell(
                used ? Text(m_report.zoneNames[static_cast<std::size_t>(zone - 1)]) : QString()));
        }
    }
    AddNatural({head}, std::move(rows));
}

void CReportLayout::Station(const ReportStation& station) {
    AddHeading(Text(station.name.empty() ? "(no name)" : station.name), false);
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

bool CReportLayout::NamesFit(std::span<const int> zones, qreal width) const {
    const QFontMetricsF metrics(m_fonts.note, &m_device);
    for (const int zone : zones)
        for (const QString& word : Text(m_report.ZoneName(zone)).split(QLatin1Char(' ')))
            if (metrics.horizontalAdvance(word) > width) return false;
    return true;
}

// Buttons by zones, the page's width: a tenth for the label, about a quarter for the name, the
// rest shared by up to twelve zones; wider matrices go on in another table. A zone's name is
// never broken inside a word: where one does not fit its column, the table's names are turned.
void CReportLayout::Matrix(const ReportButtons& group) {
    const std::vector<MatrixLine> lines = MatrixLines(group);
    for (const std::span<const int> zones : MatrixTables(group)) {
        const qreal name = zones.empty() ? 0.90 : 0.24;
        std::vector<qreal> widths{0.10 * m_width, name * m_width};
        const qreal zoneWidth = zones.empty() ? 0 : 0.66 * m_width / static_cast<qreal>(zones.size());
        const bool turned = !NamesFit(zones, zoneWidth - 2 * m_fonts.padding);
        PageRow head{Head(QStringLiteral("Button")), Head(QStringLiteral("Name"))};
        for (const int zone : zones) {
            widths.push_back(zoneWidth);
            PageCell& cell = head.emplace_back(Cell(QString::number(zone), true, true));
            cell.note = Text(m_report.ZoneName(zone));
            cell.turnNote = turned;
        }
        std::vector<PageRow> rows;
        rows.reserve(lines.size());
        for (const MatrixLine& line : lines) {
            PageRow& row = rows.emplace_back();
            if (line.button == nullptr) {
                PageCell& summary = row.emplace_back(Cell(Text(line.summary)));
                summary.span = static_cast<int>(widths.size());
                continue;
            }
            row.reserve(widths.size());
            row.push_back(Cell(Text(line.button->label)));
            row.push_back(Cell(Text(line.button->name)));
            for (const int zone : zones)
                row.push_back(Cell(line.button->Pages(zone) ? QStringLiteral("On") : QString(),
                                   false, true));
        }
        m_blocks.emplace_back(std::in_place_type<CPageTable>, m_fonts, m_device, std::move(widths),
                              std::vector<PageRow>{head}, std::move(rows));
    }
}

void CReportLayout::PaintHeader(QPainter& painter, int page) const {
    const QString number = Done() ? QStringLiteral("Page %1 of %2").arg(page + 1).arg(Pages())
                                  : QStringLiteral("Page %1").arg(page + 1);
    PaintPageHeader(painter, m_device, Text(m_report.Title()), number, m_fonts.body,
                    m_paper.width(), m_headerHeight);
}

void CReportLayout::PaintPage(int page, QPainter& painter) const {
    PaintHeader(painter, page);
    m_flow.PaintPage(page, painter);
}
