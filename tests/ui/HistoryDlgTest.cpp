// The History window on a few rows, driven through its real controls: what
// the list shows, sorting by a header click, the search as typed (Cyrillic
// too), the star (Space or a click on its cell) and the deletion going out as
// journal records, Enter and Down from the keyboard; and the study export
// written to a file.
#include "notebook/History.h"
#include "res/resource.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/ExportWordsDlg.h"
#include "ui/HistoryDlg.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <tuple>
#include <string>
#include <vector>

namespace {

const std::wstring STAR = L"\u2605";

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class HistoryDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Append(notebook::EncodeLookup(1000, "house", "house", u8"къща", u8"/haʊs/", "Notepad"));
        Append(notebook::EncodeLookup(1500, "House", "house", u8"къща, дом", u8"/haʊs/", "Notepad"));
        Append(notebook::EncodeLookup(2000, "Apple", "apple", u8"ябълка", "", "Notepad"));
        Append(notebook::EncodeLookup(3000, "cat", "cat", u8"КОТКА", "", "Notepad"));
        m_records.clear();
        // Not shown: Wine waits for the X server to map and unmap a shown
        // window, a second each way; the controls work the same.
        ASSERT_TRUE(m_dlg.Create());
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    // What the owner does with a record: applies it to the history.
    void Append(const std::string& record)
    {
        m_records.push_back(record);
        notebook::ReadJournal(record, [&](const notebook::Record& r) { return m_history.Apply(r); });
    }

    HWND List() const { return m_dlg.List(); }
    int Count() const { return (int)::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0); }
    std::wstring Cell(int row, history::Column column) const
    {
        wchar_t text[256] = L"";
        LVITEMW item{};
        item.iSubItem = (int)column;
        item.pszText = text;
        item.cchTextMax = 256;
        ::SendMessageW(List(), LVM_GETITEMTEXTW, row, (LPARAM)&item);
        return text;
    }
    std::vector<std::wstring> Words() const
    {
        std::vector<std::wstring> words;
        for (int i = 0; i < Count(); ++i)
            words.push_back(Cell(i, history::Column::Word));
        return words;
    }
    int RowOf(const std::wstring& wordCell) const
    {
        for (int i = 0; i < Count(); ++i)
            if (Cell(i, history::Column::Word) == wordCell)
                return i;
        return -1;
    }
    void SelectOnly(int row)
    {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageW(List(), LVM_SETITEMSTATE, (WPARAM)-1, (LPARAM)&state);
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageW(List(), LVM_SETITEMSTATE, row, (LPARAM)&state);
    }
    void Type(const std::wstring& text) { ::SetWindowTextW(::GetDlgItem(m_dlg.m_hWnd, IDC_HISTORY_SEARCH), text.c_str()); }
    // A key pressed on the focused control, through the dialog manager as a
    // modal run would take it (Enter is the dialog's, arrows the control's).
    void PressKey(HWND control, WPARAM key)
    {
        ::SetFocus(control);
        ::PostMessageW(control, WM_KEYDOWN, key, 1);
        ::PostMessageW(control, WM_KEYUP, key, 0xC0000001);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            if (!::IsDialogMessageW(m_dlg.m_hWnd, &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
    }
    // A left click on the header of column, as the mouse gives it.
    void ClickHeader(history::Column column)
    {
        HWND header = (HWND)::SendMessageW(List(), LVM_GETHEADER, 0, 0);
        RECT box{};
        ::SendMessageW(header, HDM_GETITEMRECT, (WPARAM)column, (LPARAM)&box);
        const LPARAM at = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
        ::SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageW(header, WM_LBUTTONUP, 0, at);
        support::PumpPending();
    }

    notebook::History m_history;
    std::vector<std::string> m_records;   // as they went to the owner
    std::vector<std::string> m_shown;     // the words shown in the main window
    CHistoryDlg m_dlg{nullptr, m_history, [this](const std::string& r) { Append(r); },
                      [this](const std::string& w) { m_shown.push_back(w); }};
};

TEST_F(HistoryDlgTest, ShowsEachWordOnceTheLatestFirstWithItsCells)
{
    ASSERT_EQ(Count(), 3);
    EXPECT_EQ(Words(), (std::vector<std::wstring>{L"cat", L"Apple", L"House /ha\u028As/"}));
    EXPECT_EQ(Cell(2, history::Column::Translation), L"\u043A\u044A\u0449\u0430, \u0434\u043E\u043C");
    EXPECT_EQ(Cell(2, history::Column::Count), L"2");
    EXPECT_EQ(Cell(0, history::Column::Count), L"1");
    EXPECT_NE(Cell(0, history::Column::LastSeen), L"");
    EXPECT_NE(Cell(0, history::Column::LastSeen), Cell(1, history::Column::LastSeen));
    EXPECT_EQ(Cell(0, history::Column::Star), L"");
}

TEST_F(HistoryDlgTest, TheSearchBoxHasTheFocusAndDownGoesIntoTheListAtItsFirstRow)
{
    HWND search = ::GetDlgItem(m_dlg.m_hWnd, IDC_HISTORY_SEARCH);
    EXPECT_EQ(::GetFocus(), search);
    PressKey(search, VK_DOWN);
    EXPECT_EQ(::GetFocus(), List());
    EXPECT_EQ(::SendMessageW(List(), LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED), 0);
}

TEST_F(HistoryDlgTest, AHeaderClickSortsByItsColumnAndASecondReverses)
{
    ClickHeader(history::Column::Word);
    EXPECT_EQ(Words(), (std::vector<std::wstring>{L"Apple", L"cat", L"House /ha\u028As/"}));
    ClickHeader(history::Column::Word);
    EXPECT_EQ(Words(), (std::vector<std::wstring>{L"House /ha\u028As/", L"cat", L"Apple"}));
    ClickHeader(history::Column::Count);
    EXPECT_EQ(Cell(0, history::Column::Word), L"House /ha\u028As/") << "the most looked up first";
}

TEST_F(HistoryDlgTest, TheSearchKeepsWordsOrTranslationsHoldingTheTextInAnyCase)
{
    Type(L"\u043A\u043E\u0442");   // "кот": the translation is in capitals
    EXPECT_EQ(Words(), (std::vector<std::wstring>{L"cat"}));
    Type(L"\u042F\u0411\u042A\u041B");   // "ЯБЪЛ"
    EXPECT_EQ(Words(), (std::vector<std::wstring>{L"Apple"}));
    Type(L"hOUs");
    EXPECT_EQ(Words(), (std::vector<std::wstring>{L"House /ha\u028As/"}));
    Type(L"zebra");
    EXPECT_EQ(Count(), 0);
    Type(L"");
    EXPECT_EQ(Count(), 3);
}

TEST_F(HistoryDlgTest, SpaceTogglesTheStarThroughTheOwnerAndTheRowShowsIt)
{
    const int row = RowOf(L"Apple");
    SelectOnly(row);
    PressKey(List(), VK_SPACE);
    ASSERT_EQ(m_records.size(), 1u);
    notebook::Record star;
    notebook::ReadJournal(m_records[0], [&](const notebook::Record& r) { star = r; return true; });
    EXPECT_EQ(star.kind, notebook::RecordKind::Star);
    EXPECT_EQ(star.row.word, "Apple");
    EXPECT_TRUE(star.row.starred);
    EXPECT_EQ(Cell(RowOf(L"Apple"), history::Column::Star), STAR);
    EXPECT_EQ(Cell(RowOf(L"cat"), history::Column::Star), L"");

    PressKey(List(), VK_SPACE);
    EXPECT_EQ(m_records.size(), 2u);
    EXPECT_EQ(Cell(RowOf(L"Apple"), history::Column::Star), L"");
}

TEST_F(HistoryDlgTest, AClickOnARowsStarCellTogglesItsStarAndOnAnotherCellNot)
{
    const auto click = [&](int row, history::Column column) {
        RECT cell{};
        cell.top = (LONG)column;
        cell.left = LVIR_BOUNDS;
        ::SendMessageW(List(), LVM_GETSUBITEMRECT, row, (LPARAM)&cell);
        const LPARAM at = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
        // The release waits in the queue: the list looks for it before it
        // takes the press for a click.
        ::PostMessageW(List(), WM_LBUTTONUP, 0, at);
        ::SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        support::PumpPending();
    };
    click(RowOf(L"cat"), history::Column::Translation);
    EXPECT_TRUE(m_records.empty());
    click(RowOf(L"cat"), history::Column::Star);
    EXPECT_EQ(m_records.size(), 1u);
    EXPECT_EQ(Cell(RowOf(L"cat"), history::Column::Star), STAR);
}

TEST_F(HistoryDlgTest, DeleteRemovesTheSelectedRowAndSelectsTheNext)
{
    SelectOnly(RowOf(L"cat"));
    PressKey(List(), VK_DELETE);
    EXPECT_EQ(Words(), (std::vector<std::wstring>{L"Apple", L"House /ha\u028As/"}));
    EXPECT_EQ(m_history.Find("cat"), nullptr);
    EXPECT_EQ(::SendMessageW(List(), LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED), 0);
}

TEST_F(HistoryDlgTest, EnterShowsTheSelectedWordAndTheWindowStays)
{
    SelectOnly(RowOf(L"House /ha\u028As/"));
    PressKey(List(), VK_RETURN);
    EXPECT_EQ(m_shown, (std::vector<std::string>{"House"}));
    EXPECT_FALSE(m_dlg.IsEnded());
}

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto& [time, word, translation] : {std::make_tuple(100, "house", u8"къща"),
                                                      std::make_tuple(200, "#tag", u8"знак"),
                                                      std::make_tuple(300, "cat", u8"котка")})
            notebook::ReadJournal(notebook::EncodeLookup(time, word, word, translation, "", ""),
                                  [&](const notebook::Record& r) { return history.Apply(r); });
    }
    std::wstring Wide(const std::string& path) const { return std::wstring(path.begin(), path.end()); }
    notebook::History history;
    support::ScratchDir dir;
};

TEST_F(ExportTest, AnAnkiExportParsesBackHeaderFirstThenOneNotePerWord)
{
    const std::string path = dir.File("words.txt");
    ASSERT_TRUE(WriteWordsExport(history, notebook::ExportWhich::All, 0, ExportFormat::Anki, Wide(path)));
    const std::vector<std::string> lines = Lines(ReadFileBytes(path));
    ASSERT_GE(lines.size(), 1u);
    EXPECT_EQ(lines[0], "#separator:tab");
    std::vector<std::string> notes;
    for (const std::string& line : lines)
        if (line[0] != '#')
            notes.push_back(line);
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_NE(notes[0].find("\tcat\t"), std::string::npos) << notes[0];
    EXPECT_NE(notes[1].find("\t#tag\t"), std::string::npos) << notes[1];
    EXPECT_NE(notes[2].find(u8"\tкъща\t"), std::string::npos) << notes[2];
}

TEST_F(ExportTest, ACsvExportHasItsMarkAHeaderAndOneLinePerWordSince)
{
    const std::string path = dir.File("words.csv");
    ASSERT_TRUE(WriteWordsExport(history, notebook::ExportWhich::Since, 200, ExportFormat::Csv, Wide(path)));
    const std::string bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(Lines(bytes).size(), 3u) << bytes;
}

TEST_F(ExportTest, AWriteThatFailsLeavesTheEarlierFileAndNoPartOfTheNew)
{
    const std::string path = dir.File("words.txt");
    { std::ofstream(path, std::ios::binary) << "earlier"; }
    // Held open without sharing: the new file cannot take its place.
    HANDLE held = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WriteWordsExport(history, notebook::ExportWhich::All, 0, ExportFormat::Anki, Wide(path)));
    ::CloseHandle(held);
    EXPECT_EQ(ReadFileBytes(path), "earlier");
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA(dir.File("*").c_str(), &found);
    int files = 0;
    if (search != INVALID_HANDLE_VALUE) {
        do
            files += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
        while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    EXPECT_EQ(files, 1) << "the temporary file is gone";
    EXPECT_FALSE(WriteWordsExport(history, notebook::ExportWhich::All, 0, ExportFormat::Anki,
                                  Wide(dir.File("no such folder\\words.txt"))));
}

} // namespace
