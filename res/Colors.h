// Zeto's colours: its dialogs are blue, the panels dark blue with white text.
#pragma once
#include <windows.h>

constexpr COLORREF COLOR_DIALOG = RGB(0, 0, 250);   // background of the main and document-format dialogs
constexpr COLORREF COLOR_PANEL = RGB(0, 0, 150);    // background of the panels; text of the input box
constexpr COLORREF COLOR_WHITE = RGB(255, 255, 255);
