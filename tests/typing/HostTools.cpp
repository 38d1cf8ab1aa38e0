#include "tests/typing/HostTools.h"

#include "tests/support/HostCommand.h"

#include <utility>

namespace typing {

bool HostAvailable() { return host::Available(); }

int Host(std::vector<std::string> args) { return host::Run(std::move(args)); }

// Button down and up as two events: xdotool's "click" sleeps after them.
void XClick(int x, int y)
{
    Host({"xdotool", "mousemove", std::to_string(x), std::to_string(y), "mousedown", "1", "mouseup", "1"});
}

void XType(const std::string& text) { Host({"xdotool", "type", "--delay", "30", text}); }

bool XKey(const std::string& key) { return Host({"xdotool", "key", key}) == 0; }

} // namespace typing
