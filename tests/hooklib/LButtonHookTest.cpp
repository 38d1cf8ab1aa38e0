// The left-button hook: every left-button press reaches the test with its
// screen point, until the hook is removed.
#include "HookFixture.h"
#include "SharedSection.h"
#include "tests/support/XInput.h"
#include "hooklib/Tapwire.h"

namespace {

class LButtonHookTest : public HookTest {};

TEST_F(LButtonHookTest, PressPostsItsScreenPoint)
{
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    ASSERT_EQ(SetLButtonHook(recorder.hwnd(), 0), 1);

    // Off the centre, so x and y differ and cannot be swapped unnoticed.
    RECT r;
    GetWindowRect(target.dblclks(), &r);
    const POINT at = {r.left + 17, r.top + 41};
    xinput::Click(at.x, at.y);
    ASSERT_TRUE(target.WaitSaw(WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(target.dblclks())));

    EXPECT_EQ(recorder.Count(messages.lbuttonPress), 1);
    EXPECT_EQ(recorder.Count(messages.lbuttonPress, static_cast<WPARAM>(at.x), at.y), 1);
    EXPECT_EQ(recorder.Count(messages.mouseSelection), 0) << "the left-button hook is not a capture hook";
    EXPECT_NE(ClearLButtonHook(), 0);
}

TEST_F(LButtonHookTest, ClearSucceedsOnceAndForgetsTheNotifyWindow)
{
    SharedSection shared = FindTapwireSection();
    ASSERT_NE(shared.words, nullptr);
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    ASSERT_EQ(SetLButtonHook(recorder.hwnd(), target.threadId()), 1);
    EXPECT_EQ(shared.hwndLButtonNotify(), AsShared(recorder.hwnd()));

    EXPECT_NE(ClearLButtonHook(), 0);
    EXPECT_EQ(shared.hwndLButtonNotify(), 0);
    EXPECT_EQ(ClearLButtonHook(), 0);
}

TEST_F(LButtonHookTest, HookForADeadThreadFailsAndKeepsTheNotifyWindow)
{
    SharedSection shared = FindTapwireSection();
    ASSERT_NE(shared.words, nullptr);
    ASSERT_EQ(shared.hwndLButtonNotify(), 0);
    EXPECT_EQ(SetLButtonHook(recorder.hwnd(), EndedThreadId()), 0);
    EXPECT_EQ(shared.hwndLButtonNotify(), 0);
}

}  // namespace
