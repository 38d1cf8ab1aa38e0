// Which hooks each capture mode installs, and which ClearTapwire removes,
// seen from the gestures that reach the test from a target program.
#include <memory>

#include "HookFixture.h"
#include "InstallerProcess.h"
#include "SharedSection.h"
#include "hooklib/Tapwire.h"

namespace {

// The posts one round of gestures brings with a given set of hooks: the
// message hook sees two left releases, the keyboard hook the key-down and
// key-up of C, the mouse hook one right-then-left pair.
void ExpectHooks(const Probed& probed, bool selection, bool keyboard, bool mouse)
{
    ASSERT_TRUE(probed.complete) << "the target did not see every gesture";
    EXPECT_EQ(probed.selections, selection ? 2 : 0) << probed.trace;
    EXPECT_EQ(probed.ctrlCs, keyboard ? 2 : 0) << probed.trace;
    EXPECT_EQ(probed.rbuttonCopies, mouse ? 1 : 0) << probed.trace;
}

class CaptureModesTest : public HookTest {
protected:
    void SetUp() override
    {
        HookTest::SetUp();
        shared = FindTapwireSection();
        ASSERT_NE(shared.words, nullptr);
    }

    // After a ClearTapwire the notify window is null, and a hook that stayed
    // behind would post into the void. Another process sets it again, with
    // hooks of its own on its own thread only: the target stays unwatched,
    // and this process's slots stay as they are.
    void NotifyAgainFromElsewhere()
    {
        notifier.reset(new InstallerProcess(recorder, CAPTURE_ALL, InstallerProcess::ITS_OWN_THREAD,
                                            InstallerProcess::EXIT));
        ASSERT_EQ(notifier->WaitInstalled(), 1);
        ASSERT_EQ(shared.hwndNotify(), AsShared(recorder.hwnd()));
    }

    SharedSection shared;
    std::unique_ptr<InstallerProcess> notifier;
};

class EachCaptureMode : public CaptureModesTest, public ::testing::WithParamInterface<int> {};

TEST_P(EachCaptureMode, InstallsItsHooksAndClearRemovesThem)
{
    const int mode = GetParam();
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());

    ASSERT_EQ(SetTapwire(recorder.hwnd(), 0, mode), 1);
    EXPECT_EQ(shared.hwndNotify(), AsShared(recorder.hwnd()));
    ExpectHooks(ProbeAllGestures(target), mode == CAPTURE_SELECT || mode == CAPTURE_ALL,
                mode == CAPTURE_CTRL_C || mode == CAPTURE_ALL, mode == CAPTURE_RB_COPY || mode == CAPTURE_ALL);

    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
    EXPECT_EQ(shared.hwndNotify(), 0);
    NotifyAgainFromElsewhere();
    ExpectHooks(ProbeAllGestures(target), false, false, false);
}

INSTANTIATE_TEST_SUITE_P(Modes, EachCaptureMode,
                         ::testing::Values(CAPTURE_SELECT, CAPTURE_CTRL_C, CAPTURE_RB_COPY, CAPTURE_ALL));

TEST_F(CaptureModesTest, ClearRemovesOnlyTheHookOfTheLastSingleHookMode)
{
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    ASSERT_EQ(SetTapwire(recorder.hwnd(), 0, CAPTURE_SELECT), 1);
    ASSERT_EQ(SetTapwire(recorder.hwnd(), 0, CAPTURE_CTRL_C), 1);

    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
    NotifyAgainFromElsewhere();
    ExpectHooks(ProbeAllGestures(target), true, false, false);
}

// A slot that still holds a hook gets the new one and loses the old one:
// nothing is watched twice, and nothing stays behind after ClearTapwire.
TEST_F(CaptureModesTest, InstallingIntoAFilledSlotReplacesItsHook)
{
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    ASSERT_EQ(SetTapwire(recorder.hwnd(), 0, CAPTURE_SELECT), 1);
    ASSERT_EQ(SetTapwire(recorder.hwnd(), target.threadId(), CAPTURE_ALL), 1);
    ExpectHooks(ProbeAllGestures(target), true, true, true);

    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
    NotifyAgainFromElsewhere();
    ExpectHooks(ProbeAllGestures(target), false, false, false);
}

TEST_F(CaptureModesTest, ModeOutsideZeroToThreeReturnsZeroAndChangesNothing)
{
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    ASSERT_EQ(SetTapwire(recorder.hwnd(), 0, CAPTURE_SELECT), 1);
    PostRecorder other;

    EXPECT_EQ(SetTapwire(other.hwnd(), 0, 4), 0);
    EXPECT_EQ(SetTapwire(other.hwnd(), 0, -1), 0);
    EXPECT_EQ(shared.hwndNotify(), AsShared(recorder.hwnd()));
    ExpectHooks(ProbeAllGestures(target), true, false, false);
    EXPECT_TRUE(other.posts().empty());
    // Still the selection hook's slot: removing it succeeds.
    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
}

TEST_F(CaptureModesTest, ClearTwiceSucceedsThenFails)
{
    ASSERT_EQ(SetTapwire(recorder.hwnd(), 0, CAPTURE_ALL), 1);
    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
    EXPECT_EQ(shared.hwndNotify(), 0);
    EXPECT_EQ(ClearTapwire(recorder.hwnd()), 0);

    ASSERT_EQ(SetTapwire(recorder.hwnd(), 0, CAPTURE_CTRL_C), 1);
    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
    EXPECT_EQ(ClearTapwire(recorder.hwnd()), 0);
}

TEST_F(CaptureModesTest, FailedInstallReturnsZeroWithTheSystemErrorAndKeepsTheNotifyWindow)
{
    ASSERT_EQ(SetTapwire(recorder.hwnd(), GetCurrentThreadId(), CAPTURE_SELECT), 1);
    PostRecorder other;
    const DWORD gone = EndedThreadId();

    for (int mode : {CAPTURE_SELECT, CAPTURE_CTRL_C, CAPTURE_RB_COPY, CAPTURE_ALL}) {
        SetLastError(0);
        EXPECT_EQ(SetTapwire(other.hwnd(), gone, mode), 0) << "mode " << mode;
        EXPECT_NE(GetLastError(), 0u) << "mode " << mode;
        EXPECT_EQ(shared.hwndNotify(), AsShared(recorder.hwnd())) << "mode " << mode;
    }
}

}  // namespace
