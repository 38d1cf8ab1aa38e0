// The suggestion rows: ten tooltips in a column beside the main dialog, the
// found word and the nine dictionary words after it, shown while the user
// types. Each row's box stands above its anchor, its bottom edge on it, so
// a press belongs to a row only when it lands on that row's visible box.
//
// A press on a row's popup never reaches the main dialog's own procedures;
// while rows are shown, Tapwire's left-button hook watches our thread for
// presses and reports each one to the dialog.
#pragma once
#include "dictionary/Dictionary.h"
#include "framework/Dpi.h"
#include "ui/TipWnd.h"

#include <windows.h>

#include <string>

constexpr int ROW_COUNT = NEIGHBOUR_COUNT;   // row i shows neighbour i
constexpr int ROW_X = 275;                   // client x of every row's anchor (at 96 DPI)
constexpr UINT ROWS_SHOWN_MS = 7000;         // how long the rows stay after a keystroke

// Client y of row i's anchor at 96 DPI: 70, 86, ..., 214.
constexpr int RowAnchorY(int row) { return 70 + 16 * row; }

// Where the rows stand in a dialog at dpi: every anchor scaled from its
// 96-DPI figure.
void PlaceRows(UINT dpi, int (&rowY)[ROW_COUNT]);
inline int RowX(UINT dpi) { return ScaleForDpi(ROW_X, dpi); }

using RowTips = CTipWnd[ROW_COUNT];

// Makes row tooltip `row` (hidden) with the rows' font, colour and style.
void CreateRowTip(CTipWnd& row, CWnd* parent);

// Shows words[i] on row i, anchored at (RowX(dpi), rowY[i]). Rows are shown in
// order, each above the one before, so where boxes overlap the later row is
// the one seen. Near an edge of the work area the column moves in as one.
void ShowRows(RowTips& rows, UINT dpi, const int (&rowY)[ROW_COUNT], const std::string (&words)[ROW_COUNT]);

// The visible row whose box holds the screen point, the one seen where two
// overlap; -1 when the point is on no row.
int RowAt(const RowTips& rows, POINT screen);

// Installs the left-button hook for this thread, reporting to dialog; the
// rows take presses instead of letting them fall through to the window
// beneath. False when Tapwire would not install it.
bool WatchRowPresses(HWND dialog, RowTips& rows);
