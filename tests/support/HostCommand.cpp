#include "tests/support/HostCommand.h"

#include <windows.h>

namespace host {
namespace {

using SpawnFn = LONG(__cdecl*)(char* const argv[], int wait);

SpawnFn Spawner()
{
    static SpawnFn spawn = reinterpret_cast<SpawnFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "__wine_unix_spawnvp")));
    return spawn;
}

} // namespace

bool Available() { return Spawner() != nullptr; }

int Run(std::vector<std::string> args)
{
    SpawnFn spawn = Spawner();
    if (!spawn || args.empty())
        return -1;
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(&arg[0]);
    argv.push_back(nullptr);
    return static_cast<int>(spawn(argv.data(), 1));
}

} // namespace host
