// Zeto's six messages posted by another process with arbitrary parameters:
// pointers that are not ours, handles of other windows, all bits set. None
// may crash Zeto, show a text it did not look up, or leave it unresponsive.
#include "tests/faults/FaultFixture.h"
#include "tests/support/Cp1251Text.h"

#include <string>

namespace {

class MessageFaultTest : public FaultFixture {
protected:
    void SetUp() override
    {
        FaultFixture::SetUp();
        support::WriteDictionary("data.dat", {{"apple", u8"ябълка"_cp1251}, {"table", u8"маса"_cp1251}});
        support::WriteDictionary("NewData.dat", {});
        StartDialog();
        ASSERT_EQ(m_dlg->m_bReady, 1);
    }

    void Flood(unsigned seed, int count)
    {
        Intruder intruder("post " + std::to_string(reinterpret_cast<unsigned long long>(m_dlg->m_hWnd)) + " "
                          + std::to_string(seed) + " " + std::to_string(count));
        ASSERT_TRUE(intruder.Started());
        EXPECT_EQ(intruder.WaitForExit(), 0);
        support::PumpPending();
    }
};

TEST_F(MessageFaultTest, ArbitraryParametersWithoutACopyMethod)
{
    Flood(1, 3000);
    EXPECT_TRUE(boxes.Seen().empty());
    // Nothing posted from outside is taken for a text to show: only lookups
    // (a row press looks up a row's word) reach edit 1001.
    const std::string shown = Shown();
    EXPECT_TRUE(shown == "" || shown == u8"ябълка"_cp1251 || shown == u8"маса"_cp1251
                || shown == u8"Няма такава дума"_cp1251
                || shown == u8"Няма такава дума в БД!"_cp1251) << shown;
    ExpectResponsive();
}

TEST_F(MessageFaultTest, ArbitraryParametersWithACopyMethodChosen)
{
    // Now every mouse-selection message sends a copy request to whatever
    // window its wParam names.
    m_dlg->m_nCopyMethod = COPY_OTHER;
    m_dlg->m_mouseWatch.TakeEveryRelease();
    Flood(2, 3000);
    EXPECT_TRUE(boxes.Seen().empty());
    ExpectResponsive();
}

} // namespace
