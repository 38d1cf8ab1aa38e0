// Helpers for the tests that drive real windows under Wine: a brush's
// colour; the shared support (pumping, scratch directories, dictionary
// files, message boxes) comes with it.
#pragma once
#include "tests/support/MessageBoxes.h"
#include "tests/support/Pump.h"
#include "tests/support/Records.h"
#include "tests/support/ScratchDir.h"

#include <windows.h>

namespace uitest {

inline COLORREF BrushColor(HBRUSH brush)
{
    LOGBRUSH lb{};
    ::GetObjectA(brush, sizeof lb, &lb);
    return lb.lbColor;
}

} // namespace uitest
