// WM_SHOWTRANSLATION and timer 1 of the main dialog: a looked-up text at
// the cursor and in the edits, hidden after the timeout; only texts that the
// dialog posted itself are ever read.
#include "res/resource.h"
#include "tests/support/Cp1251Text.h"
#include "tests/ui/MainDlgFixture.h"
#include "text/Cp1251Utf16.h"

#include <gtest/gtest.h>

namespace {

// A dictionary's text as the display holds it.
std::wstring Wide(const std::string& text) { return cp1251::ToUtf16(text); }

class TranslationDisplayTest : public MainDlgFixture {
protected:
    void SetUp() override
    {
        MainDlgFixture::SetUp();
        WriteBothFiles();
        ASSERT_TRUE(m_dlg->Create());
        ASSERT_EQ(m_dlg->m_bReady, 1);
    }
    void MoveCursor(int x, int y)
    {
        ::SetCursorPos(x, y);
        ASSERT_TRUE(support::PumpUntil([&] { POINT p; ::GetCursorPos(&p); return p.x == x && p.y == y; }));
    }
    bool TipVisible() { return ::IsWindowVisible(m_dlg->m_tip.m_hWnd) != FALSE; }
    std::string Edit(int id) { return support::TextOf(m_dlg->GetDlgItem(id)); }
};

TEST_F(TranslationDisplayTest, ALookedUpTextShowsAtTheCursorAndInBothEdits)
{
    MoveCursor(420, 333);
    const char* text = m_dlg->m_dictionary.Lookup("house");
    ASSERT_EQ(text, u8"къща, дом"_cp1251);
    m_dlg->PostTranslation(Wide(text));
    ASSERT_TRUE(support::PumpUntil([&] { return TipVisible(); }));
    RECT rect;
    ::GetWindowRect(m_dlg->m_tip.m_hWnd, &rect);
    EXPECT_EQ(rect.left, 420);
    EXPECT_EQ(rect.top, 333 + ::GetSystemMetrics(SM_CYCURSOR) - 12);
    EXPECT_EQ(m_dlg->m_tip.m_strText, L"къща, дом");
    EXPECT_EQ(support::TextOf(m_dlg->m_tip.m_hWnd), u8"къща, дом"_cp1251);
    EXPECT_EQ(Edit(IDC_TRANSLATION), u8"къща, дом"_cp1251);
    EXPECT_EQ(Edit(IDC_LIST_TRANSLATION), u8"къща, дом"_cp1251);
    EXPECT_EQ(m_dlg->m_strTranslation, L"къща, дом");
    EXPECT_EQ(m_dlg->m_strListTranslation, L"къща, дом");
}

TEST_F(TranslationDisplayTest, TheFixedMessagesOfTheDictionaryShowToo)
{
    m_dlg->PostTranslation(Wide(m_dlg->m_dictionary.Lookup("zzzz")));
    ASSERT_TRUE(support::PumpUntil([&] { return TipVisible(); }));
    EXPECT_EQ(Edit(IDC_TRANSLATION), u8"Няма такава дума"_cp1251);
}

TEST_F(TranslationDisplayTest, TimerOneHidesTheTipAfterTheTimeout)
{
    m_dlg->m_nTimeoutMs = 500;
    DWORD posted = ::GetTickCount();
    m_dlg->PostTranslation(Wide(m_dlg->m_dictionary.Lookup("water")));
    ASSERT_TRUE(support::PumpUntil([&] { return TipVisible(); }));
    ASSERT_TRUE(support::PumpUntil([&] { return !TipVisible(); }, 15000));
    EXPECT_GE(::GetTickCount() - posted, 480u) << "not before the timeout";
    EXPECT_EQ(Edit(IDC_TRANSLATION), u8"вода"_cp1251) << "the edit keeps the text";
    EXPECT_FALSE(::KillTimer(m_dlg->m_hWnd, 1)) << "timer 1 stopped itself";
}

// Timers never fire early, so the time from the second showing to the hiding
// tells whether the second showing started the full timeout again.
TEST_F(TranslationDisplayTest, ASecondTranslationRestartsTheFullTimeout)
{
    m_dlg->m_nTimeoutMs = 1500;
    MoveCursor(200, 200);
    m_dlg->PostTranslation(Wide(m_dlg->m_dictionary.Lookup("water")));
    ASSERT_TRUE(support::PumpUntil([&] { return TipVisible(); }));
    DWORD first = ::GetTickCount();
    support::PumpUntil([&] { return ::GetTickCount() - first >= 900 || !TipVisible(); }, 5000);
    ASSERT_TRUE(TipVisible()) << "the first timeout had not run out yet";

    MoveCursor(260, 240);
    DWORD second = ::GetTickCount();
    m_dlg->PostTranslation(Wide(m_dlg->m_dictionary.Lookup("word")));
    ASSERT_TRUE(support::PumpUntil([&] { return m_dlg->m_tip.m_strText == L"дума"; }));
    RECT rect;
    ::GetWindowRect(m_dlg->m_tip.m_hWnd, &rect);
    EXPECT_EQ(rect.left, 260) << "the box moved to the cursor";
    ASSERT_TRUE(support::PumpUntil([&] { return !TipVisible(); }, 20000));
    EXPECT_GE(::GetTickCount() - second, 1480u);
}

TEST_F(TranslationDisplayTest, TimerOneWhateverItsIdHidesEveryTooltip)
{
    for (UINT_PTR id : {42, 2}) {
        m_dlg->m_tip.ShowAt("main", POINT{0, 0});
        for (int i = 0; i < 10; ++i)
            m_dlg->m_rowTips[i].ShowAt("row", POINT{275, m_dlg->m_rowY[i]});
        ::SetTimer(m_dlg->m_hWnd, 1, 60000, nullptr);
        m_dlg->SendMessage(WM_TIMER, id, 0);
        EXPECT_FALSE(TipVisible()) << id;
        for (const CTipWnd& row : m_dlg->m_rowTips)
            EXPECT_FALSE(::IsWindowVisible(row.m_hWnd)) << id;
        EXPECT_FALSE(::KillTimer(m_dlg->m_hWnd, 1)) << "timer 1 was killed";
    }
}

TEST_F(TranslationDisplayTest, ATranslationLongerThan255BytesIsShownWhole)
{
    static const std::string longText = [] {
        std::string text;
        while (text.size() < 700)
            text += u8"дълъг превод, "_cp1251;
        return text;
    }();
    m_dlg->PostTranslation(Wide(longText));
    ASSERT_TRUE(support::PumpUntil([&] { return TipVisible(); }));
    EXPECT_EQ(m_dlg->m_tip.m_strText, Wide(longText));
    EXPECT_EQ(m_dlg->m_strTranslation, Wide(longText));
    EXPECT_EQ(Edit(IDC_TRANSLATION), longText);
    EXPECT_EQ(Edit(IDC_LIST_TRANSLATION), longText);
}

TEST_F(TranslationDisplayTest, AMessageThatTheDialogDidNotPostIsIgnored)
{
    static const char foreign[] = "not ours";
    ::SetWindowTextA(m_dlg->GetDlgItem(IDC_TRANSLATION), "before");
    m_dlg->UpdateData(true);
    for (WPARAM wParam : {(WPARAM)0, (WPARAM)1, (WPARAM)0xDEADBEEF, (WPARAM)foreign,
                          (WPARAM)m_dlg->m_dictionary.Lookup("house")})
        ::PostMessageA(m_dlg->m_hWnd, WM_SHOWTRANSLATION, wParam, 0);
    // A translation of our own, posted after them, marks when they are done.
    m_dlg->PostTranslation(Wide(m_dlg->m_dictionary.Lookup("word")));
    ASSERT_TRUE(support::PumpUntil([&] { return TipVisible(); }));
    EXPECT_EQ(Edit(IDC_TRANSLATION), u8"дума"_cp1251);

    m_dlg->m_tip.Hide();
    ::PostMessageA(m_dlg->m_hWnd, WM_SHOWTRANSLATION, (WPARAM)m_dlg->m_dictionary.Lookup("word"), 0);
    ::SetWindowTextA(m_dlg->GetDlgItem(IDC_TRANSLATION), "after");
    m_dlg->UpdateData(true);
    // The same text again, now posted by someone else: its record was used up.
    support::PumpPending();
    EXPECT_FALSE(TipVisible());
    EXPECT_EQ(Edit(IDC_TRANSLATION), "after");
    EXPECT_EQ(m_dlg->m_strTranslation, L"after");
}

} // namespace
