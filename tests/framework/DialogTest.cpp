// The window framework under Wine: message tables, modal and modeless
// dialogs, the notification lock-out, and where dialogs appear.
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "res/resource.h"
#include "tests/support/MessageBoxes.h"

#include <gtest/gtest.h>

using namespace support;

namespace {

const UINT g_nTestRegistered = ::RegisterWindowMessageA("Wordlumo framework test message");

// The New word template: a single-line edit 1008, a multi-line edit 1009,
// button 1012 and Cancel.
class CProbeDlg : public CDialog {
public:
    CProbeDlg() : CDialog(IDD_NEW_WORD) {}
    std::string m_strWord;
    int m_nCreates = 0;
    int m_nWordChanges = 0;
    int m_nClicks = 0;
    int m_nRegistered = 0;
    int m_nOk = 0;
    WPARAM m_lastWParam = 0;
    bool m_bInsideSetText = false;
    bool m_bChangeSeenInsideSetText = false;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_NEW_WORD, m_strWord);
        DDV_MaxChars(pDX, m_strWord, 255);
    }

protected:
    const MessageMap* GetMessageMap() const override
    {
        static constexpr MessageEntry kEntries[] = {
            OnMessage<&CProbeDlg::OnCreate>(WM_CREATE),
            OnCommandCode<&CProbeDlg::OnWordChange>(EN_CHANGE, IDC_NEW_WORD),
            OnCommand<&CProbeDlg::OnClick>(IDC_NEW_WORD_OK),
            OnRegistered<&CProbeDlg::OnRegisteredMsg>(g_nTestRegistered),
        };
        static const MessageMap kMap = MakeMessageMap(CDialog::GetMessageMap(), kEntries);
        return &kMap;
    }

private:
    int OnCreate(LPCREATESTRUCTW)
    {
        ++m_nCreates;
        return (int)Default();
    }
    void OnWordChange()
    {
        ++m_nWordChanges;
        if (m_bInsideSetText)
            m_bChangeSeenInsideSetText = true;
    }
    void OnClick() { ++m_nClicks; }
    LRESULT OnRegisteredMsg(WPARAM wParam, LPARAM lParam)
    {
        ++m_nRegistered;
        m_lastWParam = wParam;
        return lParam + 1;
    }
};

// Counts WM_SETTEXT reaching a control.
struct SetTextSpy {
    static inline WNDPROC s_old = nullptr;
    static inline int s_count = 0;
    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l)
    {
        if (m == WM_SETTEXT)
            ++s_count;
        return ::CallWindowProcA(s_old, h, m, w, l);
    }
    explicit SetTextSpy(HWND hwnd) : m_hwnd(hwnd)
    {
        s_count = 0;
        s_old = (WNDPROC)::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, (LONG_PTR)&Proc);
    }
    ~SetTextSpy() { ::SetWindowLongPtrA(m_hwnd, GWLP_WNDPROC, (LONG_PTR)s_old); }
    HWND m_hwnd;
};

TEST(DialogTest, TheObjectSeesWmCreateOfItsDialog)
{
    CProbeDlg dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(dlg.m_nCreates, 1);
    EXPECT_EQ((CWnd*)::GetWindowLongPtrA(dlg.m_hWnd, GWLP_USERDATA), &dlg);
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.m_hWnd, nullptr) << "the object lets go of a destroyed window";
}

TEST(DialogTest, TheTableRoutesCommandsNotificationsAndRegisteredMessages)
{
    CProbeDlg dlg;
    ASSERT_TRUE(dlg.Create());
    ::SendMessageA(dlg.GetDlgItem(IDC_NEW_WORD_OK), BM_CLICK, 0, 0);
    EXPECT_EQ(dlg.m_nClicks, 1) << "a button click is a command";
    dlg.SendMessage(WM_COMMAND, IDC_NEW_WORD_OK, 0);
    EXPECT_EQ(dlg.m_nClicks, 2) << "so is a menu command";
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_NEW_WORD_OK, BN_SETFOCUS), (LPARAM)dlg.GetDlgItem(IDC_NEW_WORD_OK));
    EXPECT_EQ(dlg.m_nClicks, 2) << "another notification of the button is not";

    EXPECT_EQ(dlg.SendMessage(g_nTestRegistered, 77, 41), 42);
    EXPECT_EQ(dlg.m_nRegistered, 1);
    EXPECT_EQ(dlg.m_lastWParam, 77u);

    dlg.SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(dlg.IsEnded()) << "the base table still answers IDCANCEL";
    EXPECT_EQ(dlg.Result(), IDCANCEL);
    EXPECT_FALSE(::IsWindowVisible(dlg.m_hWnd));
    dlg.DestroyWindow();
}

// A single-line edit raises EN_CHANGE inside WM_SETTEXT; the framework adds
// nothing, and we rely on it.
TEST(DialogTest, SettingTextOutsideUpdateDataNotifiesAtOnce)
{
    CProbeDlg dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.m_bInsideSetText = true;
    ::SetWindowTextA(dlg.GetDlgItem(IDC_NEW_WORD), "house");
    dlg.m_bInsideSetText = false;
    EXPECT_EQ(dlg.m_nWordChanges, 1);
    EXPECT_TRUE(dlg.m_bChangeSeenInsideSetText);
    dlg.DestroyWindow();
}

TEST(DialogTest, UpdateDataLocksOutNotificationsOfItsControls)
{
    CProbeDlg dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.m_strWord = "water";
    dlg.UpdateData(false);
    EXPECT_EQ(TextOf(dlg.GetDlgItem(IDC_NEW_WORD)), "water");
    EXPECT_EQ(dlg.m_nWordChanges, 0);
    ASSERT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.m_nWordChanges, 0);
    // After the exchange the lock is gone again.
    ::SetWindowTextA(dlg.GetDlgItem(IDC_NEW_WORD), "fire");
    EXPECT_EQ(dlg.m_nWordChanges, 1);
    dlg.DestroyWindow();
}

TEST(DialogTest, LoadingReplacesAnEditsTextOnlyWhenItDiffers)
{
    CProbeDlg dlg;
    ASSERT_TRUE(dlg.Create());
    ::SetWindowTextA(dlg.GetDlgItem(IDC_NEW_WORD), "same");
    SetTextSpy spy(dlg.GetDlgItem(IDC_NEW_WORD));
    dlg.m_strWord = "same";
    dlg.UpdateData(false);
    EXPECT_EQ(SetTextSpy::s_count, 0);
    dlg.m_strWord = "Same";
    dlg.UpdateData(false);
    EXPECT_EQ(SetTextSpy::s_count, 1) << "case counts";
    dlg.m_strWord = "Same but longer";
    dlg.UpdateData(false);
    EXPECT_EQ(SetTextSpy::s_count, 2);
    dlg.DestroyWindow();
}

TEST(DialogTest, MaxCharsLimitsTheEditAndRefusesALongerText)
{
    CProbeDlg dlg;
    ASSERT_TRUE(dlg.Create());
    HWND edit = dlg.GetDlgItem(IDC_NEW_WORD);
    EXPECT_EQ(::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 255);

    ::SetWindowTextA(edit, std::string(255, 'a').c_str());
    {
        MessageBoxWatcher watcher;
        EXPECT_TRUE(dlg.UpdateData(true));
        EXPECT_TRUE(watcher.Seen().empty());
    }
    EXPECT_EQ(dlg.m_strWord.size(), 255u);

    ::SetWindowTextA(edit, std::string(256, 'b').c_str());   // WM_SETTEXT is not limited
    MessageBoxWatcher watcher;
    EXPECT_FALSE(dlg.UpdateData(true));
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].text, "Please enter no more than 255 characters.");
    EXPECT_EQ(::GetFocus(), edit);
    dlg.DestroyWindow();
}

TEST(DialogTest, DoModalRunsUntilEndDialog)
{
    CProbeDlg dlg;
    dlg.m_strWord = "start";
    static CProbeDlg* s_dlg = nullptr;
    s_dlg = &dlg;
    // Inside the modal loop: type into the edit, then press the dialog's OK.
    UINT_PTR timer = ::SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR, DWORD) {
        if (s_dlg && s_dlg->m_hWnd && ::IsWindowVisible(s_dlg->m_hWnd)) {
            ::SetWindowTextA(s_dlg->GetDlgItem(IDC_NEW_WORD), "typed");
            ::PostMessageA(s_dlg->m_hWnd, WM_COMMAND, IDOK, 0);
            s_dlg = nullptr;
        }
    });
    INT_PTR result = dlg.DoModal();
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_strWord, "typed") << "the standard OK saved the controls";
    EXPECT_EQ(dlg.m_nCreates, 1);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(DialogTest, AnUnplacedDialogWithoutOwnerIsCentredInTheWorkArea)
{
    CProbeDlg dlg;
    ASSERT_TRUE(dlg.Create());
    RECT rect, work;
    ::GetWindowRect(dlg.m_hWnd, &rect);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    EXPECT_NEAR(rect.left, work.left + (work.right - work.left - width) / 2, 1);
    EXPECT_NEAR(rect.top, work.top + (work.bottom - work.top - height) / 2, 1);
    dlg.DestroyWindow();
}

TEST(DialogTest, ASystemModalTemplateMakesATopMostWindow)
{
    CDialog main(IDD_MAIN);
    ASSERT_TRUE(main.Create());
    EXPECT_NE(::GetWindowLongA(main.m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    CProbeDlg plain;
    ASSERT_TRUE(plain.Create());
    EXPECT_EQ(::GetWindowLongA(plain.m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    plain.DestroyWindow();
    main.DestroyWindow();
}

} // namespace
