#include "XDo.h"

#include <windows.h>

namespace xdo {
namespace {

// Wine runs host programs for its own tools through this ntdll export.
typedef LONG(__cdecl* SpawnFn)(char* const argv[], int wait);

SpawnFn Spawner()
{
    static SpawnFn spawn = reinterpret_cast<SpawnFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "__wine_unix_spawnvp")));
    return spawn;
}

std::string Num(int n) { return std::to_string(n); }

}  // namespace

bool Available() { return Spawner() != nullptr; }

void Run(std::vector<std::string> args)
{
    args.insert(args.begin(), "xdotool");
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(&a[0]);
    argv.push_back(nullptr);
    if (SpawnFn spawn = Spawner())
        spawn(argv.data(), 1);
}

void DoubleClick(int x, int y)
{
    Run({"mousemove", Num(x), Num(y), "mousedown", "1", "mouseup", "1", "mousedown", "1", "mouseup", "1"});
}

void Drag(int x1, int y1, int x2, int y2)
{
    Run({"mousemove", Num(x1), Num(y1), "mousedown", "1", "mousemove", Num(x2), Num(y2), "mouseup", "1"});
}

void RightClick(int x, int y) { Run({"mousemove", Num(x), Num(y), "mousedown", "3", "mouseup", "3"}); }

void Click(int x, int y) { Run({"mousemove", Num(x), Num(y), "mousedown", "1", "mouseup", "1"}); }

void Keys(const std::string& keys) { Run({"key", keys}); }

}  // namespace xdo
