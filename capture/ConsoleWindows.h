// Windows in which Ctrl+C interrupts a program instead of copying: Zeto never
// presses it there.
#pragma once

// True for the window classes of consoles and terminals.
bool IsConsoleWindowClass(const char* className);
