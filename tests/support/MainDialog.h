// The real main dialog of Zeto, modeless, in a scratch working directory:
// what every in-process test of the dialog starts from. The directory holds
// the files Zeto reads beside itself (the dictionary pair, forms.dat,
// pron.dat) and
// takes with it, when the test ends, whatever the test left (Zeto.ini too).
#pragma once
#include "tests/support/BesideData.h"
#include "tests/support/ScratchDir.h"
#include "ui/MainDlg.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace support {

class MainDialog {
public:
    MainDialog();    // the directory made current; no dialog yet
    ~MainDialog();   // the dialog goes, then the directory
    MainDialog(const MainDialog&) = delete;
    MainDialog& operator=(const MainDialog&) = delete;

    // Creates the dialog over the files now in the directory, checks that
    // they were loaded (unless told not to) and dispatches what its start queued.
    void OpenMainDialog(bool expectReady = true);
    // Destroys the dialog; the next one starts from a fresh object.
    void CloseMainDialog();

    CMainDlg& dlg() const { return *m_dlg; }
    HWND Item(int id) const { return ::GetDlgItem(m_dlg->m_hWnd, id); }
    std::string ItemText(int id) const;

    std::unique_ptr<ScratchDir> m_dir;   // before the dialog: the dialog goes first
    std::unique_ptr<CMainDlg> m_dlg;
};

// The same as a test fixture: the dialog is closed when the test ends.
class MainDialogTest : public ::testing::Test, public MainDialog {
protected:
    void TearDown() override { CloseMainDialog(); }
};

} // namespace support
