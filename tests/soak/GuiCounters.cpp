#include "tests/soak/GuiCounters.h"

#include <winternl.h>

#include <vector>

namespace {

// The GDI handle table that the PEB points to (GdiSharedHandleTable, at
// 0xF8 in a 64-bit PEB): 24-byte entries whose type byte, at offset 14, is
// nonzero while the handle is in use. Wine keeps 16384 of them.
long CountGdiHandleTable()
{
    const unsigned char* peb = reinterpret_cast<const unsigned char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    const unsigned char* table = *reinterpret_cast<const unsigned char* const*>(peb + 0xF8);
    if (!table)
        return -1;
    long used = 0;
    for (int i = 0; i < 16384; ++i) {
        if (table[24 * i + 14] != 0)
            ++used;
    }
    return used;
}

BOOL CALLBACK CountChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<long*>(count);
    return TRUE;
}

BOOL CALLBACK CountOwnWindow(HWND hwnd, LPARAM count)
{
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid == ::GetCurrentProcessId()) {
        ++*reinterpret_cast<long*>(count);
        ::EnumChildWindows(hwnd, CountChild, count);
    }
    return TRUE;
}

long CountOwnWindows()
{
    long count = 0;
    ::EnumWindows(CountOwnWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

long long CountHeapBytes()
{
    std::vector<HANDLE> heaps(::GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(::GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    long long busy = 0;
    for (HANDLE heap : heaps) {
        if (!::HeapLock(heap))
            continue;
        PROCESS_HEAP_ENTRY entry{};
        while (::HeapWalk(heap, &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                busy += entry.cbData;
        }
        ::HeapUnlock(heap);
    }
    return busy;
}

} // namespace

GuiCounters ReadGuiCounters()
{
    GuiCounters c;
    HANDLE self = ::GetCurrentProcess();
    c.gdiObjects = static_cast<long>(::GetGuiResources(self, GR_GDIOBJECTS));
    if (c.gdiObjects == 0)
        c.gdiObjects = CountGdiHandleTable();
    c.userObjects = static_cast<long>(::GetGuiResources(self, GR_USEROBJECTS));
    if (c.userObjects == 0)
        c.userObjects = CountOwnWindows();
    c.heapBytes = CountHeapBytes();
    return c;
}

std::string GuiCounters::Describe() const
{
    return "GDI objects " + std::to_string(gdiObjects) + ", USER objects " + std::to_string(userObjects)
        + ", heap bytes in use " + std::to_string(heapBytes);
}
