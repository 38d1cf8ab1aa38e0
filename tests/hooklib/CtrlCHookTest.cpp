// The keyboard hook (mode 1) watching a target program: the C key posts
// while Ctrl's key state is nonzero, held down or only toggled.
#include "HookFixture.h"
#include "tests/support/XInput.h"
#include "hooklib/Tapwire.h"

namespace {

const LPARAM VK_LETTER_C = 0x43;

class CtrlCHookTest : public HookTest {
protected:
    // Types `key` into the target, with `modifier` held unless it is empty,
    // and waits until the target has handled the last key-up; returns the
    // UWM_KEYBOARD_CTRLC posts until then.
    std::vector<Posted> Type(TargetProcess& target, const char* modifier, const char* key, LPARAM lastKey)
    {
        const size_t first = recorder.posts().size();
        int ups = target.Saw(WM_KEYUP, lastKey);
        if (*modifier)
            xinput::KeyWith(modifier, key);
        else
            xinput::Key(key);
        EXPECT_TRUE(target.WaitSaw(WM_KEYUP, lastKey, ups + 1)) << "the target never saw " << key;
        trace = recorder.Trace(first);
        std::vector<Posted> ctrlCs;
        for (size_t i = first; i < recorder.posts().size(); ++i)
            if (recorder.posts()[i].message == messages.ctrlC)
                ctrlCs.push_back(recorder.posts()[i]);
        return ctrlCs;
    }

    std::string trace;  // what arrived during the last Type

    void ExpectFromForeground(const std::vector<Posted>& ctrlCs, const TargetProcess& target)
    {
        for (const Posted& p : ctrlCs) {
            EXPECT_EQ(p.wParam, 0u);
            EXPECT_EQ(p.lParam, reinterpret_cast<LPARAM>(target.top()));
        }
    }
};

TEST_F(CtrlCHookTest, CtrlCPostsOnKeyDownAndOnKeyUp)
{
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    ASSERT_EQ(SetTapwire(recorder.hwnd(), target.threadId(), CAPTURE_CTRL_C), 1);

    std::vector<Posted> ctrlCs = Type(target, "ctrl", "c", VK_CONTROL);

    EXPECT_EQ(target.Saw(WM_KEYDOWN, VK_LETTER_C), 1);
    EXPECT_EQ(ctrlCs.size(), 2u) << trace;
    ExpectFromForeground(ctrlCs, target);
    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
}

TEST_F(CtrlCHookTest, EachAutoRepeatPostsToo)
{
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    ASSERT_EQ(SetTapwire(recorder.hwnd(), target.threadId(), CAPTURE_CTRL_C), 1);

    const size_t first = recorder.posts().size();
    int ctrlUps = target.Saw(WM_KEYUP, VK_CONTROL);
    xinput::KeysDown("ctrl", "c");
    const bool repeated = target.WaitSaw(WM_KEYDOWN, VK_LETTER_C, 3);
    xinput::KeysUp("c", "ctrl");
    ASSERT_TRUE(repeated) << "the X server did not repeat the held key";
    ASSERT_TRUE(target.WaitSaw(WM_KEYUP, VK_CONTROL, ctrlUps + 1));

    // Every key-down the target got, first and repeats, and the key-up.
    EXPECT_EQ(recorder.Count(messages.ctrlC, first), target.Saw(WM_KEYDOWN, VK_LETTER_C) + 1) << recorder.Trace(first);
    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
}

TEST_F(CtrlCHookTest, AKeystrokePeekedAtFirstPostsOnEachLook)
{
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y, TargetProcess::PEEK_FIRST);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    ASSERT_EQ(SetTapwire(recorder.hwnd(), target.threadId(), CAPTURE_CTRL_C), 1);

    std::vector<Posted> ctrlCs = Type(target, "ctrl", "c", VK_CONTROL);

    // Key-down and key-up, each looked at once and then taken.
    EXPECT_EQ(target.Saw(WM_KEYDOWN, VK_LETTER_C), 1);
    EXPECT_EQ(ctrlCs.size(), 4u) << trace;
    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
}

TEST_F(CtrlCHookTest, CAloneWithCtrlToggledPostsToo)
{
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    ASSERT_EQ(SetTapwire(recorder.hwnd(), target.threadId(), CAPTURE_CTRL_C), 1);
    // Only the low bit: Ctrl is up but toggled.
    ASSERT_EQ(target.SetCtrlToggle(true), 1);

    std::vector<Posted> ctrlCs = Type(target, "", "c", VK_LETTER_C);

    EXPECT_EQ(ctrlCs.size(), 2u) << trace;
    ExpectFromForeground(ctrlCs, target);
    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
}

TEST_F(CtrlCHookTest, CAloneWithoutCtrlPostsNothing)
{
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    ASSERT_EQ(SetTapwire(recorder.hwnd(), target.threadId(), CAPTURE_CTRL_C), 1);
    ASSERT_EQ(target.SetCtrlToggle(false), 0);

    std::vector<Posted> ctrlCs = Type(target, "", "c", VK_LETTER_C);

    EXPECT_EQ(target.Saw(WM_KEYDOWN, VK_LETTER_C), 1);
    EXPECT_EQ(ctrlCs.size(), 0u) << trace;
    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
}

TEST_F(CtrlCHookTest, OtherKeysWithCtrlPostNothing)
{
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    ASSERT_EQ(SetTapwire(recorder.hwnd(), target.threadId(), CAPTURE_CTRL_C), 1);

    std::vector<Posted> ctrlCs = Type(target, "ctrl", "v", VK_CONTROL);

    EXPECT_EQ(target.Saw(WM_KEYDOWN, 'V'), 1);
    EXPECT_EQ(ctrlCs.size(), 0u) << trace;
    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
}

}  // namespace
