#include "Session.h"

#include "tests/support/BesideData.h"
#include "tests/support/Cp1251Text.h"
#include "tests/support/WindowText.h"
#include "tests/support/XInput.h"

const char Session::APPLE[] = "apple";
const std::string Session::APPLE_BG = u8"ябълка"_cp1251;
const char Session::HOUSE[] = "house";
const std::string Session::HOUSE_BG = u8"къща"_cp1251;
const char Session::CHILD[] = "child";
const std::string Session::CHILD_BG = u8"дете"_cp1251;
const char Session::APPLE_SAID[] = u8"/ˈæp.əl/";
const char Session::HOUSE_SAID[] = u8"n. /haʊs/, v. /haʊz/";
const std::string Session::USAGE_HINT = u8"Използвайте \"Ctrl + C\" или \"Десен бутон на мишката + Copy\""_cp1251;

void Session::WriteDictionary(bool saidWords)
{
    m_dir = std::make_unique<support::ScratchDir>();
    support::WriteZetoFiles({{APPLE, APPLE_BG}, {HOUSE, HOUSE_BG}, {"word", u8"дума"_cp1251}, {CHILD, CHILD_BG}});
    if (saidWords)
        support::WriteFileBytes(CPronunciations::FILE_NAME,
                                CPronunciations::Build({{APPLE, "n", u8"ˈæp.əl"}, {HOUSE, "n", u8"haʊs"},
                                                        {HOUSE, "v", u8"haʊz"}}));
}

bool Session::StartZeto(const std::string& zetoExe)
{
    m_process = std::make_unique<support::ZetoProcess>(zetoExe, dir(), "");
    m_zeto = m_process->WaitForMain();
    if (!m_zeto) {
        error = "Zeto's main window did not appear: " + m_process->State();
        return false;
    }
    return Sync();
}

bool Session::Start(const std::string& zetoExe, const std::string& notepadTitle, bool saidWords)
{
    if (!xinput::Available()) {
        error = "xdotool cannot be reached from Wine";
        return false;
    }
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
    WriteDictionary(saidWords);
    if (!StartZeto(zetoExe))
        return false;
    ::SetWindowPos(m_zeto, nullptr, 700, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

Session::~Session()
{
    m_process.reset();   // closed, so its files (Zeto.ini with Automatic Attach on too) can go
    m_dir.reset();
    if (m_notepad)
        ::PostMessageA(m_notepad, WM_CLOSE, 0, 0);
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

std::string Session::NotepadText() const { return support::TextOf(m_edit); }

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
