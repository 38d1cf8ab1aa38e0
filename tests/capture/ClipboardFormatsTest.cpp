// Which clipboards a mouse selection may borrow, and which of their formats
// are copied.
#include "capture/ClipboardFormats.h"

#include <gtest/gtest.h>

namespace {
// Standard format numbers as windows.h has them.
constexpr unsigned TEXT = 1, BITMAP = 2, METAFILEPICT = 3, OEMTEXT = 7, DIB = 8, PALETTE = 9, UNICODETEXT = 13,
                   ENHMETAFILE = 14, HDROP = 15, LOCALE = 16, DIBV5 = 17, OWNERDISPLAY = 0x80, DSPTEXT = 0x81,
                   PRIVATEFIRST = 0x200, GDIOBJFIRST = 0x300;

ListedFormat Registered(const char* name)
{
    static unsigned next = 0xC100;
    return {next++, name};
}

BorrowPlan Plan(const std::vector<ListedFormat>& listed) { return PlanBorrow(listed, 0); }
}  // namespace

TEST(ClipboardFormats, OfEachFamilyTheOwnersFormatIsCopiedOnce)
{
    // Text put as Unicode: the ANSI, OEM text the system made are not copied.
    EXPECT_EQ((std::vector<unsigned>{UNICODETEXT, LOCALE}),
              Plan({{UNICODETEXT, ""}, {LOCALE, ""}, {TEXT, ""}, {OEMTEXT, ""}}).copied);
    // A picture as a bitmap: the DIBs and palette made from it are not.
    EXPECT_EQ((std::vector<unsigned>{TEXT, BITMAP}),
              Plan({{TEXT, ""}, {BITMAP, ""}, {DIB, ""}, {DIBV5, ""}, {PALETTE, ""}}).copied);
    EXPECT_EQ((std::vector<unsigned>{DIB}), Plan({{DIB, ""}, {BITMAP, ""}, {PALETTE, ""}, {DIBV5, ""}}).copied);
    // An enhanced metafile: the metafile-pict made from it is not.
    EXPECT_EQ((std::vector<unsigned>{ENHMETAFILE}), Plan({{ENHMETAFILE, ""}, {METAFILEPICT, ""}}).copied);
}

TEST(ClipboardFormats, KnownRegisteredFormatsAndFilesAreBorrowed)
{
    const ListedFormat html = Registered("HTML Format");
    const ListedFormat rtf = Registered("Rich Text Format");
    const ListedFormat drop = Registered(DROP_EFFECT_FORMAT);
    const BorrowPlan page = Plan({html, {TEXT, ""}, rtf});
    EXPECT_EQ(Refusal::None, page.refusal);
    EXPECT_EQ((std::vector<unsigned>{html.number, TEXT, rtf.number}), page.copied);
    // Files copied (not cut) in Explorer.
    EXPECT_EQ((std::vector<unsigned>{HDROP, drop.number}), PlanBorrow({{HDROP, ""}, drop}, 5).copied);
    // An empty clipboard is borrowed: there is nothing to lose.
    EXPECT_EQ(Refusal::None, Plan({}).refusal);
}

TEST(ClipboardFormats, ZetosOwnHistoryOptOutsAreNotCopied)
{
    const ListedFormat history = Registered(CLIPBOARD_HISTORY_OPT_OUTS[0]);
    const ListedFormat cloud = Registered(CLIPBOARD_HISTORY_OPT_OUTS[1]);
    EXPECT_EQ((std::vector<unsigned>{TEXT}), Plan({{TEXT, ""}, history, cloud}).copied);
}

TEST(ClipboardFormats, ObjectsVirtualFilesAndCutsAreNotBorrowed)
{
    for (const char* name : {"DataObject", "Ole Private Data", "Object Descriptor", "Embed Source",
                             "FileGroupDescriptor", "FileGroupDescriptorW", "FileContents"}) {
        const BorrowPlan plan = Plan({{TEXT, ""}, Registered(name)});
        EXPECT_EQ(Refusal::ObjectOrVirtualFile, plan.refusal) << name;
        EXPECT_TRUE(plan.copied.empty()) << name;
    }
    EXPECT_EQ(Refusal::Cut, PlanBorrow({{HDROP, ""}, Registered(DROP_EFFECT_FORMAT)}, DROP_EFFECT_MOVE).refusal);
}

TEST(ClipboardFormats, OwnersOnlyAndUnknownFormatsAreNotBorrowed)
{
    for (unsigned format : {METAFILEPICT, PALETTE, OWNERDISPLAY, DSPTEXT, PRIVATEFIRST, PRIVATEFIRST + 0xFF,
                            GDIOBJFIRST, GDIOBJFIRST + 0xFF, 10u /* pen data */})
        EXPECT_EQ(Refusal::OwnersOnly, Plan({{TEXT, ""}, {format, ""}}).refusal) << format;
    EXPECT_EQ(Refusal::Unknown, Plan({{TEXT, ""}, Registered("Some program's own")}).refusal);
}

TEST(ClipboardFormats, HandlesAreCopiedByKindAndTheRestAsBytes)
{
    EXPECT_EQ(KeepAs::Bytes, KeepFormatAs(TEXT));
    EXPECT_EQ(KeepAs::Bytes, KeepFormatAs(DIB));
    EXPECT_EQ(KeepAs::Bytes, KeepFormatAs(0xC123));
    EXPECT_EQ(KeepAs::Bitmap, KeepFormatAs(BITMAP));
    EXPECT_EQ(KeepAs::EnhMetafile, KeepFormatAs(ENHMETAFILE));
    EXPECT_TRUE(SnapshotFits(CLIPBOARD_SNAPSHOT_LIMIT));
    EXPECT_FALSE(SnapshotFits(CLIPBOARD_SNAPSHOT_LIMIT + 1));
}
