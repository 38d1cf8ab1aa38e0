// The whole road under Wine, timed from the button's release as the X server
// stamped it to Zeto's tooltip showing the translation, with the history and
// the pronunciation off (the road as it was before them) and on. Two roads: Wine
// Notepad's edit is asked for its selection (the clipboard is not touched);
// the stand-in reader ignores WM_COPY, as browsers do, and Zeto borrows the
// clipboard and presses Ctrl+C. Each round drags over a word; the words alternate
// so that each round's tooltip text differs from the last. notepad_e2e.sh
// (tests/e2e) starts Wine Notepad on its words and then this, with --bench:
//   capture_bench.exe ZETO_EXE NOTEPAD_TITLE
// It drives them as the end-to-end tests do, through their Session.
#include "res/resource.h"
#include "tests/e2e/Session.h"
#include "tests/support/ClipboardViewer.h"
#include "tests/support/StandIn.h"
#include "tests/support/WindowClass.h"
#include "tests/support/WindowText.h"
#include "tests/support/XInput.h"
#include "text/Cp1251.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

namespace {
std::string N(int n) { return std::to_string(n); }

// The release's time as Wine got it from the X server (converted to the
// system tick count), seen by a low-level mouse hook in a thread of its own
// that does nothing but pump its messages.
class ReleaseClock {
public:
    ReleaseClock()
    {
        m_thread = std::thread([this] {
            s_clock = this;
            HHOOK hook = ::SetWindowsHookExA(WH_MOUSE_LL, Proc, ::GetModuleHandleA(nullptr), 0);
            m_threadId = ::GetCurrentThreadId();
            m_ready = true;
            support::RunMessageLoop();
            ::UnhookWindowsHookEx(hook);
        });
        while (!m_ready)
            ::Sleep(1);
    }
    ~ReleaseClock()
    {
        ::PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
        m_thread.join();
    }
    void Reset() { m_release = 0; }
    DWORD release() const { return m_release; }

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HC_ACTION && wParam == WM_LBUTTONUP)
            s_clock->m_release = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->time;
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static ReleaseClock* s_clock;
    std::thread m_thread;
    std::atomic<DWORD> m_threadId{0};
    std::atomic<bool> m_ready{false};
    std::atomic<DWORD> m_release{0};
};
ReleaseClock* ReleaseClock::s_clock = nullptr;

struct Drag {
    POINT from, to;
    std::string expected;   // the translation the tooltip shows
};

// Milliseconds of each round, sorted; empty when a round showed nothing in 5 s.
std::vector<double> Time(Session& s, ReleaseClock& clock, int rounds, const std::function<Drag(int)>& dragOf)
{
    std::vector<double> ms;
    // Found among Zeto's windows once, then watched alone, by the text the
    // system keeps: looking through them all, or asking Zeto for the text,
    // every millisecond would load the road it measures.
    HWND tip = nullptr;
    auto shows = [&](const std::string& text) {
        if (!tip)
            return (tip = s.VisibleTip(text)) != nullptr;
        return ::IsWindowVisible(tip) && support::KeptTextOf(tip) == text;
    };
    for (int i = 0; i < rounds; ++i) {
        Drag d = dragOf(i);
        xinput::Run({"mousemove", N(d.from.x), N(d.from.y), "mousedown", "1", "mousemove", N(d.to.x), N(d.to.y)});
        clock.Reset();
        xinput::Run({"mouseup", "1"});
        // Looked at every millisecond: the usual 20 ms would count as Zeto's.
        if (!support::PumpUntil([&] { return shows(d.expected); }, 5000, 1) || !clock.release()) {
            std::fprintf(stderr, "round %d: no translation within 5 s\n", i);
            return {};
        }
        ms.push_back(double(::GetTickCount() - clock.release()));
    }
    std::sort(ms.begin(), ms.end());
    return ms;
}

void Report(const char* road, const std::vector<double>& ms)
{
    std::printf("%s, %zu selections: median %.0f ms, 95th percentile %.0f ms, best %.0f ms\n", road, ms.size(),
                ms[ms.size() / 2], ms[(ms.size() * 95 + 99) / 100 - 1], ms.front());
}

// What the tooltip shows for a word: with Show Pronunciation on, how it is
// said first ('?' for each letter the kept text's code page lacks).
std::string Shown(const char* word, const char* said, const std::string& translation, bool withSaid)
{
    return withSaid ? cp1251::FromUtf8(std::string(word) + " " + said + ": ").text + translation : translation;
}

// Both roads, with the history and the pronunciation on (as Zeto starts) or
// both off, as the road was before them.
bool TimeBothRoads(Session& s, ReleaseClock& clock, support::StandIn& reader, int rounds, bool on)
{
    const std::string apple = Shown(Session::APPLE, Session::APPLE_SAID, Session::APPLE_BG, on);
    const std::string house = Shown(Session::HOUSE, Session::HOUSE_SAID, Session::HOUSE_BG, on);
    std::vector<double> direct = Time(s, clock, rounds, [&](int i) {
        int line = i % 2;
        POINT from = s.CharPoint(line, 0), to = s.CharPoint(line, 4);
        return Drag{{from.x - 2, from.y}, {to.x + 3, to.y}, line == 0 ? apple : house};
    });
    if (direct.empty())
        return false;
    POINT centre = reader.ChildCentre();
    std::vector<double> ctrlC = Time(s, clock, rounds, [&](int i) {
        // The reader copies "apple" and "house" in turn.
        return Drag{{centre.x - 10, centre.y}, {centre.x + 10, centre.y}, i % 2 ? house : apple};
    });
    if (ctrlC.empty())
        return false;
    std::printf("From the button's release (X server time) to the tooltip shown, history and pronunciation %s:\n",
                on ? "on" : "off");
    Report("Edit road (Wine Notepad, read without the clipboard)", direct);
    Report("Ctrl+C road (a reader that ignores WM_COPY)", ctrlC);
    return true;
}

// `rounds` selections by mouse with Automatic Attach on, on each road, with
// the history and the pronunciation off and then on.
int RunBenchmark(Session& s, int rounds)
{
    s.Command(ID_AUTOMATIC_ATTACH);
    s.Sync();
    ReleaseClock clock;
    support::StandIn reader("keys", "Browser-like reader");
    if (!reader.top())
        return 1;
    // Off first, then on again: each switch is one command.
    for (bool on : {false, true}) {
        s.Command(ID_KEEP_HISTORY);
        s.Command(ID_SHOW_PRONUNCIATION);
        s.Sync();
        if (!TimeBothRoads(s, clock, reader, rounds, on))
            return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: capture_bench ZETO_EXE NOTEPAD_TITLE\n");
        return 2;
    }
    // Clipboard viewers before Zeto, as in the end-to-end tests.
    support::ClipboardViewer before, between;
    Session session;
    if (!session.Start(argv[1], argv[2], true)) {
        std::fprintf(stderr, "capture_bench: %s\n", session.error.c_str());
        return 1;
    }
    return RunBenchmark(session, 50);
}
