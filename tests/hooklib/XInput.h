// Real input into the X display the Wine desktop lives on, by xdotool.
// Each call returns once xdotool has handed its events to the X server;
// when the target application sees them is for the caller to wait for.
#pragma once
#include <string>
#include <vector>

namespace xinput {

// True when xdotool can be run from this (Wine) process.
bool Available();
void Click(int x, int y, int button = 1);
void DoubleClick(int x, int y);
void Key(const std::string& key);  // pressed and released, e.g. "c"
// `key` pressed and released while `modifier` is held down. (xdotool's own
// "ctrl+c" lets go of Ctrl before C.)
void KeyWith(const std::string& modifier, const std::string& key);
// Pressed and left down (the X server repeats it), or released.
void KeysDown(const std::string& first, const std::string& second);
void KeysUp(const std::string& first, const std::string& second);

}  // namespace xinput
