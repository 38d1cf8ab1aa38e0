// Which clipboards Zeto may borrow for a mouse selection, which of their
// formats it copies, and how much it is willing to copy. Pure rules over
// format numbers, registered names and sizes, so they build and are tested
// on every platform.
//
// A clipboard is borrowed only when every format on it can be copied and
// put back cheaply and faithfully. Anything else (an OLE object, virtual
// files, a cut in progress, a format only its owner understands, a name
// Zeto does not know) is left alone: that selection goes untranslated rather
// than the user's clipboard be given back poorer than it was.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

// A clipboard larger than this in all (counting only what is copied) is not
// borrowed: that selection is not translated rather than the user's
// clipboard risked or the machine's memory doubled.
constexpr std::size_t CLIPBOARD_SNAPSHOT_LIMIT = 64u * 1024 * 1024;

// Registered formats every restore of Zeto's carries, as a DWORD 0, so that
// Windows' clipboard history does not record the user's content again.
constexpr const char* CLIPBOARD_HISTORY_OPT_OUTS[] = {"CanIncludeInClipboardHistory", "CanUploadToCloudClipboard"};

// Explorer's mark of a cut (its value DROPEFFECT_MOVE) or a copy of files.
constexpr char DROP_EFFECT_FORMAT[] = "Preferred DropEffect";
constexpr unsigned long DROP_EFFECT_MOVE = 2;

enum class KeepAs {
    Bytes,         // global memory: copied byte for byte
    Bitmap,        // a GDI bitmap handle: copied as a new bitmap
    EnhMetafile,   // an enhanced metafile handle: copied as a new metafile
};

// How a copied format's data is kept. Formats not named here hold global memory.
KeepAs KeepFormatAs(unsigned format);

// Why a clipboard is not borrowed.
enum class Refusal {
    None,
    ObjectOrVirtualFile,   // an OLE data object or files that exist only inside a program
    Cut,                   // files cut in Explorer: the move would be lost
    OwnersOnly,            // private, owner-drawn, palette or metafile-pict data
    Unknown,               // a registered format Zeto does not know
};

// One format as the clipboard lists it: its number and, for a registered
// format, its name ("" for the standard ones).
struct ListedFormat {
    unsigned number;
    std::string name;
};

struct BorrowPlan {
    Refusal refusal = Refusal::None;
    std::vector<unsigned> copied;   // when borrowed: the formats to copy, in the clipboard's order
};

// listed: the clipboard's formats in its own order (the owner's first, then
// the ones the system makes from them). dropEffect: the value held by
// DROP_EFFECT_FORMAT, 0 when there is none.
BorrowPlan PlanBorrow(const std::vector<ListedFormat>& listed, unsigned long dropEffect);

// Whether a clipboard whose copied formats hold totalBytes can be borrowed.
bool SnapshotFits(std::size_t totalBytes);
