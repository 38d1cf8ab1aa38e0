#include "TargetProcess.h"

#include <string>

#include "TargetProtocol.h"
#include "tests/support/XInput.h"

namespace {

std::string TargetCommand(const PostRecorder& recorder, int x, int y, TargetProcess::Loop loop)
{
    const std::string arguments = std::to_string(reinterpret_cast<UINT_PTR>(recorder.hwnd())) + " " +
                                  std::to_string(x) + " " + std::to_string(y) +
                                  (loop == TargetProcess::PEEK_FIRST ? " peek" : "");
    return support::BesideThisProgram("hook_target.exe", arguments);
}

} // namespace

TargetProcess::TargetProcess(PostRecorder& recorder, int x, int y, Loop loop)
    : m_recorder(recorder), m_process(TargetCommand(recorder, x, y, loop))
{
    // A new Wine process on a busy machine can take its time.
    m_top = m_process.WaitForWindow("HookTargetTop", "hook target", 60000);
    if (!m_top)
        return;
    m_dblclks = FindWindowExA(m_top, nullptr, "HookTargetDblClks", nullptr);
    m_plain = FindWindowExA(m_top, nullptr, "HookTargetPlain", nullptr);
    m_threadId = GetWindowThreadProcessId(m_top, nullptr);
}

// Closed as a user would close it; ended (by m_process) when it does not go.
TargetProcess::~TargetProcess()
{
    if (m_top)
        PostMessageA(m_top, WM_CLOSE, 0, 0);
    if (m_process.Started())
        m_recorder.WaitFor([&] { return !m_process.Running(); });
}

int TargetProcess::Saw(UINT message, LPARAM lParam) const
{
    return m_recorder.Count(TARGET_SAW, message, lParam);
}

bool TargetProcess::WaitSaw(UINT message, LPARAM lParam, int count)
{
    return m_recorder.WaitFor([&] { return Saw(message, lParam) >= count; });
}

bool TargetProcess::Activate()
{
    const LPARAM plain = reinterpret_cast<LPARAM>(m_plain);
    POINT p = xinput::CentreOf(m_plain);
    // The first click can come before the X server has mapped the new window;
    // it then lands on the root window and the target never sees it.
    for (int attempt = 0; attempt < 5; ++attempt) {
        int before = Saw(WM_LBUTTONUP, plain);
        xinput::Click(p.x, p.y);
        if (m_recorder.WaitFor([&] { return Saw(WM_LBUTTONUP, plain) > before; }, 3000))
            return m_recorder.WaitFor([&] { return GetForegroundWindow() == m_top; }, 5000);
    }
    return false;
}

int TargetProcess::SetCtrlToggle(bool on)
{
    size_t first = m_recorder.posts().size();
    PostMessageA(m_top, TARGET_SET_CTRL_TOGGLE, on ? 1 : 0, 0);
    int state = -1;
    m_recorder.WaitFor([&] {
        const auto& posts = m_recorder.posts();
        for (size_t i = first; i < posts.size(); ++i)
            if (posts[i].message == TARGET_SAW && posts[i].wParam == TARGET_SET_CTRL_TOGGLE)
                state = static_cast<int>(posts[i].lParam);
        return state != -1;
    });
    return state;
}
