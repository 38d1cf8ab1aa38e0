// Shows the main dialog with a translation in its tooltip, for the README's
// screenshots (make-screenshots.sh takes them). Runs in the current working
// directory, which holds data.dat, NewData.dat, forms.dat and pron.dat. Writes showcase-ready.txt
// with the screen rectangles to photograph (all, and the tooltip), then waits for showcase-done.txt.
// With --history or --options: the History window with a few words, or the
// Options dialog, instead, and its rectangle alone.
#include "capture/KeepOut.h"
#include "notebook/History.h"
#include "tests/support/Pump.h"
#include "ui/HistoryDlg.h"
#include "ui/MainDlg.h"
#include "ui/OptionsDlg.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

void WaitForTheShot(const RECT& shot, const RECT& detail)
{
    FILE* ready = std::fopen("showcase-ready.txt", "w");
    std::fprintf(ready, "%ld %ld %ld %ld %ld %ld %ld %ld\n", shot.left, shot.top, shot.right - shot.left,
                 shot.bottom - shot.top, detail.left, detail.top, detail.right - detail.left,
                 detail.bottom - detail.top);
    std::fclose(ready);
    support::PumpUntil([] { return ::GetFileAttributesA("showcase-done.txt") != INVALID_FILE_ATTRIBUTES; }, 60000);
}

// A reader's week: looked up over the last days, some often, two starred.
int ShowHistory()
{
    struct Sample {
        const char *word, *translation, *pronunciation;
        int hoursAgo, lookups;
        bool starred;
    };
    const Sample samples[] = {
        {"house", u8"къща, дом", u8"/haʊs/", 2, 5, true},
        {"bright", u8"ярък, светъл", u8"/braɪt/", 5, 2, false},
        {"window", u8"прозорец", u8"/ˈwɪndəʊ/", 26, 1, false},
        {"read", u8"чета", u8"/riːd/", 30, 3, true},
        {"apple", u8"ябълка", u8"/ˈæpl/", 50, 2, false},
        {"thoroughly", u8"основно, напълно", "", 75, 1, false},
        {"weather", u8"време (атмосферно)", u8"/ˈweðə/", 98, 4, false},
    };
    notebook::History history;
    const auto apply = [&](const std::string& record) {
        notebook::ReadJournal(record, [&](const notebook::Record& r) { return history.Apply(r); });
    };
    const notebook::Time now = (notebook::Time)std::time(nullptr);
    for (const Sample& s : samples) {
        for (int i = s.lookups; i > 0; --i)
            apply(notebook::EncodeLookup(now - s.hoursAgo * 3600 - i * 600, s.word, s.word, s.translation,
                                         s.pronunciation, "Notepad"));
        if (s.starred)
            apply(notebook::EncodeStar(now, s.word, true));
    }
    CHistoryDlg dlg(nullptr, history, apply, [](const std::string&) {}, [](const std::string&) {});
    if (!dlg.Create())
        return 2;
    ::SetWindowPos(dlg.m_hWnd, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    LVITEMW state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(dlg.List(), LVM_SETITEMSTATE, 0, (LPARAM)&state);
    ::SetFocus(dlg.List());
    ::RedrawWindow(dlg.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    support::PumpPending();
    RECT window;
    ::GetWindowRect(dlg.m_hWnd, &window);
    WaitForTheShot(window, window);
    dlg.DestroyWindow();
    return 0;
}

// The Options dialog as Zeto opens it at first.
int ShowOptions()
{
    COptionsDlg dlg;
    dlg.m_nTimeoutSec = 3;
    dlg.m_bMinimizeToTray = dlg.m_bAlwaysOnTop = 1;
    dlg.m_pauseHotkey = settings::Hotkey{settings::HOTKEY_CTRL | settings::HOTKEY_ALT, 'Z'};
    dlg.m_strIgnoredPrograms = JoinProgramList(DefaultIgnoredPrograms(), "\r\n");
    if (!dlg.Create())
        return 2;
    ::SetWindowPos(dlg.m_hWnd, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    ::RedrawWindow(dlg.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    support::PumpPending();
    // The client area: Wine draws no caption without a window manager.
    RECT client;
    ::GetClientRect(dlg.m_hWnd, &client);
    ::MapWindowPoints(dlg.m_hWnd, nullptr, (POINT*)&client, 2);
    WaitForTheShot(client, client);
    dlg.DestroyWindow();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const char* word = argc > 1 ? argv[1] : "house";
    const bool history = std::strcmp(word, "--history") == 0;
    INITCOMMONCONTROLSEX controls{sizeof controls, OPTIONS_COMMON_CONTROLS};
    ::InitCommonControlsEx(&controls);

    // A desktop behind, so the tooltip's black frame shows in the picture.
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = ::CreateSolidBrush(RGB(58, 110, 165));
    wc.lpszClassName = "WordlumoShowcaseDesktop";
    ::RegisterClassA(&wc);
    ::CreateWindowExA(WS_EX_NOACTIVATE, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                      ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                      wc.hInstance, nullptr);
    if (history)
        return ShowHistory();
    if (std::strcmp(word, "--options") == 0)
        return ShowOptions();

    CMainDlg dlg;
    if (!dlg.Create() || !dlg.m_bReady) {
        std::fprintf(stderr, "showcase: no dictionary in the working directory\n");
        return 2;
    }
    dlg.m_nTimeoutMs = 120000;
    RECT main;
    ::GetWindowRect(dlg.m_hWnd, &main);
    // The cursor just below the window, where the tooltip will stand.
    POINT cursor{main.left + 30, main.bottom + 2};
    ::SetCursorPos(cursor.x, cursor.y);
    support::PumpUntil([&] { POINT p; ::GetCursorPos(&p); return p.x == cursor.x && p.y == cursor.y; }, 5000);
    dlg.PostTranslation(dlg.LookupForDisplay(word));
    support::PumpUntil([&] { return ::IsWindowVisible(dlg.m_tip.m_hWnd) != FALSE; }, 10000);
    ::RedrawWindow(dlg.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    support::PumpPending();

    RECT tip, shot;
    ::GetWindowRect(dlg.m_tip.m_hWnd, &tip);
    ::UnionRect(&shot, &main, &tip);
    WaitForTheShot(shot, tip);
    dlg.DestroyWindow();
    return 0;
}
