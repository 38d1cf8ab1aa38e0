#include "capture/ClipboardSnapshot.h"

#include <cstring>

namespace {
// How long another program may hold the clipboard before Zeto gives up.
constexpr DWORD CLIPBOARD_OPEN_WAIT_MS = 100;

std::size_t SizeOf(KeepAs how, HANDLE data)
{
    if (how == KeepAs::Bytes)
        return ::GlobalSize(data);
    if (how == KeepAs::EnhMetafile)
        return ::GetEnhMetaFileBits((HENHMETAFILE)data, 0, nullptr);
    BITMAP bm{};
    if (::GetObjectA(data, sizeof bm, &bm))
        return (std::size_t)bm.bmWidthBytes * (std::size_t)bm.bmHeight;
    return 0;
}
}  // namespace

bool OpenClipboardBriefly(HWND owner)
{
    const DWORD start = ::GetTickCount();
    while (!::OpenClipboard(owner)) {
        if (::GetTickCount() - start >= CLIPBOARD_OPEN_WAIT_MS)
            return false;
        ::Sleep(1);
    }
    return true;
}

ClipboardSnapshot::~ClipboardSnapshot() { FreeAll(); }

// Sizes first, copies after: a clipboard over the limit costs no copy.
ClipboardSnapshot::Result ClipboardSnapshot::Take(HWND owner)
{
    FreeAll();
    HWND holder = ::GetClipboardOwner();
    if (holder && ::IsHungAppWindow(holder))
        return Result::Busy;   // reading a delayed format would wait for it
    if (!OpenClipboardBriefly(owner))
        return Result::Busy;
    struct Source {
        UINT format;
        KeepAs how;
        HANDLE data;
        std::size_t size;
    };
    std::vector<Source> sources;
    std::size_t total = 0;
    for (UINT format = ::EnumClipboardFormats(0); format; format = ::EnumClipboardFormats(format)) {
        FormatRule rule = RuleForFormat(format);
        if (rule.how == KeepAs::Never)
            continue;
        HANDLE data = ::GetClipboardData(format);
        if (!data)
            continue;   // a delayed format its owner did not render
        std::size_t size = SizeOf(rule.how, data);
        total += size;
        sources.push_back({format, rule.how, data, size});
    }
    if (!SnapshotFits(total)) {
        ::CloseClipboard();
        return Result::TooLarge;
    }
    for (const Source& s : sources)
        if (HANDLE copy = Duplicate(s.how, s.data, s.size))
            m_items.push_back({s.format, s.how, copy});
    ::CloseClipboard();
    return Result::Saved;
}

bool ClipboardSnapshot::Restore(HWND owner)
{
    if (!OpenClipboardBriefly(owner))
        return false;
    ::EmptyClipboard();
    bool all = true;
    for (const Item& item : m_items) {
        if (!::SetClipboardData(item.format, item.data)) {
            Free(item);
            all = false;
        }
    }
    m_items.clear();   // the clipboard owns what it took
    ::CloseClipboard();
    return all;
}

HANDLE ClipboardSnapshot::Duplicate(KeepAs how, HANDLE source, std::size_t size)
{
    switch (how) {
    case KeepAs::Bitmap:
        return ::CopyImage(source, IMAGE_BITMAP, 0, 0, 0);
    case KeepAs::EnhMetafile:
        return ::CopyEnhMetaFile((HENHMETAFILE)source, nullptr);
    case KeepAs::Bytes: {
        // A zero-size block goes back as a zero-size block; a moveable one
        // would be born discarded, which the clipboard refuses.
        HGLOBAL copy = ::GlobalAlloc(size ? GMEM_MOVEABLE : GMEM_FIXED, size);
        if (!copy || size == 0)
            return copy;
        const void* from = ::GlobalLock(source);
        void* to = ::GlobalLock(copy);
        if (from && to)
            std::memcpy(to, from, size);
        if (from)
            ::GlobalUnlock(source);
        ::GlobalUnlock(copy);
        if (!from) {
            ::GlobalFree(copy);
            return nullptr;
        }
        return copy;
    }
    case KeepAs::Never:
        break;
    }
    return nullptr;
}

void ClipboardSnapshot::Free(const Item& item)
{
    switch (item.how) {
    case KeepAs::Bytes:
        ::GlobalFree(item.data);
        break;
    case KeepAs::Bitmap:
        ::DeleteObject(item.data);
        break;
    case KeepAs::EnhMetafile:
        ::DeleteEnhMetaFile((HENHMETAFILE)item.data);
        break;
    case KeepAs::Never:
        break;
    }
}

void ClipboardSnapshot::FreeAll()
{
    for (const Item& item : m_items)
        Free(item);
    m_items.clear();
}
