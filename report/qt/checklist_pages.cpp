// own
#include "report/qt/checklist_pages.h"
#include "report/qt/page_flow.h"
#include "report/qt/page_style.h"
#include "report/qt/report_pages.h"

// Qt
#include <QPagedPaintDevice>
#include <QPainter>

// std
#include <deque>
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

// The checklist as headings and tables measured for one device and page width.
class CChecklistBlocks {
public:
    CChecklistBlocks(const Checklist& list, const PageFonts& fonts, QPaintDevice& device,
                     qreal width)
        : m_fonts(fonts), m_device(device), m_width(width), m_point(device.logicalDpiY() / 72.0) {
        AddHeading(Text(list.Title()), true);
        AddHeading(Text(list.date), false);
        for (const ChecklistStation& station : list.stations) {
            AddHeading(Text(station.portAddress + "  " + station.name + "  (" + station.type + ")"),
                       false);
            Buttons(station.buttons);
        }
        if (!list.softButtons.empty()) {
            AddHeading(QStringLiteral("Soft Buttons"), false);
            Buttons(list.softButtons);
        }
        AddHeading(QStringLiteral("Zones"), false);
        std::vector<PageRow> rows;
        for (const ChecklistZone& zone : list.zones)
            rows.push_back({Cell(Text(zone.zone)), Cell(Joined(zone.buttons))});
        m_blocks.emplace_back(std::in_place_type<CPageTable>, m_fonts, m_device,
                              std::vector<qreal>{0.3 * m_width, 0.7 * m_width},
                              std::vector<PageRow>{{Cell(QStringLiteral("Zone"), true),
                                                    Cell(QStringLiteral("Paged by"), true)}},
                              std::move(rows));
    }
    // The flow points into the blocks.
    CChecklistBlocks(const CChecklistBlocks&) = delete;
    CChecklistBlocks& operator=(const CChecklistBlocks&) = delete;

    void Flow(CPageFlow& flow) const {
        for (std::size_t i = 0; i < m_blocks.size(); ++i) {
            if (const auto* table = std::get_if<CPageTable>(&m_blocks[i])) {
                flow.Table(*table, kTableBelow * m_point);
                continue;
            }
            const auto* next =
                i + 1 < m_blocks.size() ? std::get_if<CPageTable>(&m_blocks[i + 1]) : nullptr;
            flow.Heading(std::get<PageHeading>(m_blocks[i]), next != nullptr ? next->LeadHeight() : 0);
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

    void AddHeading(const QString& text, bool title) {
        m_blocks.emplace_back(PageHeading{text, TitleFont(m_fonts.body, title ? 16 : 12, m_device),
                                          title ? 0 : 14 * m_point, (title ? 6 : 4) * m_point,
                                          !title});
    }

    const PageFonts& m_fonts;
    QPaintDevice& m_device;
    const qreal m_width;
    const qreal m_point;
    // A deque, so that the flow's pieces keep pointing at their blocks as more are added.
    std::deque<std::variant<PageHeading, CPageTable>> m_blocks;
};
} // namespace

int PaintChecklist(const Checklist& list, QPagedPaintDevice& device) {
    const QRectF paper = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const PageFonts fonts = ReportFonts(device);
    const qreal headerHeight = PageHeaderHeight(fonts, device);
    const CChecklistBlocks blocks(list, fonts, device, paper.width());
    CPageFlow flow(device, QRectF(0, headerHeight, paper.width(), paper.height() - headerHeight));
    blocks.Flow(flow);

    QPainter painter(&device);
    for (int page = 0; page < flow.Pages(); ++page) {
        if (page > 0) device.newPage();
        PaintPageHeader(painter, device, Text(list.Title()),
                        QStringLiteral("Page %1 of %2").arg(page + 1).arg(flow.Pages()), fonts.body,
                        paper.width(), headerHeight);
        flow.PaintPage(page, painter);
    }
    return flow.Pages();
}

QByteArray ChecklistPdf(const Checklist& list, const QPageLayout& layout) {
    return PagesPdf(Text(list.Title()), layout,
                    [&list](QPagedPaintDevice& device) { PaintChecklist(list, device); });
}
