#include "tests/support/MainDialog.h"

#include "tests/support/MessageBoxes.h"
#include "tests/support/Pump.h"
#include "ui/OptionsDlg.h"

#include <commctrl.h>

namespace support {

MainDialog::MainDialog() : m_dir(std::make_unique<ScratchDir>()), m_dlg(std::make_unique<CMainDlg>())
{
    INITCOMMONCONTROLSEX controls{sizeof controls, OPTIONS_COMMON_CONTROLS};
    ::InitCommonControlsEx(&controls);
}

MainDialog::~MainDialog()
{
    m_dlg.reset();
    m_dir.reset();
}

void MainDialog::OpenMainDialog(bool expectReady)
{
    ASSERT_TRUE(m_dlg->Create());
    if (expectReady) {
        ASSERT_EQ(m_dlg->m_bReady, 1) << "the dictionary files were not loaded";
    }
    PumpPending();
}

void MainDialog::CloseMainDialog()
{
    m_dlg->DestroyWindow();
    m_dlg = std::make_unique<CMainDlg>();
}

std::string MainDialog::ItemText(int id) const { return TextOf(Item(id)); }

} // namespace support
