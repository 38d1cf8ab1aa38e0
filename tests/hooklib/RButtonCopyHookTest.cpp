// The mouse hook (mode 2): a right-button release followed by a left-button
// release in the same process is a context-menu Copy.
#include "HookFixture.h"
#include "tests/support/XInput.h"
#include "hooklib/Tapwire.h"

namespace {

class RButtonCopyHookTest : public HookTest {
protected:
    // Clicks `button` (1 left, 3 right) in the plain child of `target` and
    // waits until the target has handled the release.
    void ClickIn(TargetProcess& target, int button)
    {
        const UINT release = button == 1 ? WM_LBUTTONUP : WM_RBUTTONUP;
        const LPARAM plain = reinterpret_cast<LPARAM>(target.plain());
        int before = target.Saw(release, plain);
        POINT p = xinput::CentreOf(target.plain());
        xinput::Click(p.x, p.y, button);
        EXPECT_TRUE(target.WaitSaw(release, plain, before + 1)) << "the target never saw button " << button;
    }
};

TEST_F(RButtonCopyHookTest, RightThenLeftReleaseInOneProcessPostsOnce)
{
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    ASSERT_EQ(SetTapwire(recorder.hwnd(), 0, CAPTURE_RB_COPY), 1);

    ClickIn(target, 3);
    EXPECT_EQ(recorder.Count(messages.rbuttonCopy), 0) << "a right release alone is no Copy yet";
    ClickIn(target, 1);
    EXPECT_EQ(recorder.Count(messages.rbuttonCopy), 1);
    EXPECT_EQ(recorder.Count(messages.rbuttonCopy, 0, reinterpret_cast<LPARAM>(target.top())), 1);
    ClickIn(target, 1);
    EXPECT_EQ(recorder.Count(messages.rbuttonCopy), 1) << "the pair was used up";
    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
}

TEST_F(RButtonCopyHookTest, RightReleaseInOneProcessDoesNotPairWithLeftReleaseInAnother)
{
    TargetProcess first(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    TargetProcess second(recorder, kSecondTargetAt.x, kSecondTargetAt.y);
    ASSERT_TRUE(first.ok());
    ASSERT_TRUE(second.ok());
    ASSERT_TRUE(first.Activate());
    ASSERT_EQ(SetTapwire(recorder.hwnd(), 0, CAPTURE_RB_COPY), 1);

    ClickIn(first, 3);
    ClickIn(second, 1);
    EXPECT_EQ(recorder.Count(messages.rbuttonCopy), 0);
    // The first process still holds its right release.
    ClickIn(first, 1);
    EXPECT_EQ(recorder.Count(messages.rbuttonCopy), 1);
    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
}

}  // namespace
