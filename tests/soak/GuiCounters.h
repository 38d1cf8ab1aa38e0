// What a leak would make grow: the process's GDI and USER objects and the
// bytes in use on its heaps.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

struct GuiCounters {
    long gdiObjects = 0;
    long userObjects = 0;
    long long heapBytes = 0;   // busy blocks on every heap of the process

    std::string Describe() const;
};

// GetGuiResources where the system answers it. Wine's returns 0 for
// everything: there GDI objects are counted in the process's GDI handle
// table and USER objects as the windows the process owns.
GuiCounters ReadGuiCounters();
