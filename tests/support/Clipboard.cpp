#include "tests/support/Clipboard.h"

#include <cstring>

namespace support {
namespace {

// One hidden window per thread, for the life of the thread's process.
HWND ThreadWindow()
{
    thread_local HWND hwnd = ::CreateWindowExA(0, "STATIC", "clipboard", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                               nullptr, nullptr, nullptr);
    return hwnd;
}

bool Open()
{
    const DWORD start = ::GetTickCount();
    while (!::OpenClipboard(ThreadWindow())) {
        if (::GetTickCount() - start > 5000)
            return false;
        ::Sleep(5);
    }
    return true;
}

} // namespace

bool PutClipboardBlock(UINT format, const void* bytes, size_t size)
{
    return PutClipboardBlocks({{format, std::string(static_cast<const char*>(bytes), size)}});
}

bool PutClipboardBlocks(const std::vector<std::pair<UINT, std::string>>& blocks)
{
    if (!Open())
        return false;
    ::EmptyClipboard();
    bool ok = true;
    for (const auto& [format, bytes] : blocks) {
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size() ? bytes.size() : 1);
        if (!block) {
            ok = false;
            continue;
        }
        std::memcpy(::GlobalLock(block), bytes.data(), bytes.size());
        ::GlobalUnlock(block);
        if (!::SetClipboardData(format, block)) {
            ::GlobalFree(block);
            ok = false;
        }
    }
    ::CloseClipboard();
    return ok;
}

bool AddClipboardBitmap(const unsigned char (&pixels)[32])
{
    HBITMAP bitmap = ::CreateBitmap(16, 16, 1, 1, pixels);
    if (!bitmap || !Open())
        return false;
    bool ok = ::SetClipboardData(CF_BITMAP, bitmap) != nullptr;
    ::CloseClipboard();
    return ok;
}

std::string ClipboardBitmapBits()
{
    std::string bits;
    if (!Open())
        return bits;
    if (HANDLE bitmap = ::GetClipboardData(CF_BITMAP)) {
        bits.resize(32);
        bits.resize(::GetBitmapBits((HBITMAP)bitmap, (LONG)bits.size(), &bits[0]));
    }
    ::CloseClipboard();
    return bits;
}

std::string ClipboardBlock(UINT format)
{
    std::string bytes;
    if (!Open())
        return bytes;
    if (HANDLE data = ::GetClipboardData(format)) {
        if (const char* p = (const char*)::GlobalLock(data)) {
            bytes.assign(p, ::GlobalSize(data));
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return bytes;
}

bool PutClipboardText(const std::string& text) { return PutClipboardBlock(CF_TEXT, text.c_str(), text.size() + 1); }

std::string ClipboardText()
{
    const std::string block = ClipboardBlock(CF_TEXT);
    return block.substr(0, strnlen(block.c_str(), block.size()));
}

} // namespace support
