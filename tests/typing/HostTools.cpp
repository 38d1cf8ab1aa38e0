#include "tests/typing/HostTools.h"

#include <windows.h>

namespace typing {

namespace {
using SpawnFn = LONG(__cdecl*)(char* const argv[], int wait);

SpawnFn Spawner()
{
    static SpawnFn spawn =
        (SpawnFn)(void*)::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "__wine_unix_spawnvp");
    return spawn;
}
} // namespace

bool HostAvailable() { return Spawner() != nullptr; }

int Host(std::vector<std::string> args)
{
    SpawnFn spawn = Spawner();
    if (!spawn)
        return -1;
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(&arg[0]);
    argv.push_back(nullptr);
    return (int)spawn(argv.data(), 1);
}

// Button down and up as two events: xdotool's "click" sleeps after them.
void XClick(int x, int y)
{
    Host({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "mousedown", "1", "mouseup", "1"});
}

void XType(const std::string& text) { Host({"xdotool", "type", "--delay", "30", text}); }

} // namespace typing
