// own
#include "view/station_view.h"
#include "framework/qt/cp1252.h"
#include "model/limits.h"
#include "view/grid_accessible.h"
#include "view/grid_hover.h"
#include "view/pane_focus.h"
#include "view/station_cells.h"
#include "view/station_clipboard.h"
#include "view/station_editing.h"
#include "view/station_list_width.h"
#include "view/station_pane.h"
#include "view/station_splitter.h"
#include "view/zone_stations.h"

// Qt
#include <QApplication>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QSignalBlocker>

// std
#include <algorithm>

namespace {
// The grid: 99 zone columns 750 wide and a row header as wide as "XXXXXX" plus 2, both in
// 1/256 of a character.
constexpr int32_t kZoneColumns = kMaxZones;
constexpr int32_t kColumnWidth = 750;
constexpr int32_t kHeaderWidth = (6 + 2) * 256;

// The layout of the 10-button paging station, the only one whose LCD text box is labelled.
constexpr int32_t kLabelledLcdLayout = 1;

const CommandEntry<CStationView> kViewCommands[] = {
    {ID_EDIT_ADD_STATION, &CStationView::OnAddStation, &CStationView::OnUpdateStationCommand},
    {ID_EDIT_INSERT_STATION, &CStationView::OnInsertStation, &CStationView::OnUpdateStationCommand},
    {ID_EDIT_DELETE_STATION, &CStationView::OnDeleteStation, &CStationView::OnUpdateStationCommand},
    {ID_EDIT_STATION_PROPERTIES, &CStationView::OnEditStation,
     &CStationView::OnUpdateStationCommand},
    {ID_NEXT_PANE, &CStationView::OnNextPane},
    {ID_PREV_PANE, &CStationView::OnPrevPane},
    {ID_EDIT_UNDO, &CStationView::OnEditUndo, &CStationView::OnUpdateEditUndo},
    {ID_EDIT_REDO, &CStationView::OnEditRedo, &CStationView::OnUpdateEditRedo},
    {ID_EDIT_COPY, &CStationView::OnEditCopy},
    {ID_EDIT_CUT, &CStationView::OnEditCut},
    {ID_EDIT_PASTE, &CStationView::OnEditPaste, &CStationView::OnUpdateEditPaste},
};
} // namespace

CStationView::CStationView(CGraphicsDll& dll, const CProgramSettings& settings,
                           CStationEditing* editing, QWidget* parent)
    : CQtView(parent), m_StationList(this), m_ZoneNameEdit(this), m_LcdTextEdit(this),
      m_Grid(dll, *this), m_settings(settings), m_pEditing(editing),
      m_nListWidth(ReadStationListWidth()) {
    m_ZoneNameEdit.m_nLimit = static_cast<int32_t>(kMaxZoneName);
    m_LcdTextEdit.m_nLimit = static_cast<int32_t>(kMaxButtonName);
    // Clicking the view's background sends the focus on to the grid.
    setFocusPolicy(Qt::ClickFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    CreateChildren();
}

CStationView::~CStationView() {
    // The splitter and the pane place the list, the boxes and the grid whenever a child leaves
    // them; those are members, gone before the splitter is, so they leave while all is whole.
    QWidget* const members[] = {&m_StationList, &m_ZoneNameEdit, &m_LcdTextEdit, &m_Grid};
    for (QWidget* member : members)
        member->setParent(this);
}

void CStationView::CreateChildren() {
    // Controls are named by kind and id, as in the dialogs: list101, edit102, edit103.
    m_StationList.setObjectName(QStringLiteral("list%1").arg(IDC_STATION_LIST));
    m_StationList.setFrameShape(QFrame::NoFrame);
    m_StationList.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_StationList.setSelectionMode(QAbstractItemView::SingleSelection);
    m_StationList.setMinimumWidth(kMinStationListWidth);
    m_StationList.setAccessibleName(QStringLiteral("Stations"));
    connect(&m_StationList, &QListWidget::currentRowChanged, this,
            [this](int row) { OnStationSelected(row); });
    connect(&m_StationList, &QListWidget::itemDoubleClicked, this, [this] { OnEditStation(); });
    // Enter opens the properties as a double-click does, for the keyboard.
    m_StationList.installEventFilter(this);

    m_ZoneNameEdit.setObjectName(QStringLiteral("edit%1").arg(IDC_ZONE_NAME));
    m_LcdTextEdit.setObjectName(QStringLiteral("edit%1").arg(IDC_LCD_TEXT));
    for (CLimitEdit* edit : {&m_ZoneNameEdit, &m_LcdTextEdit})
        edit->setGeometry(0, 0, 0, 0);
    m_ZoneNameEdit.installEventFilter(this);
    m_LcdTextEdit.installEventFilter(this);
    connect(&m_ZoneNameEdit, &QLineEdit::textChanged, this, [this] { OnZoneNameChange(); });
    connect(&m_LcdTextEdit, &QLineEdit::textChanged, this, [this] { OnLcdTextChange(); });

    // The view goes on without a grid when its instance cannot be made.
    m_Grid.Create(rect());

    m_pPane = new CStationPane(m_ZoneNameEdit, m_LcdTextEdit, m_Grid, this);
    m_pSplitter = new CStationSplitter(m_StationList, *m_pPane, this);
    connect(m_pSplitter, &QSplitter::splitterMoved, this, [this](int pos) { m_nListWidth = pos; });
    m_pSplitter->onListWidthChosen = [](int width) { StoreStationListWidth(width); };

    m_pHover = new CGridHover(*this);
    new CZoneStations(*this);
    InstallGridAccessibility();
}

CKVDoc* CStationView::GetDocument() const {
    return dynamic_cast<CKVDoc*>(CView::GetDocument());
}

void CStationView::OnInitialUpdate() {
    FillStationList();
    if (const CKVDoc* doc = GetDocument()) ShowStation(doc->m_nCurStation);
}

CommandHandlers CStationView::FindCommand(CommandId id) {
    return FindInTable(*this, kViewCommands, id);
}

void CStationView::FillStationList() {
    const QSignalBlocker blocker(m_StationList);
    m_StationList.clear();
    const CKVDoc* doc = GetDocument();
    if (doc == nullptr) return;
    // The station this view shows stays selected, whatever another view made current.
    const int count = static_cast<int>(doc->m_pStations.size());
    const int selected =
        m_nShownStation >= 0 && m_nShownStation < count ? m_nShownStation : doc->m_nCurStation;
    for (const auto& station : doc->m_pStations)
        m_StationList.addItem(FromCp1252(StationListEntry(*station, m_settings.m_bShowAddresses)));
    if (selected >= 0 && selected < m_StationList.count()) m_StationList.setCurrentRow(selected);
}

void CStationView::ShowStation(int station) {
    CKVDoc* doc = GetDocument();
    if (doc == nullptr || station < 0 || station >= static_cast<int>(doc->m_pStations.size()))
        return;
    CWaitCursor wait(doc->Ui());
    const CStation& shown = *doc->m_pStations[station];
    m_nShownStation = station;
    if (station < m_StationList.count()) {
        const QSignalBlocker blocker(m_StationList);
        m_StationList.setCurrentRow(station);
    }
    m_Grid.m_nLayout = std::max(0, CStation::TypeCode(shown.m_nType));
    LayoutControls(width(), height());
    SetEditText(m_ZoneNameEdit, m_bSettingZoneName, doc->m_strZoneNames[0]);
    SetEditText(m_LcdTextEdit, m_bSettingLcdText, shown.m_Buttons[0].GetName());
    BuildGrid(*doc, shown);
    if (m_Grid.m_hGrid != nullptr) {
        m_Grid.show();
        m_Grid.GetDll().SSSetActiveCell(m_Grid.m_hGrid, 1, 1);
    }
    m_pHover->Refresh();
}

void CStationView::ShowCell(int station, int row, int col) {
    CKVDoc* doc = GetDocument();
    if (doc == nullptr || station < 0 || station >= static_cast<int>(doc->m_pStations.size()))
        return;
    doc->m_nCurStation = station;
    ShowStation(station);
    if (m_Grid.m_hGrid == nullptr) return;
    m_Grid.GetDll().SSSetActiveCell(m_Grid.m_hGrid, row, col);
    m_Grid.setFocus(Qt::OtherFocusReason);
}

void CStationView::BuildGrid(const CKVDoc& doc, const CStation& station) {
    CGraphicsDll& dll = m_Grid.GetDll();
    if (m_Grid.m_hGrid == nullptr && dll.IsLoaded() && dll.SSNew(nullptr, &m_Grid.m_hGrid) == 0) {
        m_Grid.m_bCreated = 1;
    }
    const HSS h = m_Grid.m_hGrid;
    if (h == nullptr) return;
    // The edit boxes show the first cell once the grid is built, not each cell painted.
    m_Grid.m_bFollowActiveCell = false;
    dll.SSInitTable(h);
    const int type = station.m_nType;
    dll.SSSetMaxRow(h, GridRowCount(type));
    dll.SSSetAllowEditHeaders(h, 0);
    dll.SSSetAllowArrows(h, 1);
    dll.SSSetAllowTabs(h, 1);
    dll.SSSetAllowFormulas(h, 0);
    dll.SSSetShowFormulas(h, 0);
    dll.SSSetAllowMoveRange(h, 0);
    dll.SSSetFireEvent(h, 0x407, 1);
    dll.SSSetFireEvent(h, 0x403, 1);
    dll.SSSetAllowInCellEditing(h, 0);
    dll.SSSetAllowDelete(h, 0);
    dll.SSSetAllowResize(h, 0);
    dll.SSSetMaxCol(h, doc.m_nMaxZones);
    dll.SSSetDefaultFont(h, "Arial", 8);
    dll.SSSetSelection(h, 1, 1, type, kZoneColumns);
    dll.SSSetAlignment(h, 3, 0, 2, 0);
    dll.SSSetHdrSelection(h, 1, 1, 1);
    dll.SSSetAlignment(h, 3, 0, 2, 0);
    dll.SSSetHdrSelection(h, 0, 0, 0);
    dll.SSSetHdrWidth(h, kHeaderWidth);
    for (int col = 1; col <= kZoneColumns; ++col) {
        dll.SSSetColText(h, col, ColumnLabel(col).c_str());
        dll.SSSetColWidth(h, col, col, kColumnWidth, 0);
    }
    for (int row = 1; row <= GridRowCount(type); ++row)
        dll.SSSetRowText(h, row, RowLabel(type, row).c_str());
    for (int j = 0; j < type; ++j)
        PaintZones(doc, station.m_Buttons[j], j + 1);
    if (ShowsSoftButtons(type)) {
        for (int k = 0; k < kSoftButtonCount; ++k)
            PaintZones(doc, doc.m_SoftButtons[k], type + k + 1);
        // The block of the last hard row and the first soft row, for the line between them.
        dll.SSSetSelection(h, type, 1, type + 1, kZoneColumns);
    }
    dll.SSSetBorder(h, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0);
    m_Grid.m_bFollowActiveCell = true;
}

void CStationView::PaintZones(const CKVDoc& doc, const CBtn& button, int row) {
    CGraphicsDll& dll = m_Grid.GetDll();
    for (const CZone& zone : button.m_pZones) {
        // A zone past the zones in use has no column; its cell would land on another.
        if (!ZoneColumnExists(doc, zone.m_nZone + 1)) continue;
        dll.SSSetActiveCell(m_Grid.m_hGrid, row, zone.m_nZone + 1);
        m_Grid.PaintActiveCell(true);
    }
}

void CStationView::LayoutControls(int cx, int cy) {
    m_pSplitter->Place(QRect(0, 0, cx, cy), m_nListWidth);
    m_pPane->SetLcdText(m_Grid.m_nLayout != 0, m_Grid.m_nLayout == kLabelledLcdLayout);
}

int CStationView::ListStation() const {
    const CKVDoc* doc = GetDocument();
    const int row = m_StationList.currentRow();
    if (doc == nullptr || row < 0 || row >= static_cast<int>(doc->m_pStations.size())) return -1;
    return m_StationList.item(row)->isSelected() ? row : -1;
}

int CStationView::SelectedStation() {
    const int station = ListStation();
    if (station >= 0) GetDocument()->m_nCurStation = station;
    return station;
}

int CStationView::ShownStation() {
    const int station = ListStation();
    if (station < 0 || station != m_nShownStation) return -1;
    GetDocument()->m_nCurStation = station;
    return station;
}

void CStationView::OnStationSelected(int row) {
    CKVDoc* doc = GetDocument();
    // Losing the selection selects nothing.
    if (doc == nullptr || row < 0 || row >= static_cast<int>(doc->m_pStations.size())) return;
    doc->m_nCurStation = row;
    ShowStation(row);
    m_Grid.setFocus(Qt::OtherFocusReason);
}

void CStationView::ShowActiveCellTexts() {
    CKVDoc* doc = GetDocument();
    if (doc == nullptr || m_Grid.m_hGrid == nullptr) return;
    int32_t row = 0, col = 0;
    m_Grid.GetDll().SSGetActiveCell(m_Grid.m_hGrid, &row, &col);
    if (row == 0 || col == 0) return;
    if (ZoneColumnExists(*doc, col))
        SetEditText(m_ZoneNameEdit, m_bSettingZoneName, doc->m_strZoneNames[col - 1]);
    if (const CBtn* button = ButtonOfRow(*doc, ShownStation(), row))
        SetEditText(m_LcdTextEdit, m_bSettingLcdText, button->GetName());
}

void CStationView::OnZoneNameChange() {
    CKVDoc* doc = GetDocument();
    if (m_bSettingZoneName || doc == nullptr || m_Grid.m_hGrid == nullptr) return;
    int32_t row = 0, col = 0;
    m_Grid.GetDll().SSGetActiveCell(m_Grid.m_hGrid, &row, &col);
    if (const auto name = ToCp1252(m_ZoneNameEdit.text()))
        SetZoneName(*doc, col, *name, m_nEditSession);
}

void CStationView::OnLcdTextChange() {
    CKVDoc* doc = GetDocument();
    if (m_bSettingLcdText || doc == nullptr || m_Grid.m_hGrid == nullptr) return;
    const int station = ShownStation();
    int32_t row = 0, col = 0;
    m_Grid.GetDll().SSGetActiveCell(m_Grid.m_hGrid, &row, &col);
    if (const auto name = ToCp1252(m_LcdTextEdit.text()))
        SetButtonName(*doc, station, row, *name, m_nEditSession);
}

void CStationView::SetEditText(CLimitEdit& edit, int32_t& guard, const std::string& text) {
    if (ToCp1252(edit.text()) == text) return;
    NewEditSession();
    guard = 1;
    edit.setText(FromCp1252(text));
    guard = 0;
}

void CStationView::OnEditCopy() {
    CopyStation(*this);
}

void CStationView::OnEditCut() {
    CutStation(*this);
}

void CStationView::OnEditPaste() {
    PasteStation(*this);
}

void CStationView::OnUpdateEditPaste(CCmdUI& ui) {
    ui.Enable(CanPaste(*this));
}

void CStationView::OnInsertStation() {
    if (m_pEditing != nullptr) m_pEditing->OnInsertStation(*this);
}

void CStationView::OnAddStation() {
    if (m_pEditing != nullptr) m_pEditing->OnAddStation(*this);
}

void CStationView::OnDeleteStation() {
    if (m_pEditing != nullptr) m_pEditing->OnDeleteStation(*this);
}

void CStationView::OnEditStation() {
    if (m_pEditing != nullptr) m_pEditing->OnEditStation(*this);
}

void CStationView::OnUpdateStationCommand(CCmdUI& ui) {
    ui.Enable(m_pEditing != nullptr && GetDocument() != nullptr);
}

void CStationView::OnNextPane() {
    MovePaneFocus(true);
}

void CStationView::OnPrevPane() {
    MovePaneFocus(false);
}

void CStationView::MovePaneFocus(bool forward) {
    QWidget* const ring[] = {&m_StationList, &m_ZoneNameEdit, &m_LcdTextEdit, &m_Grid};
    if (QWidget* pane = NextPane(ring, QApplication::focusWidget(), forward))
        pane->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

bool CStationView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_StationList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OnEditStation();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut &&
        (watched == &m_ZoneNameEdit || watched == &m_LcdTextEdit))
        NewEditSession();
    return CQtView::eventFilter(watched, event);
}

void CStationView::resizeEvent(QResizeEvent* event) {
    CQtView::resizeEvent(event);
    LayoutControls(event->size().width(), event->size().height());
}

void CStationView::focusInEvent(QFocusEvent* event) {
    CQtView::focusInEvent(event);
    m_Grid.setFocus(Qt::OtherFocusReason);
}

QSize CStationView::sizeHint() const {
    return {720, 480};
}
