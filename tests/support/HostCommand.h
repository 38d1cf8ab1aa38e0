// Runs a program of the host system (xdotool, mount…) from a test program
// under Wine, and waits for it. Wine runs host programs for its own tools
// through an ntdll export; on real Windows there is none and nothing runs.
#pragma once
#include <string>
#include <vector>

namespace host {

// True under Wine, where host programs can be run.
bool Available();
// Runs argv[0] with its arguments and waits; its exit status, or -1 when it
// could not be run.
int Run(std::vector<std::string> argv);

} // namespace host
