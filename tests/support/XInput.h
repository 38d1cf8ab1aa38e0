// Real input into the X display the Wine desktop lives on, by xdotool run
// on the host. Each call returns once xdotool has handed its events to the
// X server; when the application sees them is for the caller to wait for.
// Buttons go down and up as two events: xdotool's own "click" sleeps after.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace xinput {

// True when xdotool can be run from this (Wine) process.
bool Available();
// The screen point in the middle of a window: where a click on it goes.
POINT CentreOf(HWND window);
// xdotool with these arguments; its exit status, -1 when it could not run.
int Run(std::vector<std::string> args);
void Click(int x, int y, int button = 1);
void RightClick(int x, int y);
void DoubleClick(int x, int y);
void Drag(int x1, int y1, int x2, int y2);   // press at 1, release at 2
// One key (or xdotool's "ctrl+c" form) pressed and released by its X name;
// false when xdotool failed.
bool Key(const std::string& key);
// `key` pressed and released while `modifier` is held down. (xdotool's own
// "ctrl+c" lets go of Ctrl before C.)
void KeyWith(const std::string& modifier, const std::string& key);
// Pressed and left down (the X server repeats it), or released.
void KeysDown(const std::string& first, const std::string& second);
void KeysUp(const std::string& first, const std::string& second);
// Text typed key by key.
void Type(const std::string& text);

}  // namespace xinput
