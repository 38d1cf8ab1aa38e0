// The copy methods against stand-in targets in processes of their own.
#include "CaptureWine.h"

#include "ui/MainDlg.h"

#include <gtest/gtest.h>

namespace {
void Attach(CMainDlg& dlg, const CopyTarget& target, const char* title)
{
    dlg.m_pTarget->m_hwndTop = target.top();
    dlg.m_strTargetTitle = title;
}
}  // namespace

TEST(CopyMethods, BrowserCopiesOnItsCommand)
{
    CopyTarget target("browser", "Page - Microsoft Internet Explorer");
    ASSERT_TRUE(target.top());
    CMainDlg dlg;
    Attach(dlg, target, "Page - Microsoft Internet Explorer");
    dlg.ClearClipboard();
    dlg.CopyByCommand();
    EXPECT_EQ("apple", support::ClipboardText());
}

TEST(CopyMethods, HelpViewerWithMenuCopiesOnFirstItemOfSecondMenu)
{
    CopyTarget target("help", "Windows Help", CopyTarget::THIS_PROCESS);
    ASSERT_TRUE(target.top());
    CMainDlg dlg;
    Attach(dlg, target, "Windows Help");
    dlg.ClearClipboard();
    dlg.CopyByMenuCommand();
    EXPECT_EQ("word", support::ClipboardText());
}

TEST(CopyMethods, HelpViewerWithoutMenuCopiesInItsBrowserChild)
{
    CopyTarget target("helpchild", "Topics Help");
    ASSERT_TRUE(target.top());
    CMainDlg dlg;
    Attach(dlg, target, "Topics Help");
    dlg.ClearClipboard();
    dlg.CopyByMenuCommand();
    EXPECT_EQ("house", support::ClipboardText());
    EXPECT_EQ(target.Find("Internet Explorer_Server"), dlg.m_pTarget->m_hwndChild);
}

TEST(CopyMethods, PdfReaderCopiesOnItemOfThirdMenuPosted)
{
    CopyTarget target("pdf", "manual.pdf - Acrobat Reader", CopyTarget::THIS_PROCESS);
    ASSERT_TRUE(target.top());
    CMainDlg dlg;
    Attach(dlg, target, "manual.pdf - Acrobat Reader");
    dlg.DetectCopyMethod();
    ASSERT_EQ(COPY_PDF, dlg.m_nCopyMethod);
    ASSERT_EQ(4, dlg.m_nAcrobatItem);
    dlg.ClearClipboard();
    dlg.CopyByAcrobatMenu();
    EXPECT_TRUE(support::PumpUntil([] { return support::ClipboardText() == "apple"; }));

    dlg.m_nAcrobatItem = 3;   // Acrobat Reader 4.0
    dlg.ClearClipboard();
    dlg.CopyByAcrobatMenu();
    EXPECT_TRUE(support::PumpUntil([] { return support::ClipboardText() == "house"; }));
}

TEST(FindBrowserChild, FindsTheChildOnAFirstChildChain)
{
    CopyTarget target("browser", "Some page");
    ASSERT_TRUE(target.top());
    CMainDlg dlg;
    Attach(dlg, target, "Some page");
    EXPECT_TRUE(dlg.FindBrowserChild());
    EXPECT_NE(nullptr, dlg.m_pTarget->m_hwndChild);
    EXPECT_EQ(target.Find("Internet Explorer_Server"), dlg.m_pTarget->m_hwndChild);
    dlg.DetectCopyMethod();
    EXPECT_EQ(COPY_HELP, dlg.m_nCopyMethod);
}

TEST(FindBrowserChild, MissesAChildThatIsNotAFirstChild)
{
    CopyTarget target("deep", "Deep page");
    ASSERT_TRUE(target.top());
    ASSERT_NE(nullptr, target.Find("Internet Explorer_Server"));
    CMainDlg dlg;
    Attach(dlg, target, "Deep page");
    dlg.m_pTarget->m_hwndChild = target.top();
    EXPECT_FALSE(dlg.FindBrowserChild());
    EXPECT_EQ(nullptr, dlg.m_pTarget->m_hwndChild);
    dlg.DetectCopyMethod();
    EXPECT_EQ(COPY_OTHER, dlg.m_nCopyMethod);
}

TEST(FindBrowserChild, HelpTitleCountsWithoutAChild)
{
    CopyTarget target("deep", "Deep Help");
    ASSERT_TRUE(target.top());
    CMainDlg dlg;
    Attach(dlg, target, "Deep Help");
    EXPECT_TRUE(dlg.FindBrowserChild());
    EXPECT_EQ(nullptr, dlg.m_pTarget->m_hwndChild);
    dlg.DetectCopyMethod();
    EXPECT_EQ(COPY_HELP, dlg.m_nCopyMethod);
    // No menu and no child: nothing is sent, nothing copied.
    dlg.ClearClipboard();
    dlg.CopyByMenuCommand();
    EXPECT_EQ("", support::ClipboardText());
}

TEST(DetectCopyMethod, TitleDecidesBeforeTheWindowTree)
{
    CopyTarget target("browser", "Page - Microsoft Internet Explorer");
    ASSERT_TRUE(target.top());
    CMainDlg dlg;
    Attach(dlg, target, "Page - Microsoft Internet Explorer");
    dlg.DetectCopyMethod();
    EXPECT_EQ(COPY_HTML, dlg.m_nCopyMethod);
    dlg.m_strTargetTitle = "notes.txt - Notepad";
    dlg.DetectCopyMethod();
    EXPECT_EQ(COPY_OTHER, dlg.m_nCopyMethod);
    dlg.m_strTargetTitle = "Notepad";   // only the tree is left: it holds a browser
    dlg.DetectCopyMethod();
    EXPECT_EQ(COPY_HELP, dlg.m_nCopyMethod);
}
