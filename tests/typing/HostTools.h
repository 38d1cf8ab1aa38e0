// Host programs run from inside Wine, through the spawner Wine itself uses
// for its browser launcher: xdotool for real X input, mount for small file
// systems. Each call returns when the program has ended.
#pragma once
#include <string>
#include <vector>

namespace typing {

// The program's exit status; -1 when Wine offers no spawner.
int Host(std::vector<std::string> args);
bool HostAvailable();

// Real input on the X display: a left click, and text typed key by key.
void XClick(int x, int y);
void XType(const std::string& text);
// Presses and releases one key by its X name ("Escape", "Return"); false
// when xdotool failed.
bool XKey(const std::string& key);

} // namespace typing
