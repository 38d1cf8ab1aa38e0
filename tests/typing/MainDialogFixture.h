// A real main dialog, modeless, over a small dictionary in a scratch working
// directory: the starting point of the typing, Add New Word and Options tests.
#pragma once
#include "res/resource.h"
#include "tests/typing/TypingSupport.h"
#include "ui/MainDlg.h"

#include <gtest/gtest.h>

#include <memory>

namespace typing {

// 24 words in file order. "apple" is followed by nine words that show the
// list's tidying: capitals, blanks around a word, Cyrillic capitals.
const Pairs& TestWords();

class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the main dialog over the files now in the scratch directory.
    void OpenMainDialog();
    void CloseMainDialog();

    HWND Item(int id) const { return ::GetDlgItem(m_dlg->m_hWnd, id); }
    std::string ItemText(int id) const { return TextOf(Item(id)); }
    // Types text at the end of edit 1013, one character message at a time,
    // as the keyboard would.
    void Type(const std::string& text);
    // Replaces the whole text of 1013 directly.
    void SetInput(const std::string& text);
    POINT ClientToScreenPt(int x, int y) const;
    bool RowVisible(int row) const { return ::IsWindowVisible(m_dlg->m_rowTips[row].m_hWnd) != FALSE; }
    bool AnyRowVisible() const;

    std::unique_ptr<ScratchDir> m_dir;
    std::unique_ptr<CMainDlg> m_dlg;
};

} // namespace typing
