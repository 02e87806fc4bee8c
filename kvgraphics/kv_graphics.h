#pragma once
/* KV_Graphics.so: the grid component of the station view, a small spreadsheet with a C interface.
 *
 * The component has no window of its own. It paints into, and takes input from, a host window that
 * forwards window messages to it through SSCallWindowProc, and it reports events and asks its host
 * for repaints through the procedure given to SSSetDefWindowProc. Messages it does not handle go to
 * that procedure too, and its result is returned.
 *
 * Values are 32-bit integers; handles, windows, wParam and lParam are pointer-sized. Rows and
 * columns count from 1, the row first. Every entry point returns 0 on success and a non-zero value
 * when it refuses its arguments (null handle or output, a value outside the stated range); a
 * refused call changes nothing. Cells outside the table's rows and columns are ignored by every
 * call. A handle comes from SSNew and is valid until SSDelete; the component keeps no state beyond
 * its instances and never prints anything.
 *
 * Texts are single-byte Windows-1252, zero-terminated; the component copies them.
 *
 * Units: column and row-header widths are in 1/256 of a character of the default font. A character
 * is three quarters of the font's pixel height wide (rounded down), the pixel height being the
 * point size at 96 dots per inch, rounded; so "Arial" 8 is 11 pixels high, its characters are 8
 * pixels wide, a width of 2048 (eight characters) is 64 pixels and 750 is 23. Every row, and the
 * column header, is the pixel height plus 8 pixels tall.
 *
 * Scrolling: the component draws its own scroll bars inside the host window, at the right and
 * bottom edges, whenever the table does not fit. It scrolls whole rows and columns, by the wheel,
 * the scroll bars and the keys that move the active cell.
 */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(KV_GRAPHICS_BUILD)
#define KV_GRAPHICS_API __attribute__((visibility("default")))
#else
#define KV_GRAPHICS_API
#endif

typedef struct SSGrid* HSS; /* one grid instance */
typedef void* KVHWND;       /* the host window's own value, handed back in every callback */
typedef uintptr_t KVWPARAM;
typedef intptr_t KVLPARAM;
typedef intptr_t KVLRESULT;
typedef KVLRESULT (*KVWNDPROC)(KVHWND hWnd, uint32_t msg, KVWPARAM wParam, KVLPARAM lParam);

/* A rectangle in pixels of the host window, right and bottom exclusive. */
typedef struct KVRect {
    int32_t left, top, right, bottom;
} KVRect;

/* ---- Messages the host forwards (the usual window-message numbers) ---- */
/* wParam 0, lParam = width in the low 16 bits and height in the high 16 bits. */
#define KV_WM_SIZE 0x0005u
/* wParam 0, lParam 0. */
#define KV_WM_SETFOCUS 0x0007u
#define KV_WM_KILLFOCUS 0x0008u
/* wParam = const KVRect* of the area to paint, or 0 for all; lParam = QPainter* on the window. */
#define KV_WM_PAINT 0x000Fu
/* wParam = virtual-key code (KV_VK_*), lParam = KV_MK_SHIFT | KV_MK_CONTROL as held. */
#define KV_WM_KEYDOWN 0x0100u
#define KV_WM_KEYUP 0x0101u
/* Commands sent to the host window; the component ignores them. */
#define KV_WM_COMMAND 0x0111u
/* wParam = KV_MK_* flags, lParam = x in the low 16 bits and y in the high 16 bits, both signed. */
#define KV_WM_MOUSEMOVE 0x0200u
#define KV_WM_LBUTTONDOWN 0x0201u
#define KV_WM_LBUTTONUP 0x0202u
#define KV_WM_LBUTTONDBLCLK 0x0203u
#define KV_WM_RBUTTONDOWN 0x0204u
#define KV_WM_RBUTTONUP 0x0205u
/* wParam = KV_MK_* flags in the low 16 bits and the signed delta (120 a notch, positive away
 * from the user or to the right) in the high 16 bits; lParam = position as for the mouse. */
#define KV_WM_MOUSEWHEEL 0x020Au
#define KV_WM_MOUSEHWHEEL 0x020Eu

#define KV_MK_LBUTTON 0x0001
#define KV_MK_RBUTTON 0x0002
#define KV_MK_SHIFT 0x0004
#define KV_MK_CONTROL 0x0008

/* Virtual-key codes a host forwards; the component acts on Tab, Space and the moving keys. */
#define KV_VK_BACK 0x08
#define KV_VK_TAB 0x09
#define KV_VK_RETURN 0x0D
#define KV_VK_ESCAPE 0x1B
#define KV_VK_SPACE 0x20
#define KV_VK_PRIOR 0x21
#define KV_VK_NEXT 0x22
#define KV_VK_END 0x23
#define KV_VK_HOME 0x24
#define KV_VK_LEFT 0x25
#define KV_VK_UP 0x26
#define KV_VK_RIGHT 0x27
#define KV_VK_DOWN 0x28
#define KV_VK_INSERT 0x2D
#define KV_VK_DELETE 0x2E

/* ---- Questions a host may ask (answered by the component, never passed on to the host) ---- */
/* What lies under a point: wParam = int32_t[2] receiving {row, column}, a header's own axis 0;
 * lParam = the point as for the mouse. Result one of KV_HIT_*; {0, 0} for KV_HIT_NOWHERE (beyond
 * the table, or on a scroll bar) and KV_HIT_CORNER. */
#define KV_GM_HITTEST 0x03B0u
#define KV_HIT_NOWHERE 0
#define KV_HIT_CELL 1
#define KV_HIT_COLHEADER 2
#define KV_HIT_ROWHEADER 3
#define KV_HIT_CORNER 4
/* Where a cell or header shows: wParam = const int32_t[2] {row, column}, row 0 for a column
 * header and column 0 for a row header; lParam = KVRect* receiving its rectangle, unclipped.
 * Result 1 when any of it shows, else 0 (and the rectangle is left alone). */
#define KV_GM_CELLRECT 0x03B1u

/* ---- Requests the component makes of its host through the SSSetDefWindowProc procedure ---- */
/* Repaint: wParam 0, lParam = const KVRect* of the area, or 0 for the whole window. */
#define KV_HM_INVALIDATE 0x03A0u

/* ---- Events, raised only when turned on with SSSetFireEvent ----
 * Each goes to the procedure as (host window, code, 0, lParam), lParam = const int32_t* record. */
#define KV_EVENT_FIRST 0x401
/* The active cell changed, by the user or by a call: record {row, column}, 0 where there is none.
 */
#define KV_EV_ACTIVE_CELL 0x401
/* A left-button press in the window: record {row, column} of the cell under it; 0 for a header. */
#define KV_EV_CLICKED 0x40b
/* The user chose a block to switch (a click, Space, a dragged block or a header on release):
 * record {first row, first column, last row, last column} as SSGetSelection reports it. */
#define KV_EV_CHOOSE 0x417
#define KV_EVENT_LAST 0x418

/* SSGetSelection's last row and last column for a whole column, row or table. */
#define KV_ALL_ROWS 16384
#define KV_ALL_COLS 256

/* ---- Entry points, in the loader's resolution order ----
 * SSCallWindowProc(h, msg, wParam, lParam)   the component's window procedure.
 * SSDelete(h, 0)                             frees the instance; refused inside one of its events.
 * SSGetActiveCell(h, &row, &col)             0, 0 where there is none.
 * SSGetMaxCol(h, &n), SSGetMaxRow(h, &n)      the table's size.
 * SSGetSelection(h, 0, &r1, &c1, &r2, &c2)    the block; index 0 is the only one.
 * SSInitTable(h)                             clears texts, patterns, captions, alignment and
 *     borders, puts the active cell and block on (1, 1) and scrolls home; keeps the size, widths,
 *     font, switches, events and procedure.
 * SSNew(window or 0, &h)                     a new instance with an empty table, events off.
 * SSSetActiveCell(h, row, col)               the target of the cell calls; does not scroll.
 * SSSetSelection(h, r1, c1, r2, c2)           the target of the block calls; stored as given (first
 *     and last put in order), acted on where it lies inside the table, not highlighted.
 * SSSetAlignment(h, horizontal, 0, vertical, 0) on the block: horizontal 0 = left, 1 = left,
 *     2 = right, 3 = centre; vertical 0 = centre, 1 = top, 2 = centre, 3 = bottom. The second and
 *     fourth codes are ignored.
 * SSSetAllowArrows(h, 0|1)                   arrows, Page Up/Down, Home and End move the active
 *     cell; Ctrl+Home and Ctrl+End to the first and the last cell of the table.
 * SSSetAllowTabs(h, 0|1)                     Tab and Shift+Tab move it along the rows.
 * SSSetAllowDelete, SSSetAllowEditHeaders, SSSetAllowFormulas, SSSetAllowInCellEditing,
 * SSSetAllowMoveRange, SSSetAllowResize, SSSetShowFormulas (h, 0|1): accepted; the component has
 *     no cell editing, formulas, moving or resizing to switch.
 * SSSetBorder(h, left, top, right, bottom, insideH, insideV, colour, 0, 0, 0, 0) on the block:
 *     line codes 0 = none, 1 = dotted, 2 = solid, 3 = thick; insideH between the block's rows,
 *     insideV between its columns; colour 0x00BBGGRR; the last four codes are ignored.
 * SSSetColText(h, col, text), SSSetRowText(h, row, text)   header captions (default: the number).
 * SSSetColWidth(h, firstCol, lastCol, width, 0)  width 1..65535 in the unit above.
 * SSSetHdrWidth(h, width)                    row-header width, 1..65535 in the unit above.
 * SSSetDefaultFont(h, face, points)          points 1..72.
 * SSSetDefWindowProc(h, proc or 0)           receives events, requests and unhandled messages.
 * SSSetFireEvent(h, code, 0|1)               code KV_EVENT_FIRST..KV_EVENT_LAST.
 * SSSetHdrSelection(h, rowHdr, colHdr, corner)  0|1 each: SSSetAlignment also reaches the row
 *     headers of the block's rows, the column headers of its columns, the corner.
 * SSSetMaxCol(h, 0..256), SSSetMaxRow(h, 0..16384)   shrinking drops what lies outside.
 * SSSetPattern(h, style, fill, text colour)  on the active cell: style 0 = none (white, black
 *     text; the colours are ignored), 1 = solid fill; colours 0x00BBGGRR.
 * SSSetText(h, text)                         the active cell's text.
 */
typedef KVLRESULT SSCallWindowProcFn(HSS h, uint32_t msg, KVWPARAM wParam, KVLPARAM lParam);
typedef int32_t SSDeleteFn(HSS h, int32_t reserved);
typedef int32_t SSGetActiveCellFn(HSS h, int32_t* row, int32_t* col);
typedef int32_t SSGetCountFn(HSS h, int32_t* count);
typedef int32_t SSGetSelectionFn(HSS h, int32_t index, int32_t* row1, int32_t* col1, int32_t* row2,
                                 int32_t* col2);
typedef int32_t SSInitTableFn(HSS h);
typedef int32_t SSNewFn(KVHWND hWnd, HSS* h);
typedef int32_t SSSetActiveCellFn(HSS h, int32_t row, int32_t col);
typedef int32_t SSSetSelectionFn(HSS h, int32_t row1, int32_t col1, int32_t row2, int32_t col2);
typedef int32_t SSSetAlignmentFn(HSS h, int32_t horizontal, int32_t code2, int32_t vertical,
                                 int32_t code4);
typedef int32_t SSSetFlagFn(HSS h, int32_t on);
typedef int32_t SSSetBorderFn(HSS h, int32_t left, int32_t top, int32_t right, int32_t bottom,
                              int32_t insideH, int32_t insideV, int32_t colour, int32_t code8,
                              int32_t code9, int32_t code10, int32_t code11);
typedef int32_t SSSetCaptionFn(HSS h, int32_t index, const char* text);
typedef int32_t SSSetColWidthFn(HSS h, int32_t col1, int32_t col2, int32_t width, int32_t reserved);
typedef int32_t SSSetHdrWidthFn(HSS h, int32_t width);
typedef int32_t SSSetDefaultFontFn(HSS h, const char* face, int32_t points);
typedef int32_t SSSetDefWindowProcFn(HSS h, KVWNDPROC proc);
typedef int32_t SSSetFireEventFn(HSS h, int32_t code, int32_t on);
typedef int32_t SSSetHdrSelectionFn(HSS h, int32_t rowHdr, int32_t colHdr, int32_t corner);
typedef int32_t SSSetCountFn(HSS h, int32_t count);
typedef int32_t SSSetPatternFn(HSS h, int32_t style, int32_t fill, int32_t textColour);
typedef int32_t SSSetTextFn(HSS h, const char* text);

/* X(name, function type) for every entry point, in the loader's resolution order. */
#define KV_GRAPHICS_ENTRY_POINTS(X)                                                                \
    X(SSCallWindowProc, SSCallWindowProcFn)                                                        \
    X(SSDelete, SSDeleteFn)                                                                        \
    X(SSGetActiveCell, SSGetActiveCellFn)                                                          \
    X(SSGetMaxCol, SSGetCountFn)                                                                   \
    X(SSGetMaxRow, SSGetCountFn)                                                                   \
    X(SSGetSelection, SSGetSelectionFn)                                                            \
    X(SSInitTable, SSInitTableFn)                                                                  \
    X(SSNew, SSNewFn)                                                                              \
    X(SSSetActiveCell, SSSetActiveCellFn)                                                          \
    X(SSSetSelection, SSSetSelectionFn)                                                            \
    X(SSSetAlignment, SSSetAlignmentFn)                                                            \
    X(SSSetAllowArrows, SSSetFlagFn)                                                               \
    X(SSSetAllowDelete, SSSetFlagFn)                                                               \
    X(SSSetAllowEditHeaders, SSSetFlagFn)                                                          \
    X(SSSetAllowFormulas, SSSetFlagFn)                                                             \
    X(SSSetAllowInCellEditing, SSSetFlagFn)                                                        \
    X(SSSetAllowMoveRange, SSSetFlagFn)                                                            \
    X(SSSetAllowResize, SSSetFlagFn)                                                               \
    X(SSSetAllowTabs, SSSetFlagFn)                                                                 \
    X(SSSetShowFormulas, SSSetFlagFn)                                                              \
    X(SSSetBorder, SSSetBorderFn)                                                                  \
    X(SSSetColText, SSSetCaptionFn)                                                                \
    X(SSSetRowText, SSSetCaptionFn)                                                                \
    X(SSSetColWidth, SSSetColWidthFn)                                                              \
    X(SSSetHdrWidth, SSSetHdrWidthFn)                                                              \
    X(SSSetDefaultFont, SSSetDefaultFontFn)                                                        \
    X(SSSetDefWindowProc, SSSetDefWindowProcFn)                                                    \
    X(SSSetFireEvent, SSSetFireEventFn)                                                            \
    X(SSSetHdrSelection, SSSetHdrSelectionFn)                                                      \
    X(SSSetMaxCol, SSSetCountFn)                                                                   \
    X(SSSetMaxRow, SSSetCountFn)                                                                   \
    X(SSSetPattern, SSSetPatternFn)                                                                \
    X(SSSetText, SSSetTextFn)

#define KV_GRAPHICS_ENTRY_POINT_COUNT 33

#define KV_GRAPHICS_DECLARE(name, type) KV_GRAPHICS_API type name;
KV_GRAPHICS_ENTRY_POINTS(KV_GRAPHICS_DECLARE)
#undef KV_GRAPHICS_DECLARE

/* The function-pointer type of each entry point, for loaders: PFN_SSNew, PFN_SSSetText, ... */
#define KV_GRAPHICS_POINTER_TYPE(name, type) typedef type* PFN_##name;
KV_GRAPHICS_ENTRY_POINTS(KV_GRAPHICS_POINTER_TYPE)
#undef KV_GRAPHICS_POINTER_TYPE

#ifdef __cplusplus
}
#endif
