// Measures, at the DPI Wine was started with, Zeto's pixel figures that
// scale: the main dialog's client size and its translation box, where each
// suggestion row stands and the band of the screen that answers a press on
// it, the translation tooltip's offset below the cursor and its height, the
// client size of every other dialog and the History list's column widths.
// Prints "name value" lines; dpi_test.sh compares those at 144 and 192 DPI
// with those at 96. What needs
// no 96-DPI figure it checks itself, failing with a non-zero exit: every
// control inside its dialog, and a dialog refitted to another DPI by a
// WM_DPICHANGED (Wine sends none) taking the size of its own layout there.
#include "capture/AcrobatVersionDlg.h"
#include "capture/CaptureModeDlg.h"
#include "capture/DocFormatDlg.h"
#include "capture/WindowTitleDlg.h"
#include "dictionary/NewWordDlg.h"
#include "framework/Dpi.h"
#include "res/resource.h"
#include "ui/AboutDlg.h"
#include "ui/ExportWordsDlg.h"
#include "ui/HistoryDlg.h"
#include "ui/OptionsDlg.h"
#include "tests/support/Cp1251Text.h"
#include "tests/support/MainDialog.h"
#include "tests/support/Pump.h"

#include <cstdarg>
#include <cstdio>
#include <utility>

namespace {

// One "name value" line; the name is formatted as printf's.
__attribute__((format(printf, 2, 3))) void Print(long value, const char* name, ...)
{
    va_list args;
    va_start(args, name);
    std::vprintf(name, args);
    va_end(args);
    std::printf(" %ld\n", value);
}

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

bool Fails(const char* what, const char* dialog)
{
    std::fprintf(stderr, "probe: %s: %s\n", dialog, what);
    return false;
}

RECT ClientOf(HWND dialog)
{
    RECT r;
    ::GetClientRect(dialog, &r);
    return r;
}

// The dialog's client size at dpi after a notice that it moved there, and
// the window standing where the notice suggested.
RECT RefitTo(HWND dialog, UINT dpi)
{
    RECT window;
    ::GetWindowRect(dialog, &window);
    RECT suggested{window.left + 1, window.top + 1, window.right + 1, window.bottom + 1};
    ::SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), (LPARAM)&suggested);
    ::GetWindowRect(dialog, &window);
    return window.left == suggested.left && window.top == suggested.top ? ClientOf(dialog) : RECT{};
}

// Every control inside the dialog; then fitted to 144 DPI twice (the same
// size as once, 1.5 times its 96-DPI layout) and back (its size again).
bool ChecksFit(const char* name, HWND dialog)
{
    const RECT client = ClientOf(dialog);
    bool ok = true;
    char what[64];
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const RECT box = InClient(dialog, child);
        if (box.left < 0 || box.top < 0 || box.right > client.right || box.bottom > client.bottom) {
            std::snprintf(what, sizeof what, "control %d stands outside", ::GetDlgCtrlID(child));
            ok = Fails(what, name);
        }
    }
    const UINT dpi = DpiOfWindow(dialog);
    const RECT once = RefitTo(dialog, 144), twice = RefitTo(dialog, 144);
    const auto within2 = [](LONG got, double want) { return got >= want - 2 && got <= want + 2; };
    if (!within2(once.right, client.right * 144.0 / dpi) || !within2(once.bottom, client.bottom * 144.0 / dpi))
        ok = Fails("fitted to 144 DPI, not 144/96 times its layout", name);
    if (!::EqualRect(&once, &twice))
        ok = Fails("fitted to 144 DPI twice, another size than once", name);
    const RECT back = RefitTo(dialog, dpi);
    if (!::EqualRect(&back, &client))
        ok = Fails("fitted back to its DPI, another size than before", name);
    return ok;
}

// A dialog made modeless at Wine's DPI: its client size, and its fit.
bool Measure(const char* name, CDialog& dlg, HWND owner)
{
    if (!dlg.Create(owner))
        return Fails("not made", name);
    const RECT client = ClientOf(dlg.m_hWnd);
    Print(client.right, "%s.width", name);
    Print(client.bottom, "%s.height", name);
    const bool ok = ChecksFit(name, dlg.m_hWnd);
    dlg.DestroyWindow();
    return ok;
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
    Print((long)DpiOfWindow(dialog), "dpi");

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
    for (int i = 0; i < ROW_COUNT; ++i) {
        const RECT box = InClient(dialog, dlg.m_rowTips[i].m_hWnd);
        Print(box.left, "row%d.x", i);
        Print(box.bottom, "row%d.y", i);
        RECT screen;
        ::GetWindowRect(dlg.m_rowTips[i].m_hWnd, &screen);
        const LONG x = screen.left + 2;
        LONG top = LONG_MAX, bottom = LONG_MIN;
        for (LONG y = screen.top - 40; y < screen.bottom + 40; ++y)
            if (RowAt(dlg.m_rowTips, POINT{x, y}) == i) {
                top = y < top ? y : top;
                bottom = y;
            }
        Print(bottom - top + 1, "band%d.height", i);
    }
    dlg.HideRowTips();

    // The translation tooltip, shown at a point of the dialog.
    POINT at{10, 10};
    dlg.m_tip.ShowAt(u8"къща"_cp1251, at);
    ::ClientToScreen(dialog, &at);
    RECT tip;
    ::GetWindowRect(dlg.m_tip.m_hWnd, &tip);
    Print(tip.top - at.y, "tip.offset");
    Print(tip.bottom - tip.top, "tip.height");
    dlg.m_tip.Hide();

    CAboutDlg about;
    COptionsDlg options;
    CNewWordDlg newWord;
    CCaptureModeDlg captureMode;
    CDocFormatDlg docFormat;
    CAcrobatVersionDlg acrobatVersion;
    CWindowTitleDlg windowTitle;
    const notebook::History noWords;
    CHistoryDlg history(nullptr, noWords, [](const std::string&) {}, [](const std::string&) {});
    CExportWordsDlg exportWords(nullptr, noWords);
    const std::pair<const char*, CDialog*> dialogs[] = {
        {"about", &about},           {"options", &options},       {"newword", &newWord},
        {"capturemode", &captureMode}, {"docformat", &docFormat}, {"acrobatversion", &acrobatVersion},
        {"windowtitle", &windowTitle}, {"history", &history},   {"exportwords", &exportWords},
    };
    bool ok = ChecksFit("main", dialog);
    for (const auto& [name, other] : dialogs)
        ok = Measure(name, *other, dialog) && ok;
    // The History list's columns, which the dialog sizes itself.
    if (history.Create(dialog)) {
        for (int i = 0; i < history::COLUMN_COUNT; ++i)
            Print((long)::SendMessageW(history.List(), LVM_GETCOLUMNWIDTH, i, 0), "history.column%d", i);
        history.DestroyWindow();
    } else {
        ok = Fails("not made", "history");
    }
    std::fflush(stdout);
    return ok ? 0 : 1;
}
