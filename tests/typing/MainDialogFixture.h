// The main dialog over a small dictionary: the starting point of the typing,
// Add New Word and Options tests, with the typist's helpers.
#pragma once
#include "res/resource.h"
#include "tests/support/MainDialog.h"
#include "tests/typing/TypingSupport.h"

namespace typing {

// 24 words in file order. "apple" is followed by nine words that show the
// list's tidying: capitals, blanks around a word, Cyrillic capitals.
const support::Pairs& TestWords();

class MainDialogTest : public support::MainDialogTest {
protected:
    void SetUp() override;

    // Types text at the end of edit 1013, one character message at a time,
    // as the keyboard would.
    void Type(const std::string& text);
    // Replaces the whole text of 1013 directly.
    void SetInput(const std::string& text);
    POINT ClientToScreenPt(int x, int y) const;
    bool RowVisible(int row) const { return ::IsWindowVisible(m_dlg->m_rowTips[row].m_hWnd) != FALSE; }
    bool AnyRowVisible() const;
};

} // namespace typing
