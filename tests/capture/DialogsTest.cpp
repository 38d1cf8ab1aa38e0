// The wand of Set Window Title and the capture-mode help tip.
#include "CaptureWine.h"

#include "capture/CaptureModeDlg.h"
#include "capture/WindowTitleDlg.h"
#include "res/resource.h"

#include "tests/support/XInput.h"
#include "text/Cp1251Utf16.h"

#include <gtest/gtest.h>

namespace {
LPARAM ClientPoint(HWND hwnd, POINT screen)
{
    ::ScreenToClient(hwnd, &screen);
    return MAKELPARAM(screen.x, screen.y);
}

}  // namespace

TEST(WindowTitleDlg, WandAndItsCursorAreOurResources)
{
    CWindowTitleDlg dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_NE(nullptr, dlg.m_hWandCursor);
    EXPECT_NE(0, ::SendMessageA(dlg.GetDlgItem(IDC_WAND), STM_GETICON, 0, 0));
    dlg.DestroyWindow();
}

TEST(WindowTitleDlg, DroppingTheWandTakesTheTitleOfTheWindowUnderIt)
{
    CopyTarget target("deep", "Window under the wand");
    ASSERT_TRUE(target.top());
    CWindowTitleDlg dlg;
    ASSERT_TRUE(dlg.Create());
    RECT client;
    ::GetClientRect(target.top(), &client);
    // Bottom right of the target's client area: no child lies there.
    POINT drop{client.right - 5, client.bottom - 5};
    ::ClientToScreen(target.top(), &drop);
    ASSERT_EQ(target.top(), ::WindowFromPoint(drop));

    POINT wand = xinput::CentreOf(dlg.GetDlgItem(IDC_WAND));
    ::SendMessageA(dlg.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(dlg.m_hWnd, wand));
    EXPECT_EQ(dlg.m_hWnd, ::GetCapture());
    EXPECT_EQ(nullptr, dlg.m_hwndFound);
    ::SendMessageA(dlg.m_hWnd, WM_LBUTTONUP, 0, ClientPoint(dlg.m_hWnd, drop));
    EXPECT_NE(dlg.m_hWnd, ::GetCapture());
    EXPECT_EQ(target.top(), dlg.m_hwndFound);
    EXPECT_EQ("Window under the wand", dlg.m_strTitle);
    char shown[256] = "";
    ::GetDlgItemTextA(dlg.m_hWnd, IDC_WINDOW_TITLE, shown, sizeof shown);
    EXPECT_STREQ("Window under the wand", shown);

    // Button 1000 then finds the window by that title.
    ::SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_WINDOW_TITLE_OK, BN_CLICKED),
                   (LPARAM)dlg.GetDlgItem(IDC_WINDOW_TITLE_OK));
    EXPECT_TRUE(dlg.IsEnded());
    EXPECT_EQ(IDOK, dlg.Result());
    EXPECT_EQ(::GetWindowThreadProcessId(target.top(), nullptr), dlg.m_dwFoundThreadId);
    dlg.DestroyWindow();
}

TEST(CaptureModeDlg, HelpTipNamesTheGestureUnderTheMouse)
{
    CCaptureModeDlg dlg;
    dlg.m_nMode = 0;
    ASSERT_TRUE(dlg.Create());
    ::ShowWindow(dlg.m_hWnd, SW_SHOWNOACTIVATE);
    struct Case {
        int id;
        const char* tip;
    } cases[] = {{IDC_MODE_SELECT, "Select"}, {IDC_MODE_CTRL_C, "Keyboard"}, {IDC_MODE_RB_COPY, "Keyboard"},
                 {IDC_MODE_ALL, nullptr}};
    for (const Case& c : cases) {
        HWND button = dlg.GetDlgItem(c.id);
        POINT pt = xinput::CentreOf(button);
        ASSERT_TRUE(support::PumpUntil([&] {
            ::SetCursorPos(pt.x, pt.y);
            POINT now;
            ::GetCursorPos(&now);
            return now.x == pt.x && now.y == pt.y;
        }));
        // What the button hands up to the dialog on a mouse move over it.
        ::SendMessageA(dlg.m_hWnd, WM_SETCURSOR, (WPARAM)button, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        if (c.tip) {
            EXPECT_TRUE(::IsWindowVisible(dlg.m_tipHelp.m_hWnd)) << c.id;
            EXPECT_EQ(cp1251::ToUtf16(c.tip), dlg.m_tipHelp.m_strText) << c.id;
        } else {
            EXPECT_FALSE(::IsWindowVisible(dlg.m_tipHelp.m_hWnd)) << c.id;
        }
    }
    dlg.DestroyWindow();
}
