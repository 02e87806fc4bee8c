#pragma once
// The station editing commands a station view starts: Insert and Add Station (Edit menu, the
// Insert key in the grid), Delete Station (Edit menu, the Delete key in the grid) and Edit Station
// (double-click in the station list). The application gives the views one implementation, which
// acts on the view it is given and on that view's document (CStationView::GetDocument), and
// refreshes the view through FillStationList, ShowStation and the grid's focus.

class CStationView;

class CStationEditing {
public:
    virtual ~CStationEditing() = default;

    virtual void OnInsertStation(CStationView& view) = 0;
    virtual void OnAddStation(CStationView& view) = 0;
    virtual void OnDeleteStation(CStationView& view) = 0;
    virtual void OnEditStation(CStationView& view) = 0;
};
