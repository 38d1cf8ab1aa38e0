// The message hook (mode 0) watching a target program: left-button releases
// and double clicks reach the test with the window and the foreground window.
#include "HookFixture.h"
#include "SharedSection.h"
#include "tests/support/XInput.h"
#include "hooklib/Tapwire.h"

namespace {

class SelectionHookTest : public HookTest {
protected:
    // Double-clicks the centre of `child` and waits until the target has
    // handled the second release; returns the posts of messages.mouseSelection until then.
    std::vector<Posted> DoubleClickIn(TargetProcess& target, HWND child)
    {
        const size_t first = recorder.posts().size();
        const LPARAM window = reinterpret_cast<LPARAM>(child);
        int releases = target.Saw(WM_LBUTTONUP, window);
        POINT p = xinput::CentreOf(child);
        xinput::DoubleClick(p.x, p.y);
        EXPECT_TRUE(target.WaitSaw(WM_LBUTTONUP, window, releases + 2)) << "the target never saw the double click";
        std::vector<Posted> selections;
        for (size_t i = first; i < recorder.posts().size(); ++i)
            if (recorder.posts()[i].message == messages.mouseSelection)
                selections.push_back(recorder.posts()[i]);
        return selections;
    }
};

TEST_F(SelectionHookTest, DoubleClickInAWindowTakingDoubleClicksPostsThree)
{
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    ASSERT_EQ(SetTapwire(recorder.hwnd(), 0, CAPTURE_SELECT), 1);

    std::vector<Posted> selections = DoubleClickIn(target, target.dblclks());

    EXPECT_EQ(target.Saw(WM_LBUTTONDBLCLK, reinterpret_cast<LPARAM>(target.dblclks())), 1);
    ASSERT_EQ(selections.size(), 3u);
    for (const Posted& p : selections) {
        EXPECT_EQ(p.wParam, reinterpret_cast<WPARAM>(target.dblclks()));
        EXPECT_EQ(p.lParam, reinterpret_cast<LPARAM>(target.top()));
    }
    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
}

TEST_F(SelectionHookTest, DoubleClickInAWindowWithoutDoubleClicksPostsTwo)
{
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    ASSERT_EQ(SetTapwire(recorder.hwnd(), 0, CAPTURE_SELECT), 1);

    std::vector<Posted> selections = DoubleClickIn(target, target.plain());

    EXPECT_EQ(target.Saw(WM_LBUTTONDBLCLK, reinterpret_cast<LPARAM>(target.plain())), 0);
    ASSERT_EQ(selections.size(), 2u);
    for (const Posted& p : selections) {
        EXPECT_EQ(p.wParam, reinterpret_cast<WPARAM>(target.plain()));
        EXPECT_EQ(p.lParam, reinterpret_cast<LPARAM>(target.top()));
    }
    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
}

TEST_F(SelectionHookTest, HooksForOneThreadWatchOnlyThatThread)
{
    TargetProcess watched(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    TargetProcess other(recorder, kSecondTargetAt.x, kSecondTargetAt.y);
    ASSERT_TRUE(watched.ok());
    ASSERT_TRUE(other.ok());
    ASSERT_TRUE(other.Activate());
    ASSERT_EQ(SetTapwire(recorder.hwnd(), watched.threadId(), CAPTURE_SELECT), 1);

    POINT p = xinput::CentreOf(other.plain());
    xinput::Click(p.x, p.y);
    ASSERT_TRUE(other.WaitSaw(WM_LBUTTONUP, reinterpret_cast<LPARAM>(other.plain()), 2));
    EXPECT_EQ(recorder.Count(messages.mouseSelection), 0);

    p = xinput::CentreOf(watched.plain());
    xinput::Click(p.x, p.y);
    ASSERT_TRUE(watched.WaitSaw(WM_LBUTTONUP, reinterpret_cast<LPARAM>(watched.plain())));
    EXPECT_EQ(recorder.Count(messages.mouseSelection), 1);
    EXPECT_EQ(recorder.Count(messages.mouseSelection, reinterpret_cast<WPARAM>(watched.plain()),
                             reinterpret_cast<LPARAM>(watched.top())), 1);
    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
}

}  // namespace
