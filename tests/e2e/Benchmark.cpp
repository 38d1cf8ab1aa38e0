// The whole road under Wine: the mouse button is released over a word in
// Notepad; Tapwire's hook posts to Zeto, Zeto empties the clipboard, makes
// Notepad copy, reads, looks the word up and shows it in edit 1001.
#include "E2E.h"
#include "tests/support/XInput.h"

#include "res/resource.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double Now()
{
    LARGE_INTEGER count, frequency;
    ::QueryPerformanceCounter(&count);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * count.QuadPart / frequency.QuadPart;
}

std::string N(int n) { return std::to_string(n); }
}  // namespace

int RunBenchmark(Session& s, int rounds)
{
    s.Command(ID_AUTOMATIC_ATTACH);
    s.Sync();
    std::vector<double> ms;
    // xdotool alone, to tell its start-up apart from Zeto's share.
    double spawn = 0;
    for (int i = 0; i < 10; ++i) {
        double t = Now();
        xinput::Run({"mousemove", "650", "300"});
        spawn += (Now() - t) / 10;
    }
    for (int i = 0; i < rounds; ++i) {
        int line = i % 2;
        const char* expected = line == 0 ? Session::APPLE_BG : Session::HOUSE_BG;
        s.SetZetoText(IDC_TRANSLATION, "");
        POINT from = s.CharPoint(line, 0), to = s.CharPoint(line, 4);
        xinput::Run({"mousemove", N(from.x - 2), N(from.y), "mousedown", "1", "mousemove", N(to.x + 3), N(to.y)});
        // From just before xdotool starts: the figure includes its start-up.
        double start = Now();
        xinput::Run({"mouseup", "1"});
        if (!WaitFor([&] { return s.ZetoText(IDC_TRANSLATION) == expected; }, 5000)) {
            std::fprintf(stderr, "round %d: no translation within 5 s\n", i);
            return 1;
        }
        ms.push_back(Now() - start);
    }
    std::sort(ms.begin(), ms.end());
    double median = ms[ms.size() / 2];
    double p95 = ms[(ms.size() * 95 + 99) / 100 - 1];
    std::printf("capture road, %d selections: median %.1f ms, 95th percentile %.1f ms, best %.1f ms "
                "(xdotool start-up included: %.1f ms on average)\n",
                rounds, median, p95, ms.front(), spawn);
    return 0;
}
