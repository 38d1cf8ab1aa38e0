// The main dialog's files for its tests, and the helpers they share:
// a clipboard viewer, the tray probe, font heights.
#pragma once
#include "tests/support/Clipboard.h"
#include "tests/support/ClipboardViewer.h"
#include "tests/support/Cp1251Text.h"
#include "tests/support/MainDialog.h"
#include "tests/ui/UiTestSupport.h"

// The main dialog over three pairs in data.dat and one in NewData.dat.
class MainDlgFixture : public support::MainDialogTest {
public:
    void WriteBothFiles()
    {
        support::WriteZetoFiles({{"house", u8"къща, дом"_cp1251}, {"water", u8"вода"_cp1251},
                                 {"word", u8"дума"_cp1251}},
                                support::RecordBytes("yours", u8"твой"_cp1251));
    }
};

// The lfHeight of a point font on this screen.
int PointHeight(int tenths);

// Whether the shell has a tray icon (hwnd, id): changing nothing succeeds only then.
bool TrayIconExists(HWND hwnd, UINT id);
