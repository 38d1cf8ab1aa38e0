#include "XInput.h"

#include <windows.h>

namespace xinput {
namespace {

// Wine runs host programs for its own tools (the browser launcher) through
// this ntdll export; the tests use it to reach xdotool on the host.
typedef LONG(__cdecl* SpawnFn)(char* const argv[], int wait);

SpawnFn Spawner()
{
    static SpawnFn spawn = reinterpret_cast<SpawnFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "__wine_unix_spawnvp")));
    return spawn;
}

void Xdotool(std::vector<std::string> args)
{
    args.insert(args.begin(), "xdotool");
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(&a[0]);
    argv.push_back(nullptr);
    if (SpawnFn spawn = Spawner())
        spawn(argv.data(), 1);
}

std::string Num(int n) { return std::to_string(n); }

}  // namespace

bool Available() { return Spawner() != nullptr; }

void Click(int x, int y, int button)
{
    Xdotool({"mousemove", Num(x), Num(y), "mousedown", Num(button), "mouseup", Num(button)});
}

void DoubleClick(int x, int y)
{
    Xdotool({"mousemove", Num(x), Num(y), "mousedown", "1", "mouseup", "1", "mousedown", "1",
             "mouseup", "1"});
}

void Key(const std::string& key) { Xdotool({"key", key}); }

void KeyWith(const std::string& modifier, const std::string& key)
{
    Xdotool({"keydown", modifier, "keydown", key, "keyup", key, "keyup", modifier});
}

void KeysDown(const std::string& first, const std::string& second)
{
    Xdotool({"keydown", first, "keydown", second});
}

void KeysUp(const std::string& first, const std::string& second) { Xdotool({"keyup", first, "keyup", second}); }

}  // namespace xinput
