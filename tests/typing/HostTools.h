// Host programs run from inside Wine, through the spawner Wine itself uses
// for its browser launcher: mount for small file systems (real X input is
// tests/support/XInput.h). Each call returns when the program has ended.
#pragma once
#include <string>
#include <vector>

namespace typing {

// The program's exit status; -1 when Wine offers no spawner.
int Host(std::vector<std::string> args);
bool HostAvailable();

} // namespace typing
