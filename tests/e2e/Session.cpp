#include "Session.h"

#include "dictionary/Dictionary.h"
#include "tests/support/BesideData.h"
#include "tests/support/Cp1251Text.h"
#include "tests/support/WindowText.h"

#include <cstdio>
#include <vector>

const char Session::APPLE[] = "apple";
const std::string Session::APPLE_BG = u8"ябълка"_cp1251;
const char Session::HOUSE[] = "house";
const std::string Session::HOUSE_BG = u8"къща"_cp1251;
const char Session::CHILD[] = "child";
const std::string Session::CHILD_BG = u8"дете"_cp1251;
const char Session::APPLE_SAID[] = u8"/ˈæp.əl/";
const char Session::HOUSE_SAID[] = u8"n. /haʊs/, v. /haʊz/";
const std::string Session::USAGE_HINT = u8"Използвайте \"Ctrl + C\" или \"Десен бутон на мишката + Copy\""_cp1251;

bool Session::WriteDictionary(bool saidWords)
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    m_dir = std::string(temp) + "wordlumo-e2e-" + std::to_string(::GetCurrentProcessId());
    ::CreateDirectoryA(m_dir.c_str(), nullptr);
    FILE* data = std::fopen((m_dir + "\\data.dat").c_str(), "wb");
    FILE* newData = std::fopen((m_dir + "\\NewData.dat").c_str(), "wb");
    if (!data || !newData) {
        error = "cannot write the dictionary into " + m_dir;
        return false;
    }
    CDictionary writer;
    const std::string word = u8"дума"_cp1251;
    writer.WriteRecord(WordPair(APPLE, APPLE_BG.c_str()), data);
    writer.WriteRecord(WordPair(HOUSE, HOUSE_BG.c_str()), data);
    writer.WriteRecord(WordPair("word", word.c_str()), data);
    writer.WriteRecord(WordPair(CHILD, CHILD_BG.c_str()), data);
    std::fclose(data);
    std::fclose(newData);
    support::WriteFilesBesideData(m_dir);
    if (saidWords)
        support::WriteFileBytes(m_dir + "\\" + CPronunciations::FILE_NAME,
                                CPronunciations::Build({{APPLE, "n", u8"ˈæp.əl"}, {HOUSE, "n", u8"haʊs"},
                                                        {HOUSE, "v", u8"haʊz"}}));
    return true;
}

bool Session::StartZeto(const std::string& zetoExe)
{
    m_process = std::make_unique<support::ZetoProcess>(zetoExe, m_dir);
    m_zeto = m_process->WaitForMain();
    if (!m_zeto) {
        error = "Zeto's main window did not appear: " + m_process->State();
        return false;
    }
    return Sync();
}

bool Session::Start(const std::string& zetoExe, const std::string& notepadTitle, bool saidWords)
{
    m_notepadTitle = notepadTitle;
    if (!WaitFor([&] { return (m_notepad = ::FindWindowA(nullptr, notepadTitle.c_str())) != nullptr; }, 30000)) {
        error = "no window titled \"" + notepadTitle + "\"";
        return false;
    }
    m_edit = ::FindWindowExA(m_notepad, nullptr, "Edit", nullptr);
    if (!m_edit) {
        error = "Notepad has no Edit child";
        return false;
    }
    ::SetWindowPos(m_notepad, nullptr, 0, 0, 600, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    if (!WriteDictionary(saidWords) || !StartZeto(zetoExe))
        return false;
    ::SetWindowPos(m_zeto, nullptr, 700, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

Session::~Session()
{
    m_process.reset();   // closed, so its files can go
    if (!m_dir.empty()) {
        ::DeleteFileA((m_dir + "\\data.dat").c_str());
        ::DeleteFileA((m_dir + "\\NewData.dat").c_str());
        ::DeleteFileA((m_dir + "\\" + CIrregularForms::FILE_NAME).c_str());
        ::DeleteFileA((m_dir + "\\" + CPronunciations::FILE_NAME).c_str());
        ::DeleteFileA((m_dir + "\\Zeto.ini").c_str());   // Automatic Attach, saved on, must not outlive the session
        ::DeleteFileA((m_dir + "\\History.dat").c_str());
        ::RemoveDirectoryA(m_dir.c_str());
    }
}

POINT Session::CharPoint(int line, int col) const
{
    LRESULT start = ::SendMessageA(m_edit, EM_LINEINDEX, line, 0);
    LRESULT here = ::SendMessageA(m_edit, EM_POSFROMCHAR, start + col, 0);
    LRESULT next = ::SendMessageA(m_edit, EM_POSFROMCHAR, start + col + 1, 0);
    LRESULT below = ::SendMessageA(m_edit, EM_POSFROMCHAR, ::SendMessageA(m_edit, EM_LINEINDEX, line + 1, 0), 0);
    int x = (short)LOWORD(here), y = (short)HIWORD(here);
    int width = (short)LOWORD(next) - x;
    int height = (short)HIWORD(below) - y;
    POINT pt{x + (width > 0 ? width / 2 : 3), y + (height > 0 ? height / 2 : 6)};
    ::ClientToScreen(m_edit, &pt);
    return pt;
}

std::string Session::NotepadText() const
{
    std::vector<char> text(4096);
    ::SendMessageA(m_edit, WM_GETTEXT, text.size(), (LPARAM)text.data());
    return text.data();
}

std::string Session::ZetoText(int id) const { return support::TextOf(::GetDlgItem(m_zeto, id)); }

void Session::SetZetoText(int id, const std::string& text) const { support::SetTextOf(::GetDlgItem(m_zeto, id), text); }

void Session::Command(UINT id) const { ::PostMessageA(m_zeto, WM_COMMAND, id, 0); }

bool Session::Sync() const
{
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(m_zeto, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
}

HWND Session::Dialog(const char* caption) const { return m_process->Dialog(caption); }

HWND Session::VisibleTip(const std::string& text) const
{
    for (HWND tip : m_process->VisibleTips())
        if (support::KeptTextOf(tip) == text)
            return tip;
    return nullptr;
}
