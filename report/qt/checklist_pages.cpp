// own
#include "report/qt/checklist_pages.h"
#include "report/qt/page_flow.h"
#include "report/qt/report_pages.h"

// Qt
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

// std
#include <variant>

namespace {
// The box the walker ticks.
constexpr char16_t kTickBox = u'\u2610';
constexpr qreal kTableBelow = 6;

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QString Joined(const std::vector<std::string>& parts) {
    QStringList list;
    for (const std::string& part : parts)
        list << Text(part);
    return list.join(QStringLiteral("; "));
}

PageCell Cell(const QString& text, bool head = false, bool centred = false) {
    PageCell cell;
    cell.text = text;
    cell.head = head;
    cell.centred = centred;
    return cell;
}

struct Heading {
    QString text;
    bool title = false;
};

// The checklist as headings and tables measured for one device and page width.
class CChecklistBlocks {
public:
    CChecklistBlocks(const Checklist& list, const PageFonts& fonts, QPaintDevice& device,
                     qreal width)
        : m_fonts(fonts), m_device(device), m_width(width), m_h1(TitleFont(fonts.body, 16)),
          m_h2(TitleFont(fonts.body, 12)), m_point(device.logicalDpiY() / 72.0) {
        m_blocks.emplace_back(Heading{Text(list.Title()), true});
        m_blocks.emplace_back(Heading{Text(list.date)});
        for (const ChecklistStation& station : list.stations) {
            m_blocks.emplace_back(Heading{
                Text(station.portAddress + "  " + station.name + "  (" + station.type + ")")});
            Buttons(station.buttons);
        }
        if (!list.softButtons.empty()) {
            m_blocks.emplace_back(Heading{QStringLiteral("Soft Buttons")});
            Buttons(list.softButtons);
        }
        m_blocks.emplace_back(Heading{QStringLiteral("Zones")});
        std::vector<PageRow> rows;
        for (const ChecklistZone& zone : list.zones)
            rows.push_back({Cell(Text(zone.zone)), Cell(Joined(zone.buttons))});
        m_blocks.emplace_back(std::in_place_type<CPageTable>, m_fonts, m_device,
                              std::vector<qreal>{0.3 * m_width, 0.7 * m_width},
                              std::vector<PageRow>{{Cell(QStringLiteral("Zone"), true),
                                                    Cell(QStringLiteral("Paged by"), true)}},
                              std::move(rows));
    }

    void Flow(CPageFlow& flow) const {
        for (std::size_t i = 0; i < m_blocks.size(); ++i) {
            if (const auto* table = std::get_if<CPageTable>(&m_blocks[i])) {
                flow.Table(*table, kTableBelow * m_point);
                continue;
            }
            const auto& heading = std::get<Heading>(m_blocks[i]);
            const auto* next =
                i + 1 < m_blocks.size() ? std::get_if<CPageTable>(&m_blocks[i + 1]) : nullptr;
            const qreal keep = next != nullptr ? next->LeadHeight() : 0;
            if (heading.title)
                flow.Heading(heading.text, m_h1, 0, 6 * m_point, keep);
            else
                flow.Heading(heading.text, m_h2, 14 * m_point, 4 * m_point, keep);
        }
    }

private:
    void Buttons(const std::vector<ChecklistButton>& buttons) {
        std::vector<PageRow> rows;
        for (const ChecklistButton& button : buttons)
            rows.push_back({Cell(Text(button.label)), Cell(Text(button.name)),
                            Cell(Joined(button.zones)),
                            Cell(QString(QChar(kTickBox)), false, true)});
        const PageRow head{Cell(QStringLiteral("Button"), true), Cell(QStringLiteral("Name"), true),
                           Cell(QStringLiteral("Must page"), true),
                           Cell(QStringLiteral("Checked"), true, true)};
        m_blocks.emplace_back(
            std::in_place_type<CPageTable>, m_fonts, m_device,
            std::vector<qreal>{0.1 * m_width, 0.24 * m_width, 0.54 * m_width, 0.12 * m_width},
            std::vector<PageRow>{head}, std::move(rows));
    }

    const PageFonts& m_fonts;
    QPaintDevice& m_device;
    const qreal m_width;
    const QFont m_h1;
    const QFont m_h2;
    const qreal m_point;
    std::vector<std::variant<Heading, CPageTable>> m_blocks;
};
} // namespace

int PaintChecklist(const Checklist& list, QPagedPaintDevice& device) {
    const QRectF paper = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const PageFonts fonts = ReportFonts(device);
    const qreal headerHeight = QFontMetricsF(fonts.body, &device).height() * 2;
    const QRectF body(0, headerHeight, paper.width(), paper.height() - headerHeight);
    const CChecklistBlocks blocks(list, fonts, device, body.width());

    CPageFlow count(device, body, nullptr, {});
    blocks.Flow(count);
    const int pages = count.Pages();

    QPainter painter(&device);
    CPageFlow flow(device, body, &painter, [&](int page) {
        if (page > 0) device.newPage();
        PaintPageHeader(painter, Text(list.Title()), fonts.body, paper.width(), headerHeight,
                        page + 1, pages);
    });
    blocks.Flow(flow);
    return pages;
}

QByteArray ChecklistPdf(const Checklist& list, const QPageLayout& layout) {
    return PagesPdf(Text(list.Title()), layout,
                    [&list](QPagedPaintDevice& device) { PaintChecklist(list, device); });
}
