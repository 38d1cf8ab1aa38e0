// Helpers for the tests that drive real windows under Wine: brush colours
// and the build tree's path; the shared support (pumping, scratch
// directories, dictionary files, message boxes) comes with it.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/MessageBoxes.h"
#include "tests/support/Pump.h"
#include "tests/support/Records.h"
#include "tests/support/ScratchDir.h"

namespace uitest {

// COLORREF of a brush.
COLORREF BrushColor(HBRUSH brush);

// Unix path of the build tree as seen from Wine ("Z:\...").
std::string BuildPath(const std::string& relative);

} // namespace uitest
