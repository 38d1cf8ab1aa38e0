// The user's clipboard, kept while a mouse selection borrows it. Taking the
// snapshot copies every format that can be copied (ClipboardFormats.h says
// which cannot, and why); Restore puts the copies back in one change.
// A format offered for delayed rendering is rendered by its owner when it is
// read here; one the owner fails to render is not kept. An owner the system
// knows to be hung is not asked at all.
#pragma once
#include "capture/ClipboardFormats.h"

#include <windows.h>

#include <vector>

class ClipboardSnapshot {
public:
    enum class Result {
        Saved,      // every copyable format is held (possibly none: an empty clipboard)
        TooLarge,   // above CLIPBOARD_SNAPSHOT_LIMIT: nothing held, leave the clipboard alone
        Busy,       // the clipboard could not be opened, or its owner hangs
    };

    ClipboardSnapshot() = default;
    ~ClipboardSnapshot();   // copies never put back are freed
    ClipboardSnapshot(const ClipboardSnapshot&) = delete;
    ClipboardSnapshot& operator=(const ClipboardSnapshot&) = delete;

    // owner: the window that opens the clipboard.
    Result Take(HWND owner);
    // Empties the clipboard and puts back what Take held; true when every
    // held format went back. Afterwards the snapshot holds nothing.
    bool Restore(HWND owner);
    std::size_t FormatCount() const { return m_items.size(); }

private:
    struct Item {
        UINT format;
        KeepAs how;
        HANDLE data;
    };
    static HANDLE Duplicate(KeepAs how, HANDLE source, std::size_t size);
    static void Free(const Item& item);
    void FreeAll();

    std::vector<Item> m_items;
};

// OpenClipboard, retried for a short bounded time while another program
// holds it (each holder keeps it only for one read or write).
bool OpenClipboardBriefly(HWND owner);
