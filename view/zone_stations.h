#pragma once
// Where a zone is paged from: a right-click on a zone's column header, or the context-menu key
// with a cell of that column active, offers "Stations Paging This Zone...", a list of every
// button that pages the zone (station, button); a double-click on one shows its cell in the view.
// CZoneStations watches the view's grid and belongs to it; the view must outlive it.

// Qt
#include <QDialog>
#include <QObject>

class CStationView;
class QTreeWidget;

class CZoneStations : public QObject {
public:
    static constexpr const char* kMenuText = "Stations Paging This &Zone...";

    explicit CZoneStations(CStationView& view);

    // Opens the list of zone `col` (its grid column), over the view.
    void ShowList(int col);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CStationView& m_view;
};

// The list itself: one row per button, in station order, soft buttons last.
class CZoneStationsDlg : public QDialog {
public:
    CZoneStationsDlg(CStationView& view, int col);

    QTreeWidget& List() const { return *m_pList; }
    // Shows the cell of the list's row `row` in the view and closes the list.
    void GoTo(int row);

private:
    CStationView& m_view;
    int m_nCol;
    QTreeWidget* m_pList;
};
