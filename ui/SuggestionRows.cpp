#include "ui/SuggestionRows.h"

#include "framework/Dpi.h"
#include "hooklib/Tapwire.h"

#include <algorithm>

namespace {
constexpr int ROW_POINT_SIZE = 120;   // tenths of a point: the tooltip's face, larger
}

void CreateRowTip(CTipWnd& row, CWnd* parent)
{
    row.Create(parent, 0);   // no timer of its own: timer 1 of the dialog hides it
    row.SetTipFont(ROW_POINT_SIZE, CTipWnd::DEFAULT_FACE);
    row.SetTipColor(CTipWnd::DEFAULT_COLOR);
    row.m_nStyle = CTipWnd::TIP_ABOVE | CTipWnd::TIP_ROUNDED;
}

void PlaceRows(UINT dpi, int (&rowY)[ROW_COUNT])
{
    for (int i = 0; i < ROW_COUNT; ++i)
        rowY[i] = ScaleForDpi(RowAnchorY(i), dpi);
}

void ShowRows(RowTips& rows, UINT dpi, const int (&rowY)[ROW_COUNT], const std::string (&words)[ROW_COUNT])
{
    const int rowX = RowX(dpi);
    for (int i = 0; i < ROW_COUNT; ++i)
        rows[i].ShowAt(words[i], POINT{rowX, rowY[i]});
    // A row that would pass the work area's edge has moved left by itself;
    // the column follows the row that moved most, so it stays one column.
    RECT box;
    LONG left = LONG_MAX;
    for (const CTipWnd& row : rows)
        if (row.m_hWnd && ::GetWindowRect(row.m_hWnd, &box))
            left = std::min(left, box.left);
    for (const CTipWnd& row : rows)
        if (row.m_hWnd && ::GetWindowRect(row.m_hWnd, &box) && box.left != left)
            ::SetWindowPos(row.m_hWnd, nullptr, left, box.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int RowAt(const RowTips& rows, POINT screen)
{
    for (int i = ROW_COUNT - 1; i >= 0; --i) {
        RECT box;
        HWND row = rows[i].m_hWnd;
        if (row && ::IsWindowVisible(row) && ::GetWindowRect(row, &box) && ::PtInRect(&box, screen))
            return i;
    }
    return -1;
}

bool WatchRowPresses(HWND dialog, RowTips& rows)
{
    // Looked up in the Tapwire already loaded rather than imported: Zeto
    // imports only what it needs at start.
    using SetLButtonHookFn = int(WINAPI*)(HWND, DWORD);
    HMODULE tapwire = ::GetModuleHandleA(TAPWIRE_DLL);
    auto setHook = tapwire ? (SetLButtonHookFn)(void*)::GetProcAddress(tapwire, "SetLButtonHook") : nullptr;
    if (!setHook || setHook(dialog, ::GetCurrentThreadId()) != 1)
        return false;
    // A STATIC without SS_NOTIFY is transparent to the mouse: a press on a
    // row would fall through to whatever lies beneath it, outside our
    // thread, and the hook would never see it.
    for (CTipWnd& row : rows) {
        LONG style = ::GetWindowLongW(row.m_hWnd, GWL_STYLE);
        if (!(style & SS_NOTIFY))
            ::SetWindowLongW(row.m_hWnd, GWL_STYLE, style | SS_NOTIFY);
    }
    return true;
}
