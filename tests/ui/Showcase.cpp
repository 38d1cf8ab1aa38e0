// Shows the main dialog with a translation in its tooltip, for the README's
// screenshots (make-screenshots.sh takes them). Runs in the current working
// directory, which holds data.dat and NewData.dat. Writes showcase-ready.txt
// with the screen rectangles to photograph (all, and the tooltip), then waits for showcase-done.txt.
#include "tests/ui/UiTestSupport.h"
#include "ui/MainDlg.h"
#include "ui/OptionsDlg.h"

#include <commctrl.h>

#include <cstdio>

int main(int argc, char** argv)
{
    const char* word = argc > 1 ? argv[1] : "house";
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
    dlg.PostTranslation(dlg.m_dictionary.Lookup(word));
    support::PumpUntil([&] { return ::IsWindowVisible(dlg.m_tip.m_hWnd) != FALSE; }, 10000);
    ::RedrawWindow(dlg.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    support::PumpPending();

    RECT tip, shot;
    ::GetWindowRect(dlg.m_tip.m_hWnd, &tip);
    ::UnionRect(&shot, &main, &tip);
    FILE* ready = std::fopen("showcase-ready.txt", "w");
    std::fprintf(ready, "%ld %ld %ld %ld %ld %ld %ld %ld\n", shot.left, shot.top, shot.right - shot.left,
                 shot.bottom - shot.top, tip.left, tip.top, tip.right - tip.left, tip.bottom - tip.top);
    std::fclose(ready);
    support::PumpUntil([] { return ::GetFileAttributesA("showcase-done.txt") != INVALID_FILE_ATTRIBUTES; }, 60000);
    dlg.DestroyWindow();
    return 0;
}
