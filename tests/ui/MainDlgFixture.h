// A modeless main dialog in a fresh working directory, and the helpers its
// tests share: clipboard viewers, the tray probe, font heights.
#pragma once
#include "tests/support/Clipboard.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/MainDlg.h"

#include <commctrl.h>
#include <gtest/gtest.h>

class MainDlgFixture : public ::testing::Test {
public:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
        ::InitCommonControlsEx(&controls);
    }
    void TearDown() override { dlg.DestroyWindow(); }

    // data.dat with three pairs, NewData.dat with one.
    void WriteBothFiles()
    {
        uitest::WriteDictionary("data.dat", {{"house", "къща, дом"}, {"water", "вода"}, {"word", "дума"}});
        uitest::WriteDictionary("NewData.dat", {{"yours", "твой"}});
    }

    uitest::TempWorkDir dir;   // before the dialog: the dialog goes first
    CMainDlg dlg;
};

// The lfHeight of a point font on this screen.
int PointHeight(int tenths);

// Whether the shell has a tray icon (hwnd, id): changing nothing succeeds only then.
bool TrayIconExists(HWND hwnd, UINT id);

// A clipboard viewer that keeps the chain as the system asks: it forwards
// notices to its next viewer and repairs the chain.
class ViewerWindow {
public:
    ViewerWindow();
    ~ViewerWindow();
    HWND hwnd = nullptr;
    HWND next = nullptr;
    HWND removed = nullptr;   // wParam of the last WM_CHANGECBCHAIN
    int draws = 0;
private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
};
