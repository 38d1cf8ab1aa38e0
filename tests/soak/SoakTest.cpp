// Leak soak: translations through both capture roads (a copy gesture; a
// mouse selection, which borrows the user's clipboard and gives it back) and
// keystrokes in the input box, many times over, must leave the process's GDI
// objects, USER objects and heap where they were after a warm-up.
//
// WORDLUMO_SOAK_COUNT sets how many of each (default 500; ./wordlumo soak
// runs 2000).
#include "hooklib/Tapwire.h"
#include "tests/faults/Intruder.h"
#include "tests/soak/GuiCounters.h"
#include "tests/support/Clipboard.h"
#include "tests/support/Cp1251Text.h"
#include "tests/support/MainDialog.h"
#include "tests/support/Pump.h"
#include "tests/support/StandIn.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/MainDlg.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const int IDC_TRANSLATION = 1001;
const int IDC_INPUT = 1013;

// Growth that is no leak: handles and heap blocks the system caches or
// grows in steps (a font cache entry, a larger message queue).
const long OBJECT_SLACK = 4;
const long long HEAP_SLACK = 64 * 1024;

int SoakCount()
{
    const char* value = std::getenv("WORDLUMO_SOAK_COUNT");
    const int n = value ? std::atoi(value) : 0;
    return n > 0 ? n : 500;
}

// Sixty distinct words, each with its own translation.
support::Pairs SoakWords()
{
    support::Pairs pairs;
    for (int i = 0; i < 60; ++i) {
        const std::string word = std::string("soak") + char('a' + i / 26) + char('a' + i % 26);
        pairs.push_back({word, u8"превод "_cp1251 + std::to_string(i)});
    }
    return pairs;
}

// The application that copies: another process, as on a real desktop. (A
// clipboard that this process both fills and reads costs Wine a kilobyte per
// change that it never gives back, which would drown what we measure.)
class CopyingApplication {
public:
    CopyingApplication()
        : m_name("wordlumo-soak-source-" + std::to_string(::GetCurrentProcessId())),
          m_ready(NamedEvent(m_name + "-ready")),
          m_process("clipboard-source " + m_name)
    {
        if (m_process.Started() && ::WaitForSingleObject(m_ready, 30000) == WAIT_OBJECT_0)
            m_window = ::FindWindowA(nullptr, "Wordlumo clipboard source");
    }
    ~CopyingApplication() { ::CloseHandle(m_ready); }

    bool Ready() const { return m_window != nullptr; }

    // The application copies text: it lands on the clipboard as CF_TEXT
    // (rich: with a picture and a format of the application's own).
    bool Copy(const std::string& text, bool rich = false)
    {
        COPYDATASTRUCT data{rich ? INTRUDER_COPY_RICH : 0, static_cast<DWORD>(text.size()),
                            const_cast<char*>(text.data())};
        DWORD_PTR put = 0;
        return ::SendMessageTimeoutA(m_window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 10000,
                                     &put)
            && put == 1;
    }

private:
    std::string m_name;
    HANDLE m_ready;
    Intruder m_process;
    HWND m_window = nullptr;
};

// The application a mouse selection is made in: a pane in another process
// that answers WM_COPY with its text. It is no edit, which Zeto would read
// without the clipboard: this soaks the borrow.
class SelectionTarget : public support::StandIn {
public:
    SelectionTarget() : StandIn("typist", "Wordlumo soak target") {}
    HWND pane() const { return child(); }
    // The word is all the pane holds, and all it copies.
    void Select(const std::string& word) const { ::SetWindowTextA(pane(), word.c_str()); }
};

class SoakTest : public support::MainDialogTest {
protected:
    void SetUp() override
    {
        support::WriteZetoFiles(words);
        ASSERT_TRUE(application.Ready());
        OpenMainDialog();
    }

    // Ctrl+C in the target (the hook's message), then the target's copy
    // reaches the clipboard: the translation must appear in edit 1001.
    void TranslateByCopyGesture(int i)
    {
        const auto& pair = words[i % words.size()];
        ::PostMessageA(m_dlg->m_hWnd, ctrlC, 0, 0);
        ASSERT_TRUE(support::PumpUntil([&] { return m_dlg->m_bCapturePending == 1; })) << "copy gesture " << i;
        ASSERT_TRUE(application.Copy(pair.first)) << "clipboard for translation " << i;
        HWND shown = m_dlg->GetDlgItem(IDC_TRANSLATION);
        ASSERT_TRUE(support::PumpUntil([&] { return support::TextOf(shown) == pair.second; }))
            << "translation " << i << " of " << pair.first;
        ::SendMessageA(m_dlg->m_hWnd, WM_TIMER, 1, 0);   // timer 1: the tooltip goes
    }

    // A mouse selection in the target: Zeto saves the user's clipboard, has
    // the target copy, shows the translation and puts the user's content back.
    void TranslateByMouseSelection(const SelectionTarget& target, int i)
    {
        const auto& pair = words[i % words.size()];
        target.Select(pair.first);
        ASSERT_EQ(1, m_dlg->OnMouseSelection((WPARAM)target.pane(), (LPARAM)target.top())) << "selection " << i;
        HWND shown = m_dlg->GetDlgItem(IDC_TRANSLATION);
        ASSERT_TRUE(support::PumpUntil([&] { return support::TextOf(shown) == pair.second; }))
            << "translation " << i << " of " << pair.first;
        ::SendMessageA(m_dlg->m_hWnd, WM_TIMER, 1, 0);   // timer 1: the tooltip goes
    }

    // Types a word into edit 1013 and erases it again, a key at a time.
    void Keystroke(int i)
    {
        static const char KEYS[] = "soakab\b\b\b\b\b\bsoakbz\b\b\b\b\b\b";
        const char key = KEYS[i % (sizeof KEYS - 1)];
        ::SendMessageA(m_dlg->GetDlgItem(IDC_INPUT), WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(key)), 1);
        support::PumpPending();
        if (key == '\b')
            ::SendMessageA(m_dlg->m_hWnd, WM_TIMER, 1, 0);   // the suggestion rows go
    }

    GuiCounters Settled()
    {
        ::SendMessageA(m_dlg->m_hWnd, WM_TIMER, 1, 0);
        support::PumpPending();
        return ReadGuiCounters();
    }

    void ExpectFlat(const char* what, const GuiCounters& before, const GuiCounters& after)
    {
        std::printf("%s: before %s\n%s: after  %s\n", what, before.Describe().c_str(), what,
                    after.Describe().c_str());
        EXPECT_LE(after.gdiObjects - before.gdiObjects, OBJECT_SLACK) << what;
        EXPECT_LE(after.userObjects - before.userObjects, OBJECT_SLACK) << what;
        EXPECT_LE(after.heapBytes - before.heapBytes, HEAP_SLACK) << what;
    }

    const support::Pairs words = SoakWords();
    const UINT ctrlC = g_tapwireMessages.ctrlC;
    CopyingApplication application;
};

TEST_F(SoakTest, TranslationsThroughTheCaptureRoadLeaveNoObjectsBehind)
{
    const int n = SoakCount();
    for (int i = 0; i < 50; ++i)   // warm-up: first tooltip, fonts, queues
        ASSERT_NO_FATAL_FAILURE(TranslateByCopyGesture(i));
    const GuiCounters before = Settled();
    for (int i = 0; i < n; ++i)
        ASSERT_NO_FATAL_FAILURE(TranslateByCopyGesture(i));
    const GuiCounters after = Settled();
    ExpectFlat((std::to_string(n) + " translations").c_str(), before, after);
}

TEST_F(SoakTest, SelectionsThroughTheMouseRoadLeaveNoObjectsBehindAndTheClipboardComesBack)
{
    SelectionTarget target;
    ASSERT_TRUE(target.pane());
    // The user's clipboard: text, a picture and a registered format of another program.
    ASSERT_TRUE(application.Copy("user's own words", true));
    const UINT richFormat = ::RegisterClipboardFormatA(INTRUDER_RICH_FORMAT);
    m_dlg->m_nCopyMethod = COPY_OTHER;   // WM_COPY, and nothing else
    m_dlg->m_settings.copyWithCtrlC = 0;
    m_dlg->m_mouseWatch.TakeEveryRelease();
    m_dlg->m_pTarget->m_hwndTop = target.top();
    const int n = SoakCount();
    for (int i = 0; i < 50; ++i)
        ASSERT_NO_FATAL_FAILURE(TranslateByMouseSelection(target, i));
    const GuiCounters before = Settled();
    for (int i = 0; i < n; ++i)
        ASSERT_NO_FATAL_FAILURE(TranslateByMouseSelection(target, i));
    const GuiCounters after = Settled();
    // After the first selection the user's content on the clipboard is
    // Zeto's restore, and Zeto does not read it again: under Wine each read
    // of a format the reader itself put there costs a kilobyte for good.
    ExpectFlat((std::to_string(n) + " mouse selections").c_str(), before, after);
    EXPECT_TRUE(::IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_TRUE(::IsClipboardFormatAvailable(richFormat));
    EXPECT_EQ("user's own words", support::ClipboardText());
}

TEST_F(SoakTest, KeystrokesInTheInputBoxLeaveNoObjectsBehind)
{
    const int n = SoakCount();
    HWND input = m_dlg->GetDlgItem(IDC_INPUT);
    ::SetFocus(input);
    for (int i = 0; i < 48; ++i)   // warm-up: rows, their fonts, the row hook
        Keystroke(i);
    const GuiCounters before = Settled();
    for (int i = 0; i < n; ++i)
        Keystroke(i);
    const GuiCounters after = Settled();
    // Keystrokes really reached the dialog: the box holds what was typed.
    std::string typed;
    for (int i = 0; i < n; ++i) {
        static const char KEYS[] = "soakab\b\b\b\b\b\bsoakbz\b\b\b\b\b\b";
        const char key = KEYS[(48 + i) % (sizeof KEYS - 1)];
        if (key == '\b') {
            if (!typed.empty())
                typed.pop_back();
        } else {
            typed += key;
        }
    }
    EXPECT_EQ(support::TextOf(input), typed);
    ExpectFlat((std::to_string(n) + " keystrokes").c_str(), before, after);
}

} // namespace
