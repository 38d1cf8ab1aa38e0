#include "HookFixture.h"

#include "tests/support/XInput.h"
#include "hooklib/Tapwire.h"

void HookTest::SetUp()
{
    ASSERT_NE(recorder.hwnd(), nullptr);
    ASSERT_TRUE(xinput::Available()) << "xdotool cannot be reached from this process";
}

void HookTest::TearDown()
{
    // Whatever a test left behind: new hooks on this thread take every slot
    // over, removing their predecessors, and then go themselves.
    SetTapwire(recorder.hwnd(), GetCurrentThreadId(), CAPTURE_ALL);
    ClearTapwire(recorder.hwnd());
    SetLButtonHook(recorder.hwnd(), GetCurrentThreadId());
    ClearLButtonHook();
}

Probed HookTest::ProbeAllGestures(TargetProcess& target)
{
    const size_t first = recorder.posts().size();
    const LPARAM plain = reinterpret_cast<LPARAM>(target.plain());
    const POINT p = xinput::CentreOf(target.plain());
    Probed probed;

    int releases = target.Saw(WM_LBUTTONUP, plain);
    xinput::Click(p.x, p.y);
    if (!target.WaitSaw(WM_LBUTTONUP, plain, ++releases))
        return probed;

    int ctrlUps = target.Saw(WM_KEYUP, VK_CONTROL);
    xinput::KeyWith("ctrl", "c");
    if (!target.WaitSaw(WM_KEYUP, VK_CONTROL, ++ctrlUps))
        return probed;

    int rightReleases = target.Saw(WM_RBUTTONUP, plain);
    xinput::Click(p.x, p.y, 3);
    if (!target.WaitSaw(WM_RBUTTONUP, plain, ++rightReleases))
        return probed;
    xinput::Click(p.x, p.y);
    if (!target.WaitSaw(WM_LBUTTONUP, plain, ++releases))
        return probed;

    probed.trace = recorder.Trace(first);
    probed.selections = recorder.Count(messages.mouseSelection, first);
    probed.ctrlCs = recorder.Count(messages.ctrlC, first);
    probed.rbuttonCopies = recorder.Count(messages.rbuttonCopy, first);
    probed.complete = true;
    return probed;
}

DWORD EndedThreadId()
{
    DWORD id = 0;
    HANDLE thread = CreateThread(nullptr, 0, [](LPVOID) -> DWORD { return 0; }, nullptr, 0, &id);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    return id;
}
