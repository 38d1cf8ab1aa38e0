// Real input into the X display, by xdotool on the host. Each call returns
// once xdotool has handed its events to the X server.
#pragma once
#include <string>
#include <vector>

namespace xdo {

bool Available();
void Run(std::vector<std::string> args);   // xdotool args…
void DoubleClick(int x, int y);
void Drag(int x1, int y1, int x2, int y2);  // press at 1, release at 2
void RightClick(int x, int y);
void Click(int x, int y);
void Keys(const std::string& keys);          // e.g. "ctrl+c"

}  // namespace xdo
