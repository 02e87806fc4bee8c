// own
#include "tests/view/station_view_fixture.h"

// Qt
#include <QImage>
#include <QTest>

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

CKVDoc& StationViewTest::NewDocumentWith(int type) {
    CKVDoc& doc = harness.NewDocument();
    doc.m_pStations[0]->SetType(type);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    CStationViewHarness::ResizeView(view, {800, 500});
    view.ShowStation(0);
    return doc;
}

CStation& StationViewTest::AddStation(CKVDoc& doc, int type, const std::string& name) {
    auto station = std::make_unique<CStation>();
    station->SetType(type);
    station->SetName(name);
    doc.m_pStations.push_back(std::move(station));
    return *doc.m_pStations.back();
}

void StationViewTest::ClickCell(CStationView& view, int row, int col) {
    QTest::mouseClick(&view.m_Grid, Qt::LeftButton, {}, CStationViewHarness::CellCentre(row, col));
}

void StationViewTest::ClickColumnHeader(CStationView& view, int col) {
    QTest::mouseClick(&view.m_Grid, Qt::LeftButton, {},
                      CStationViewHarness::ColumnHeaderCentre(col));
}

void StationViewTest::SelectStation(CStationView& view, int index) {
    QListWidgetItem* item = view.m_StationList.item(index);
    ASSERT_NE(item, nullptr);
    const QRect rect = view.m_StationList.visualItemRect(item);
    QTest::mouseClick(view.m_StationList.viewport(), Qt::LeftButton, {}, rect.center());
}

bool StationViewTest::CellIsOn(CStationView& view, int row, int col) {
    const QImage image = view.m_Grid.grab().toImage();
    // Inside the cell, clear of the active cell's frame and of the text.
    const QPoint corner = CStationViewHarness::CellCentre(row, col) - QPoint(8, 6);
    return image.pixelColor(corner) == QColor(255, 0, 0);
}

std::vector<int> StationViewTest::Zones(const CBtn& button) {
    std::vector<int> zones;
    for (const CZone& zone : button.m_pZones)
        zones.push_back(zone.m_nZone);
    return zones;
}

QRect StationViewTest::InView(const CStationView& view, const QWidget& child) {
    return {child.mapTo(&view, QPoint(0, 0)), child.size()};
}

std::vector<std::string> StationViewTest::ListOf(const CStationView& view) {
    std::vector<std::string> names;
    for (int i = 0; i < view.m_StationList.count(); ++i)
        names.push_back(view.m_StationList.item(i)->text().toStdString());
    return names;
}
