// Helpers for the tests that drive real windows under Wine: pumping this
// thread's messages until a condition holds, a temporary working directory
// with dictionary files, and a watcher that reads and answers message boxes.
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

using support::PumpPending;
using support::PumpUntil;

using support::Pairs;
using support::WriteDictionary;

using TempWorkDir = support::ScratchDir;

using support::MessageBoxWatcher;
using support::SeenBox;
using support::TextOf;

// COLORREF of a brush.
COLORREF BrushColor(HBRUSH brush);

// Unix path of the build tree as seen from Wine ("Z:\...").
std::string BuildPath(const std::string& relative);

} // namespace uitest
