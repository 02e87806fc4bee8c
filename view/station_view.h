#pragma once
// CStationView: the view of a configuration document. On the left the list of all stations; on
// the right the grid of the current station, one row per button and one column per zone, where
// "On" marks a zone the button pages; above the grid the name of the active cell's zone and the
// LCD text of its button. Choosing cells switches zones, typing in the edit boxes renames zones
// and buttons, each at once and as an undoable step of the document. The view acts only on the
// station its own list selects and its grid shows, and follows every change the document
// announces, whichever view made it: several views of one document stay in step, and a view
// whose station was deleted shows its neighbour. It holds the shown station by index only.
//
// The grid component loader and the settings belong to the application and must outlive the
// view; so must the station editing commands, which may be absent (those commands are then
// disabled). The view owns its child windows.

// own
#include "model/config_change.h"
#include "model/kv_doc.h"
#include "platform/program_settings.h"
#include "framework/qt/qt_view.h"
#include "view/limit_edit.h"
#include "view/station_grid.h"

// Qt
#include <QListWidget>

// std
#include <cstdint>
#include <vector>

class CGridHover;
class CStationEditing;
class CStationPane;
class CStationSplitter;

class CStationView : public CQtView {
public:
    static constexpr int IDC_STATION_LIST = 101;
    static constexpr int IDC_ZONE_NAME = 102;
    static constexpr int IDC_LCD_TEXT = 103;

    CStationView(CGraphicsDll& dll, const CProgramSettings& settings, CStationEditing* editing,
                 QWidget* parent = nullptr);
    ~CStationView() override;

    // Null once the document has gone (the window is closing).
    CKVDoc* GetDocument() const;

    void OnInitialUpdate() override;
    CommandHandlers FindCommand(CommandId id) override;

    // Follows a change of the document: the list, the shown station's grid, the edit boxes.
    void OnDocumentChanged(const CDocChange& change) override;

    // Refills the list from the document and selects the station the view shows, or
    // m_nCurStation when none is shown yet.
    void FillStationList();
    // Shows station `station` (an index in m_pStations) in the edit boxes and the grid and
    // selects it in the list; an index with no station changes nothing.
    void ShowStation(int station);
    // Selects station `station`, shows it and puts the grid's active cell on (row, col), as
    // ShowStation does with (1, 1); the grid gets the focus.
    void ShowCell(int station, int row, int col);
    // Places the child windows for a client area of cx by cy pixels.
    void LayoutControls(int cx, int cy);

    // The index of the station the list selects, made the document's m_nCurStation; -1 (and
    // m_nCurStation untouched) when the list selects nothing that exists.
    int SelectedStation();
    // As SelectedStation, and only when the grid shows that very station: the station that grid
    // gestures and the edit boxes act on. -1 when the view shows nothing.
    int ShownStation();

    // The station editing commands, through the application's implementation.
    void OnInsertStation();
    void OnAddStation();
    void OnDeleteStation();
    void OnEditStation();
    void OnUpdateStationCommand(CCmdUI& ui);

    // F6 and Shift+F6: the focus round the station list, the zone name box, the LCD text box
    // (where the station has one) and the grid.
    void OnNextPane();
    void OnPrevPane();
    // The document's history, from this window; the view then shows the station the step
    // changed.
    void OnEditUndo();
    void OnEditRedo();
    void OnUpdateEditUndo(CCmdUI& ui);
    void OnUpdateEditRedo(CCmdUI& ui);
    // Stations with the list or the grid focused, text in the edit boxes (CopyStation, ...).
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    void OnUpdateEditPaste(CCmdUI& ui);

    // The zone name and LCD text of the grid's active cell into the edit boxes.
    void ShowActiveCellTexts();

    QListWidget m_StationList;
    // 1 only while the view itself writes the matching edit box.
    int32_t m_bSettingZoneName = 0;
    int32_t m_bSettingLcdText = 0;
    CLimitEdit m_ZoneNameEdit;
    CLimitEdit m_LcdTextEdit;
    CStationGrid m_Grid;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    QSize sizeHint() const override;

private:
    void CreateChildren();
    void MovePaneFocus(bool forward);
    void OnStationSelected(int row);
    void OnZoneNameChange();
    void OnLcdTextChange();
    // The edit box's text shown as `text`, with its guard flag set meanwhile; a box that already
    // shows it is left alone, so that typing into it is not disturbed.
    void SetEditText(CLimitEdit& edit, int32_t& guard, const std::string& text);
    // Repaints the cells of the switched zones that this view shows.
    void PaintSwitches(const CKVDoc& doc, const std::vector<CZoneSwitch>& switches);
    void FollowRemoval(const CKVDoc& doc, int removed);
    void StepHistory(const CDocEdit* (CEditHistory::*step)());
    // Ends the present edit of the boxes: the next key typed starts a new undo step.
    void NewEditSession();
    // Fills the grid with the station's rows, columns and "On" cells.
    void BuildGrid(const CKVDoc& doc, const CStation& station);
    void PaintZones(const CKVDoc& doc, const CBtn& button, int row);
    // The list's selected row when it names a station of the document, else -1.
    int ListStation() const;

    const CProgramSettings& m_settings;
    CStationEditing* m_pEditing;
    // The list and the pane right of it, in the splitter; both owned by the view as Qt children.
    CStationPane* m_pPane = nullptr;
    CStationSplitter* m_pSplitter = nullptr;
    CGridHover* m_pHover = nullptr;
    int m_nListWidth;
    // The index of the station the grid shows, kept in step with the document's announcements;
    // -1 before the first.
    int m_nShownStation = -1;
    // Keys typed in one edit of a box (from the box's text being shown until the focus leaves it)
    // are one undo step; sessions are unique over all views.
    unsigned m_nEditSession = 0;
};
