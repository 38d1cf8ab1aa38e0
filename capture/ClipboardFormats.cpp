#include "capture/ClipboardFormats.h"

#include <algorithm>
#include <iterator>

namespace {
// Standard format numbers, written out so this unit needs no windows.h.
constexpr unsigned FMT_TEXT = 1;
constexpr unsigned FMT_BITMAP = 2;
constexpr unsigned FMT_METAFILEPICT = 3;
constexpr unsigned FMT_SYLK = 4;
constexpr unsigned FMT_DIF = 5;
constexpr unsigned FMT_TIFF = 6;
constexpr unsigned FMT_OEMTEXT = 7;
constexpr unsigned FMT_DIB = 8;
constexpr unsigned FMT_PALETTE = 9;
constexpr unsigned FMT_RIFF = 11;
constexpr unsigned FMT_WAVE = 12;
constexpr unsigned FMT_UNICODETEXT = 13;
constexpr unsigned FMT_ENHMETAFILE = 14;
constexpr unsigned FMT_HDROP = 15;
constexpr unsigned FMT_LOCALE = 16;
constexpr unsigned FMT_DIBV5 = 17;
constexpr unsigned FMT_REGISTERED_FIRST = 0xC000;

// Families the system fills in from whichever member the owner put there:
// only the first one listed (the owner's) is copied, the system makes the
// others again after the restore. A palette is made from a DIB; a
// metafile-pict from an enhanced metafile and back.
constexpr unsigned TEXT_FAMILY[] = {FMT_TEXT, FMT_OEMTEXT, FMT_UNICODETEXT};
constexpr unsigned PICTURE_FAMILY[] = {FMT_BITMAP, FMT_DIB, FMT_DIBV5, FMT_PALETTE};
constexpr unsigned METAFILE_FAMILY[] = {FMT_ENHMETAFILE, FMT_METAFILEPICT};
constexpr int FAMILY_COUNT = 3;

// Standard formats that hold plain data (global memory, a bitmap, an
// enhanced metafile): copied faithfully.
constexpr unsigned STANDARD_COPIED[] = {FMT_TEXT, FMT_BITMAP, FMT_SYLK,        FMT_DIF,        FMT_TIFF,
                                        FMT_OEMTEXT, FMT_DIB, FMT_RIFF,        FMT_WAVE,       FMT_UNICODETEXT,
                                        FMT_ENHMETAFILE, FMT_HDROP, FMT_LOCALE, FMT_DIBV5};

// Registered formats known to hold plain bytes.
const char* const REGISTERED_COPIED[] = {
    "HTML Format", "Rich Text Format", "Rich Text Format Without Objects", "RTF As Text",
    "text/html", "text/plain", "text/uri-list", "text/richtext",
    "UniformResourceLocator", "UniformResourceLocatorW", "FileName", "FileNameW", "Shell IDList Array",
    DROP_EFFECT_FORMAT, "PNG", "image/png", "JFIF", "image/jpeg", "GIF", "image/gif", "image/bmp",
    "Csv", "XML Spreadsheet", "Link", "Hyperlink",
};

// OLE data objects and virtual files: the data lives inside their program.
const char* const REGISTERED_OBJECTS[] = {
    "DataObject", "Ole Private Data", "Object Descriptor", "Link Source Descriptor", "Embed Source",
    "Embedded Object", "Link Source", "Native", "OwnerLink", "ObjectLink",
    "FileGroupDescriptor", "FileGroupDescriptorW", "FileContents",
};

template <typename List, typename T>
bool Contains(const List& list, const T& value)
{
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

// The family a standard format belongs to (0 to FAMILY_COUNT - 1), or -1.
int FamilyOf(unsigned format)
{
    if (Contains(TEXT_FAMILY, format))
        return 0;
    if (Contains(PICTURE_FAMILY, format))
        return 1;
    if (Contains(METAFILE_FAMILY, format))
        return 2;
    return -1;
}

bool IsHistoryOptOut(const std::string& name)
{
    for (const char* optOut : CLIPBOARD_HISTORY_OPT_OUTS)
        if (name == optOut)
            return true;
    return false;
}

// Why this format (the first of its family, if it has one) forbids the borrow.
Refusal RefusalFor(const ListedFormat& format)
{
    if (format.number < FMT_REGISTERED_FIRST)
        return Contains(STANDARD_COPIED, format.number) ? Refusal::None : Refusal::OwnersOnly;
    for (const char* name : REGISTERED_OBJECTS)
        if (format.name == name)
            return Refusal::ObjectOrVirtualFile;
    for (const char* name : REGISTERED_COPIED)
        if (format.name == name)
            return Refusal::None;
    return Refusal::Unknown;
}
}  // namespace

KeepAs KeepFormatAs(unsigned format)
{
    if (format == FMT_BITMAP)
        return KeepAs::Bitmap;
    if (format == FMT_ENHMETAFILE)
        return KeepAs::EnhMetafile;
    return KeepAs::Bytes;
}

BorrowPlan PlanBorrow(const std::vector<ListedFormat>& listed, unsigned long dropEffect)
{
    BorrowPlan plan;
    if (dropEffect & DROP_EFFECT_MOVE) {
        plan.refusal = Refusal::Cut;
        return plan;
    }
    bool familyCopied[FAMILY_COUNT] = {};
    for (const ListedFormat& format : listed) {
        const int family = format.number < FMT_REGISTERED_FIRST ? FamilyOf(format.number) : -1;
        if (family >= 0 && familyCopied[family])
            continue;   // made by the system from its family's first
        if (format.number >= FMT_REGISTERED_FIRST && IsHistoryOptOut(format.name))
            continue;   // every restore puts these back itself
        plan.refusal = RefusalFor(format);
        if (plan.refusal != Refusal::None) {
            plan.copied.clear();
            return plan;
        }
        if (family >= 0)
            familyCopied[family] = true;
        plan.copied.push_back(format.number);
    }
    return plan;
}

bool SnapshotFits(std::size_t totalBytes) { return totalBytes <= CLIPBOARD_SNAPSHOT_LIMIT; }
