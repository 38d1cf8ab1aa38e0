// The Windows half of the demo: talks to a running Zeto and Wine Notepad.
//   zetodemo attach        switch on "Automatic Attach" in Zeto
//   zetodemo word WORD     print the screen point "x y" of WORD in Notepad
//   zetodemo translation   wait for Zeto's tooltip; print its text (UTF-8)
// Exit status 0 on success, 1 with a message otherwise.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const UINT ID_AUTOMATIC_ATTACH = 32777;
const DWORD TIMEOUT_MS = 30000;

template <class Pred> bool WaitFor(Pred pred, DWORD timeoutMs = TIMEOUT_MS)
{
    const DWORD start = ::GetTickCount();
    while (!pred()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        ::Sleep(50);
    }
    return true;
}

int Fail(const char* what)
{
    std::fprintf(stderr, "zetodemo: %s\n", what);
    return 1;
}

HWND FindZeto()
{
    HWND hwnd = nullptr;
    WaitFor([&] { hwnd = ::FindWindowA("#32770", "Wordlumo"); return hwnd && ::IsWindowVisible(hwnd); });
    return hwnd;
}

std::string TextOf(HWND hwnd)
{
    char text[4096] = "";
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_NORMAL, 5000, &ignored);
    return text;
}

// A window's text for the terminal, in UTF-8: the tooltip's pronunciation
// has letters no code page holds.
std::string Utf8TextOf(HWND hwnd)
{
    wchar_t wide[4096] = L"";
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(hwnd, WM_GETTEXT, 4096, (LPARAM)wide, SMTO_NORMAL, 5000, &ignored);
    char utf8[12288] = "";
    ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}

int Attach()
{
    HWND zeto = FindZeto();
    if (!zeto)
        return Fail("no Zeto window \"Wordlumo\"");
    ::PostMessageA(zeto, WM_COMMAND, ID_AUTOMATIC_ATTACH, 0);
    return 0;
}

int Word(const char* word)
{
    HWND notepad = nullptr;
    HWND edit = nullptr;
    WaitFor([&] {
        notepad = ::FindWindowA("Notepad", nullptr);
        edit = notepad ? ::FindWindowExA(notepad, nullptr, "Edit", nullptr) : nullptr;
        return edit && ::IsWindowVisible(notepad);
    });
    if (!edit)
        return Fail("no Notepad window");
    const std::string text = TextOf(edit);
    const std::size_t at = text.find(word);
    if (at == std::string::npos)
        return Fail("the word is not in Notepad's text");
    // The middle of the word: a double click there selects it.
    const LRESULT pos = ::SendMessageA(edit, EM_POSFROMCHAR, at + std::strlen(word) / 2, 0);
    POINT pt{(short)LOWORD(pos), (short)HIWORD(pos) + 6};
    ::ClientToScreen(edit, &pt);
    std::printf("%ld %ld\n", pt.x, pt.y);
    return 0;
}

struct TipSearch {
    HWND owner;
    HWND tip;
};

BOOL CALLBACK FindTip(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<TipSearch*>(lParam);
    char cls[16] = "";
    ::GetClassNameA(hwnd, cls, sizeof cls);
    if (::GetWindow(hwnd, GW_OWNER) == search->owner && ::IsWindowVisible(hwnd)
        && lstrcmpiA(cls, "Static") == 0 && !TextOf(hwnd).empty()) {
        search->tip = hwnd;
        return FALSE;
    }
    return TRUE;
}

int Translation()
{
    HWND zeto = FindZeto();
    if (!zeto)
        return Fail("no Zeto window \"Wordlumo\"");
    TipSearch search{zeto, nullptr};
    if (!WaitFor([&] { ::EnumWindows(FindTip, (LPARAM)&search); return search.tip != nullptr; }))
        return Fail("no translation tooltip appeared");
    RECT rect{};
    ::GetWindowRect(search.tip, &rect);
    std::printf("%s\n", Utf8TextOf(search.tip).c_str());
    std::fprintf(stderr, "tooltip at %ld,%ld size %ldx%ld\n", rect.left, rect.top,
                 rect.right - rect.left, rect.bottom - rect.top);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "attach") == 0)
        return Attach();
    if (argc == 3 && std::strcmp(argv[1], "word") == 0)
        return Word(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "translation") == 0)
        return Translation();
    return Fail("usage: zetodemo attach | word WORD | translation");
}
