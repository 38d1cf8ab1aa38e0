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

// The clipboard's formats in its own order, with their names; the
// clipboard is open.
std::vector<ListedFormat> ListFormats()
{
    std::vector<ListedFormat> listed;
    for (UINT format = ::EnumClipboardFormats(0); format; format = ::EnumClipboardFormats(format)) {
        char name[256] = "";
        if (format >= 0xC000)
            ::GetClipboardFormatNameA(format, name, sizeof name);
        listed.push_back({format, name});
    }
    return listed;
}

// The drop effect Explorer marks files with; 0 when there is none.
unsigned long DropEffect()
{
    const UINT format = ::RegisterClipboardFormatA(DROP_EFFECT_FORMAT);
    HANDLE data = ::IsClipboardFormatAvailable(format) ? ::GetClipboardData(format) : nullptr;
    DWORD effect = 0;
    if (data && ::GlobalSize(data) >= sizeof effect) {
        if (const void* p = ::GlobalLock(data)) {
            std::memcpy(&effect, p, sizeof effect);
            ::GlobalUnlock(data);
        }
    }
    return effect;
}

HANDLE DwordBlock(DWORD value)
{
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, sizeof value);
    if (void* p = block ? ::GlobalLock(block) : nullptr) {
        std::memcpy(p, &value, sizeof value);
        ::GlobalUnlock(block);
    }
    return block;
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

UINT OwnersTextFormat()
{
    for (UINT format = ::EnumClipboardFormats(0); format != 0; format = ::EnumClipboardFormats(format))
        if (format == CF_UNICODETEXT || format == CF_TEXT)
            return format;
    return 0;
}

ClipboardSnapshot::~ClipboardSnapshot() { Clear(); }

// The plan first, then sizes, then copies: a clipboard that may not be
// borrowed or is over the limit costs no copy.
ClipboardSnapshot::Result ClipboardSnapshot::Take(HWND owner)
{
    Clear();
    HWND holder = ::GetClipboardOwner();
    if (holder && ::IsHungAppWindow(holder))
        return Result::Busy;   // reading a delayed format would wait for it
    if (!OpenClipboardBriefly(owner))
        return Result::Busy;
    const BorrowPlan plan = PlanBorrow(ListFormats(), DropEffect());
    m_refusal = plan.refusal;
    struct Source {
        UINT format;
        KeepAs how;
        HANDLE data;
        std::size_t size;
    };
    std::vector<Source> sources;
    std::size_t total = 0;
    Result result = plan.refusal == Refusal::None ? Result::Saved : Result::Refused;
    for (UINT format : plan.copied) {
        const KeepAs how = KeepFormatAs(format);
        HANDLE data = ::GetClipboardData(format);
        if (!data) {
            result = Result::NotRendered;   // a delayed format its owner did not render
            break;
        }
        const std::size_t size = SizeOf(how, data);
        total += size;
        sources.push_back({format, how, data, size});
    }
    if (result == Result::Saved && !SnapshotFits(total))
        result = Result::TooLarge;
    if (result == Result::Saved) {
        for (const Source& s : sources)
            if (HANDLE copy = Duplicate(s.how, s.data, s.size))
                m_items.push_back({s.format, s.how, copy});
        m_bytes = total;
        m_held = true;
    }
    ::CloseClipboard();
    return result;
}

bool ClipboardSnapshot::PutBack() const
{
    ::EmptyClipboard();
    bool all = true;
    for (const Item& item : m_items) {
        HANDLE copy = Duplicate(item.how, item.data, item.how == KeepAs::Bytes ? ::GlobalSize(item.data) : 0);
        if (!copy || !::SetClipboardData(item.format, copy)) {
            if (copy)
                Free({item.format, item.how, copy});
            all = false;
        }
    }
    for (const char* optOut : CLIPBOARD_HISTORY_OPT_OUTS) {
        HANDLE zero = DwordBlock(0);
        if (zero && !::SetClipboardData(::RegisterClipboardFormatA(optOut), zero))
            ::GlobalFree(zero);
    }
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
    }
}

void ClipboardSnapshot::Clear()
{
    for (const Item& item : m_items)
        Free(item);
    m_items.clear();
    m_bytes = 0;
    m_held = false;
}
