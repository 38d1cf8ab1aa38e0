// Which clipboard formats Zeto can keep while it borrows the clipboard for a
// mouse selection, and how much it is willing to copy. Pure rules over format
// numbers and sizes, so they build and are tested on every platform.
#pragma once
#include <cstddef>

// A clipboard larger than this in all is not borrowed: that selection is not
// translated rather than the user's clipboard risked or the machine's memory
// doubled.
constexpr std::size_t CLIPBOARD_SNAPSHOT_LIMIT = 64u * 1024 * 1024;

enum class KeepAs {
    Bytes,         // global memory: copied byte for byte
    Bitmap,        // a GDI bitmap handle: copied as a new bitmap
    EnhMetafile,   // an enhanced metafile handle: copied as a new metafile
    Never,         // cannot be copied; `why` in FormatRule says why
};

struct FormatRule {
    KeepAs how;
    const char* why;   // for Never: the reason, else null
};

// How a format's data is kept. Formats not named here hold global memory.
FormatRule RuleForFormat(unsigned format);

// Whether a clipboard whose formats hold totalBytes can be borrowed.
bool SnapshotFits(std::size_t totalBytes);
