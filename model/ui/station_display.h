#pragma once
// What commands outside a station view need of it: showing a station again after the document
// changed under it. The station view implements it beside CView; the commands find it as the
// document's first view.

class CStationDisplay {
public:
    virtual ~CStationDisplay() = default;
    // Rebuilds the view's edits and grid for station `index` of the document.
    virtual void ShowStation(int index) = 0;
};
