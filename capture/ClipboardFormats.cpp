#include "capture/ClipboardFormats.h"

namespace {
// Standard format numbers, written out so this unit needs no windows.h.
constexpr unsigned FMT_BITMAP = 2;
constexpr unsigned FMT_METAFILEPICT = 3;
constexpr unsigned FMT_PALETTE = 9;
constexpr unsigned FMT_ENHMETAFILE = 14;
constexpr unsigned FMT_OWNERDISPLAY = 0x80;
constexpr unsigned FMT_DSPBITMAP = 0x82;
constexpr unsigned FMT_DSPMETAFILEPICT = 0x83;
constexpr unsigned FMT_DSPENHMETAFILE = 0x8E;
constexpr unsigned FMT_PRIVATEFIRST = 0x200;
constexpr unsigned FMT_PRIVATELAST = 0x2FF;
constexpr unsigned FMT_GDIOBJFIRST = 0x300;
constexpr unsigned FMT_GDIOBJLAST = 0x3FF;

// Every format Zeto cannot copy, and why; one place for all of them.
struct Exclusion {
    unsigned first, last;
    const char* why;
};
constexpr Exclusion NOT_COPIED[] = {
    {FMT_OWNERDISPLAY, FMT_OWNERDISPLAY, "drawn by its owner on request: there is no data to copy"},
    {FMT_PALETTE, FMT_PALETTE, "a GDI palette handle, which cannot be duplicated"},
    {FMT_METAFILEPICT, FMT_METAFILEPICT, "global memory holding a metafile handle: a copy would share it"},
    {FMT_DSPMETAFILEPICT, FMT_DSPMETAFILEPICT, "global memory holding a metafile handle: a copy would share it"},
    {FMT_PRIVATEFIRST, FMT_PRIVATELAST, "a handle private to its owner, whose meaning only the owner knows"},
    {FMT_GDIOBJFIRST, FMT_GDIOBJLAST, "a GDI object of the owner's own kind, which cannot be duplicated"},
};
}  // namespace

FormatRule RuleForFormat(unsigned format)
{
    for (const Exclusion& e : NOT_COPIED)
        if (format >= e.first && format <= e.last)
            return {KeepAs::Never, e.why};
    if (format == FMT_BITMAP || format == FMT_DSPBITMAP)
        return {KeepAs::Bitmap, nullptr};
    if (format == FMT_ENHMETAFILE || format == FMT_DSPENHMETAFILE)
        return {KeepAs::EnhMetafile, nullptr};
    return {KeepAs::Bytes, nullptr};
}

bool SnapshotFits(std::size_t totalBytes) { return totalBytes <= CLIPBOARD_SNAPSHOT_LIMIT; }
