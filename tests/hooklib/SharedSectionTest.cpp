// The shared section ".ZETO" as the loaded library has it: 12 bytes, shared,
// readable and writable, zero at load, three words in their order, and the
// same words in every process that maps the library.
#include "HookFixture.h"
#include "SharedSection.h"
#include "tests/support/XInput.h"
#include "hooklib/Tapwire.h"

namespace {

// Read before any test runs: nothing has been installed yet.
struct WordsAtLoad {
    bool found = false;
    LONG words[3] = {};
    WordsAtLoad()
    {
        SharedSection shared = FindTapwireSection();
        found = shared.words != nullptr && shared.virtualSize >= 12;
        for (int i = 0; found && i < 3; ++i)
            words[i] = shared.words[i];
    }
};
const WordsAtLoad g_atLoad;

class SharedSectionTest : public HookTest {
protected:
    void SetUp() override
    {
        HookTest::SetUp();
        shared = FindTapwireSection();
        ASSERT_NE(shared.words, nullptr) << "no .ZETO section in the loaded Tapwire.dll";
    }
    SharedSection shared;
};

TEST_F(SharedSectionTest, IsTwelveBytesSharedReadableAndWritable)
{
    EXPECT_EQ(shared.virtualSize, 12u);
    const DWORD wanted = IMAGE_SCN_MEM_SHARED | IMAGE_SCN_MEM_READ | IMAGE_SCN_MEM_WRITE;
    EXPECT_EQ(shared.characteristics & wanted, wanted);
    EXPECT_EQ(shared.characteristics & (IMAGE_SCN_MEM_EXECUTE | IMAGE_SCN_CNT_CODE), 0u);
}

TEST_F(SharedSectionTest, IsZeroAtLoad)
{
    ASSERT_TRUE(g_atLoad.found);
    EXPECT_EQ(g_atLoad.words[0], 0);
    EXPECT_EQ(g_atLoad.words[1], 0);
    EXPECT_EQ(g_atLoad.words[2], 0);
}

TEST_F(SharedSectionTest, NotifyWindowsSitInTheFirstAndThirdWord)
{
    PostRecorder other;
    ASSERT_EQ(SetTapwire(recorder.hwnd(), GetCurrentThreadId(), CAPTURE_CTRL_C), 1);
    ASSERT_EQ(SetLButtonHook(other.hwnd(), GetCurrentThreadId()), 1);
    EXPECT_EQ(shared.hwndNotify(), AsShared(recorder.hwnd()));
    EXPECT_EQ(shared.hwndLButtonNotify(), AsShared(other.hwnd()));

    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
    EXPECT_EQ(shared.hwndNotify(), 0);
    EXPECT_EQ(shared.hwndLButtonNotify(), AsShared(other.hwnd()));
    EXPECT_NE(ClearLButtonHook(), 0);
    EXPECT_EQ(shared.hwndLButtonNotify(), 0);
}

// The selection hook runs in the target's process; what it writes there is
// what this process reads.
TEST_F(SharedSectionTest, SecondWordHoldsTheWindowOfTheLastMessageInTheHookedProcess)
{
    TargetProcess target(recorder, kFirstTargetAt.x, kFirstTargetAt.y);
    ASSERT_TRUE(target.ok());
    ASSERT_TRUE(target.Activate());
    ASSERT_EQ(SetTapwire(recorder.hwnd(), target.threadId(), CAPTURE_SELECT), 1);

    const LPARAM dblclks = reinterpret_cast<LPARAM>(target.dblclks());
    POINT p = xinput::CentreOf(target.dblclks());
    xinput::Click(p.x, p.y);
    ASSERT_TRUE(target.WaitSaw(WM_LBUTTONUP, dblclks));

    HWND last = static_cast<HWND>(LongToHandle(shared.hwndLastMsg()));
    EXPECT_NE(last, nullptr);
    EXPECT_EQ(GetWindowThreadProcessId(last, nullptr), target.threadId());
    EXPECT_NE(ClearTapwire(recorder.hwnd()), 0);
}

}  // namespace
