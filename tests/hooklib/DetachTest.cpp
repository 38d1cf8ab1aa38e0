// A process that installed the capture hooks lets go of Tapwire with the
// hooks still in: the library removes them itself, and the target's
// gestures reach the test no more.
#include "HookFixture.h"
#include "InstallerProcess.h"
#include "SharedSection.h"
#include "hooklib/Tapwire.h"

namespace {

class DetachTest : public HookTest {
protected:
    void SetUp() override
    {
        HookTest::SetUp();
        shared = FindTapwireSection();
        ASSERT_NE(shared.words, nullptr);
    }
    SharedSection shared;
};

TEST_F(DetachTest, InstallerExitingWithHooksInRemovesThem)
{
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    InstallerProcess installer(recorder, CAPTURE_ALL, InstallerProcess::EVERY_THREAD, InstallerProcess::EXIT);
    ASSERT_EQ(installer.WaitInstalled(), 1);
    EXPECT_EQ(shared.hwndNotify(), AsShared(recorder.hwnd()));
    Probed live = ProbeAllGestures(target);
    ASSERT_TRUE(live.complete);
    EXPECT_EQ(live.selections, 2) << "the installer's hooks should be working";

    installer.Release();
    ASSERT_TRUE(installer.WaitEnded());

    EXPECT_EQ(shared.hwndNotify(), 0) << "the installer's detach should have removed its hooks";
    Probed after = ProbeAllGestures(target);
    ASSERT_TRUE(after.complete);
    EXPECT_EQ(after.selections + after.ctrlCs + after.rbuttonCopies, 0);
}

TEST_F(DetachTest, InstallerUnloadingTheLibraryWithHooksInRemovesThem)
{
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    InstallerProcess installer(recorder, CAPTURE_ALL, InstallerProcess::EVERY_THREAD, InstallerProcess::UNLOAD);
    ASSERT_EQ(installer.WaitInstalled(), 1);
    Probed live = ProbeAllGestures(target);
    ASSERT_TRUE(live.complete);
    EXPECT_EQ(live.ctrlCs, 2) << "the installer's hooks should be working";

    // The installer lives on; only its copy of the library goes.
    installer.Release();
    ASSERT_TRUE(installer.WaitUnloaded());

    EXPECT_EQ(shared.hwndNotify(), 0);
    Probed after = ProbeAllGestures(target);
    ASSERT_TRUE(after.complete);
    EXPECT_EQ(after.selections + after.ctrlCs + after.rbuttonCopies, 0);
}

TEST_F(DetachTest, AHookedProcessEndingLeavesTheInstallersHooksAlone)
{
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    {
        // Hooked, so it maps the library; its detach must not clear anything.
        TargetProcess passerby(recorder, kSecondTargetAt.x, kSecondTargetAt.y);
        ASSERT_TRUE(passerby.ok());
        ASSERT_EQ(SetTapwire(recorder.hwnd(), 0, CAPTURE_ALL), 1);
        ASSERT_TRUE(passerby.Activate());
    }
    EXPECT_EQ(shared.hwndNotify(), AsShared(recorder.hwnd()));
    ASSERT_TRUE(target.Activate());
    Probed after = ProbeAllGestures(target);
    ASSERT_TRUE(after.complete);
    EXPECT_EQ(after.selections, 2);
    EXPECT_EQ(after.ctrlCs, 2);
    EXPECT_EQ(after.rbuttonCopies, 1);
    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
}

}  // namespace
