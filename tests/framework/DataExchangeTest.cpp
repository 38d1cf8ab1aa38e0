// Data exchange through real dialogs built from the program's templates:
// loading, saving, the validations and their messages, focus and selection.
#include "framework/App.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "res/resource.h"
#include "tests/support/MessageBoxes.h"

#include <commctrl.h>
#include <gtest/gtest.h>

using namespace support;

namespace {

// The Options template has an edit, a radio group and four check boxes.
class CSettingsDlg : public CDialog {
public:
    CSettingsDlg() : CDialog(IDD_OPTIONS) {}
    int m_nSeconds = 3;
    int m_nTarget = 0;
    int m_bEdit = 0;
    int m_bTray = 1;
    int m_bTop = 0;
    int m_bKeyboard = 1;
    using CDialog::UpdateData;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_TIMEOUT, m_nSeconds);
        DDV_MinMaxInt(pDX, m_nSeconds, 1, 10);
        DDX_Radio(pDX, IDC_TRANSPARENT_THIS, m_nTarget);
        DDX_Check(pDX, IDC_EDIT_CHECK, m_bEdit);
        DDX_Check(pDX, IDC_MINIMIZE_TO_TRAY, m_bTray);
        DDX_Check(pDX, IDC_ALWAYS_ON_TOP, m_bTop);
        DDX_Check(pDX, IDC_KEYBOARD_INPUT, m_bKeyboard);
    }
};

class DataExchangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
        ::InitCommonControlsEx(&controls);
        ASSERT_TRUE(dlg.Create());
    }
    void TearDown() override { dlg.DestroyWindow(); }

    HWND Item(int id) { return dlg.GetDlgItem(id); }
    int Checked(int id) { return (int)::SendMessageA(Item(id), BM_GETCHECK, 0, 0); }
    void Check(int id, int state) { ::SendMessageA(Item(id), BM_SETCHECK, state, 0); }
    // One refused text: the message, the box's look, focus and selection,
    // and that the exchange stopped at the failing field.
    void ExpectRefused(const char* text, const std::string& message, bool parsed = false);

    CSettingsDlg dlg;
};

TEST_F(DataExchangeTest, LoadingPutsTheMembersIntoTheControls)
{
    EXPECT_EQ(TextOf(Item(IDC_TIMEOUT)), "3");
    EXPECT_EQ(Checked(IDC_TRANSPARENT_THIS), BST_CHECKED);
    EXPECT_EQ(Checked(IDC_TRANSPARENT_OTHER), BST_UNCHECKED);
    EXPECT_EQ(Checked(IDC_EDIT_CHECK), BST_UNCHECKED);
    EXPECT_EQ(Checked(IDC_MINIMIZE_TO_TRAY), BST_CHECKED);
    EXPECT_EQ(Checked(IDC_KEYBOARD_INPUT), BST_CHECKED);

    dlg.m_nTarget = 1;
    dlg.m_nSeconds = 10;
    dlg.UpdateData(false);
    EXPECT_EQ(Checked(IDC_TRANSPARENT_THIS), BST_UNCHECKED);
    EXPECT_EQ(Checked(IDC_TRANSPARENT_OTHER), BST_CHECKED);
    EXPECT_EQ(TextOf(Item(IDC_TIMEOUT)), "10");
}

TEST_F(DataExchangeTest, SavingReadsTheControls)
{
    ::SetWindowTextA(Item(IDC_TIMEOUT), " 7 ");
    Check(IDC_TRANSPARENT_THIS, BST_UNCHECKED);
    Check(IDC_TRANSPARENT_OTHER, BST_CHECKED);
    Check(IDC_EDIT_CHECK, BST_CHECKED);
    Check(IDC_MINIMIZE_TO_TRAY, BST_UNCHECKED);
    Check(IDC_ALWAYS_ON_TOP, BST_CHECKED);
    ASSERT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.m_nSeconds, 7);
    EXPECT_EQ(dlg.m_nTarget, 1);
    EXPECT_EQ(dlg.m_bEdit, 1);
    EXPECT_EQ(dlg.m_bTray, 0);
    EXPECT_EQ(dlg.m_bTop, 1);

    Check(IDC_TRANSPARENT_OTHER, BST_UNCHECKED);
    ASSERT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.m_nTarget, -1) << "no radio of the group checked";
}

void DataExchangeTest::ExpectRefused(const char* text, const std::string& message, bool parsed)
{
    HWND edit = dlg.GetDlgItem(IDC_TIMEOUT);
    ::SetWindowTextA(edit, text);
    ::SendMessageA(dlg.GetDlgItem(IDC_ALWAYS_ON_TOP), BM_SETCHECK, BST_CHECKED, 0);
    dlg.m_bTop = 0;
    dlg.m_nSeconds = 5;
    MessageBoxWatcher watcher;
    EXPECT_FALSE(dlg.UpdateData(true)) << text;
    ASSERT_EQ(watcher.Seen().size(), 1u) << text;
    const SeenBox& box = watcher.Seen()[0];
    EXPECT_EQ(box.text, message);
    EXPECT_EQ(box.caption, ExecutableBaseName());
    EXPECT_EQ(box.icon, ::LoadIconA(nullptr, IDI_EXCLAMATION));
    EXPECT_TRUE(box.hasOk);
    EXPECT_FALSE(box.hasCancel);
    if (!parsed) {
        EXPECT_EQ(dlg.m_nSeconds, 5) << "a text that is no number leaves the member alone";
    }
    EXPECT_EQ(dlg.m_bTop, 0) << "fields after the failing one are not read";
    EXPECT_EQ(::GetFocus(), edit);
    DWORD start = 0, end = 0;
    ::SendMessageA(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, (DWORD)std::string(text).size());
}

TEST_F(DataExchangeTest, ANonIntegerIsRefused)
{
    ExpectRefused("abc", "Please enter an integer.");
    ExpectRefused("", "Please enter an integer.");
    ExpectRefused("4x", "Please enter an integer.");
    ExpectRefused("99999999999", "Please enter an integer.");
}

TEST_F(DataExchangeTest, AnIntegerOutsideTheRangeIsRefused)
{
    // The number is read before the range is checked, as the exchange order says.
    ExpectRefused("0", "Please enter an integer between 1 and 10.", true);
    ExpectRefused("11", "Please enter an integer between 1 and 10.", true);
    ExpectRefused("-3", "Please enter an integer between 1 and 10.", true);
}

TEST(ParseIntTest, AcceptsBlanksAndASign)
{
    int value = 0;
    EXPECT_TRUE(ParseInt("42", value));
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(ParseInt("\t-17 ", value));
    EXPECT_EQ(value, -17);
    EXPECT_TRUE(ParseInt("+8", value));
    EXPECT_EQ(value, 8);
    EXPECT_TRUE(ParseInt("2147483647", value));
    EXPECT_EQ(value, 2147483647);
    value = 99;
    EXPECT_FALSE(ParseInt("2147483648", value));
    EXPECT_FALSE(ParseInt("-", value));
    EXPECT_FALSE(ParseInt(" ", value));
    EXPECT_FALSE(ParseInt("1 2", value));
    EXPECT_FALSE(ParseInt("0x10", value));
    EXPECT_EQ(value, 99) << "a refused text leaves the value alone";
}

TEST(FrameworkMessageTest, NumbersReplaceThePlaceholders)
{
    EXPECT_EQ(FormatFrameworkMessage(MSG_ENTER_INTEGER_RANGE, 1, 10), "Please enter an integer between 1 and 10.");
    EXPECT_EQ(FormatFrameworkMessage(MSG_MAX_CHARS, 255), "Please enter no more than 255 characters.");
    EXPECT_STREQ(MSG_ENTER_INTEGER, "Please enter an integer.");
}

TEST(ExecutableNameTest, IsTheBaseNameWithoutExtension)
{
    EXPECT_EQ(ExecutableBaseName(), "framework_test");
}

} // namespace
