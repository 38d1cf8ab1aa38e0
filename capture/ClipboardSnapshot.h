// The user's clipboard, kept while a mouse selection borrows it. Taking the
// snapshot copies the formats ClipboardFormats.h plans to copy, and nothing
// when the clipboard may not be borrowed; PutBack puts copies of them back
// in one change and keeps its own, so the content can go back again.
// A format offered for delayed rendering is rendered by its owner when it is
// read here; an owner the system knows to be hung is not asked at all.
#pragma once
#include "capture/ClipboardFormats.h"

#include <windows.h>

#include <vector>

class ClipboardSnapshot {
public:
    enum class Result {
        Saved,         // every format to copy is held (possibly none: an empty clipboard)
        Refused,       // a format forbids the borrow (refusal() says which kind); nothing held
        TooLarge,      // above CLIPBOARD_SNAPSHOT_LIMIT: nothing held
        NotRendered,   // a delayed format its owner does not render: nothing held
        Busy,          // the clipboard could not be opened, or its owner hangs
    };

    ClipboardSnapshot() = default;
    ~ClipboardSnapshot();   // the copies held are freed
    ClipboardSnapshot(const ClipboardSnapshot&) = delete;
    ClipboardSnapshot& operator=(const ClipboardSnapshot&) = delete;

    // owner: the window that opens the clipboard. Whatever was held before is freed.
    Result Take(HWND owner);
    Refusal refusal() const { return m_refusal; }
    // With the clipboard opened by the caller: empties it and puts back copies
    // of what Take held, with the history opt-outs. True when all went back.
    bool PutBack() const;
    void Clear();
    bool Holds() const { return m_held; }
    std::size_t FormatCount() const { return m_items.size(); }
    std::size_t Bytes() const { return m_bytes; }   // of the copies held

private:
    struct Item {
        UINT format;
        KeepAs how;
        HANDLE data;
    };
    static HANDLE Duplicate(KeepAs how, HANDLE source, std::size_t size);
    static void Free(const Item& item);

    std::vector<Item> m_items;
    Refusal m_refusal = Refusal::None;
    std::size_t m_bytes = 0;
    bool m_held = false;   // Take saved (an empty clipboard too) and nothing cleared it since
};

// OpenClipboard, retried for a short bounded time while another program
// holds it (each holder keeps it only for one read or write).
bool OpenClipboardBriefly(HWND owner);

// The text format the owner put there first: the system lists the formats it
// makes from others (CF_UNICODETEXT from CF_TEXT and back) after the owner's
// own; 0 when there is no text. The clipboard is open.
UINT OwnersTextFormat();
