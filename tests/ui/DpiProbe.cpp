// Measures, at the DPI Wine was started with, Zeto's pixel figures that
// scale: the main dialog's client size and its translation box, where each
// suggestion row stands and the band of the screen that answers a press on
// it, and the translation tooltip's offset below the cursor and its height.
// Prints "name value" lines; dpi_test.sh compares those at 144 and 192 DPI
// with those at 96.
#include "framework/Dpi.h"
#include "res/resource.h"
#include "tests/support/Cp1251Text.h"
#include "tests/support/MainDialog.h"
#include "tests/support/Pump.h"

#include <cstdio>

namespace {

void Print(const char* name, long value) { std::printf("%s %ld\n", name, value); }

void PrintRect(const char* name, const RECT& r)
{
    std::printf("%s.left %ld\n%s.top %ld\n%s.width %ld\n%s.height %ld\n", name, r.left, name, r.top, name,
                r.right - r.left, name, r.bottom - r.top);
}

RECT InClient(HWND dialog, HWND window)
{
    RECT r;
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(nullptr, dialog, (POINT*)&r, 2);
    return r;
}

} // namespace

int main()
{
    support::MainDialog zeto;
    support::Pairs pairs;
    for (const char* word : {"apple", "bed", "cat", "dog", "egg", "fig", "hat", "house", "ink", "jam", "key"})
        pairs.push_back({word, u8"дума"_cp1251});
    support::WriteZetoFiles(pairs);
    zeto.OpenMainDialog();
    CMainDlg& dlg = zeto.dlg();
    const HWND dialog = dlg.m_hWnd;
    Print("dpi", (long)DpiOfWindow(dialog));

    RECT client;
    ::GetClientRect(dialog, &client);
    PrintRect("dialog", client);
    PrintRect("edit1001", InClient(dialog, zeto.Item(IDC_TRANSLATION)));

    // The rows of "apple": each anchor is its box's bottom-left corner; its
    // band is what RowAt gives it along the rows' middle.
    ::SetWindowTextA(zeto.Item(IDC_INPUT), "apple");
    if (!support::PumpUntil([&] { return ::IsWindowVisible(dlg.m_rowTips[ROW_COUNT - 1].m_hWnd) != FALSE; }, 10000)) {
        std::fprintf(stderr, "probe: the rows never showed\n");
        return 1;
    }
    char name[32];
    for (int i = 0; i < ROW_COUNT; ++i) {
        const RECT box = InClient(dialog, dlg.m_rowTips[i].m_hWnd);
        std::snprintf(name, sizeof name, "row%d.x", i);
        Print(name, box.left);
        std::snprintf(name, sizeof name, "row%d.y", i);
        Print(name, box.bottom);
        RECT screen;
        ::GetWindowRect(dlg.m_rowTips[i].m_hWnd, &screen);
        const LONG x = screen.left + 2;
        LONG top = LONG_MAX, bottom = LONG_MIN;
        for (LONG y = screen.top - 40; y < screen.bottom + 40; ++y)
            if (RowAt(dlg.m_rowTips, POINT{x, y}) == i) {
                top = y < top ? y : top;
                bottom = y;
            }
        std::snprintf(name, sizeof name, "band%d.height", i);
        Print(name, bottom - top + 1);
    }
    dlg.HideRowTips();

    // The translation tooltip, shown at a point of the dialog.
    POINT at{10, 10};
    dlg.m_tip.ShowAt(u8"къща"_cp1251, at);
    ::ClientToScreen(dialog, &at);
    RECT tip;
    ::GetWindowRect(dlg.m_tip.m_hWnd, &tip);
    Print("tip.offset", tip.top - at.y);
    Print("tip.height", tip.bottom - tip.top);
    std::fflush(stdout);
    return 0;
}
