#include "tests/faults/FaultFixture.h"

#include "hooklib/Tapwire.h"
#include "tests/support/BesideData.h"
#include "tests/support/Clipboard.h"
#include "tests/support/Cp1251Text.h"
#include "tests/support/Pump.h"

void FaultFixture::StartDialog()
{
    support::WriteFilesBesideData();
    OpenMainDialog(false);
}

void FaultFixture::ExpectAlive()
{
    ASSERT_TRUE(::IsWindow(m_dlg->m_hWnd));
    DWORD_PTR result = 0;
    ASSERT_NE(::SendMessageTimeoutA(m_dlg->m_hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result), 0);
}

void FaultFixture::ExpectResponsive()
{
    ASSERT_NO_FATAL_FAILURE(ExpectAlive());
    if (!m_dlg->m_bReady)
        return;   // nothing is looked up before both files are loaded
    const std::string word = "probe";
    const std::string translation = u8"проба"_cp1251;
    m_dlg->m_dictionary.AddPair(word.c_str(), translation.c_str());
    ::PostMessageA(m_dlg->m_hWnd, g_tapwireMessages.ctrlC, 0, 0);
    ASSERT_TRUE(support::PumpUntil([&] { return m_dlg->m_bCapturePending == 1; }));
    ASSERT_TRUE(support::PutClipboardText(word));
    EXPECT_TRUE(support::PumpUntil([&] { return Shown() == translation; })) << "shown: " << Shown();
}
