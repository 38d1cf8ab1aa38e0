// Checks, from outside, that a Zeto just started came up ready: its main
// window "Wordlumo" is there, no "Error" box is shown, and a word typed into
// it is translated from the shipped dictionary: a plain word, a word found
// by its base form (forms.dat), a small word of the supplement. Then closes Zeto
// through "E&xit" and waits for its window to go. Exit status 0 when all held.
//   zetoprobe                  the checks above
//   zetoprobe --use EXE        also adds a word, switches Automatic Attach on
//                              and Start with Windows on, and checks that the
//                              Run value starts EXE (a Windows path)
//   zetoprobe --added          also checks that the word added before is there
//   zetoprobe --stay           the checks above, and leaves Zeto running
//   zetoprobe --wizard KIND    only steps the wizard "Wordlumo ... KIND" (Setup,
//                              Uninstall) through to its end, as a user taking
//                              every default would
//   zetoprobe --hold DLL MARKER  only stands in for an application that Zeto's
//                              hooks reached: maps DLL as Windows maps a hook
//                              library into a hooked process, creates the file
//                              MARKER and holds the library until MARKER is
//                              deleted (at most five minutes); Windows then
//                              refuses to delete or overwrite DLL, and lets it
//                              be renamed
#include "res/resource.h"
#include "tests/support/Cp1251Text.h"
#include "tests/support/Pump.h"
#include "tests/support/WindowText.h"

#include <windows.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>

namespace {

const char* const ADDED_WORD = "zetoprobe";
const std::string ADDED_TRANSLATION = u8"проба"_cp1251;

HWND FindDialog(const char* title) { return ::FindWindowA("#32770", title); }

// Texts go to and come from Zeto's windows as UTF-16, whatever this
// Windows' code page (support::SetTextOf, support::TextOf).
using support::SetTextOf;
using support::TextOf;

// Types word into the input box and waits for a translation holding shown.
bool Translates(HWND main, const char* word, const std::string& shown)
{
    SetTextOf(::GetDlgItem(main, IDC_INPUT), word);
    std::string text;
    const bool translated = support::PumpUntil([&] {
        text = TextOf(::GetDlgItem(main, IDC_TRANSLATION));
        return text.find(shown) != std::string::npos;
    }, 10000);
    if (translated)
        std::printf("ready: \"%s\" translates to \"%s\"\n", word, text.c_str());
    else
        std::printf("FAIL: \"%s\" typed into Zeto shows \"%s\", not \"...%s...\"\n", word, text.c_str(),
                    shown.c_str());
    return translated;
}

bool AddWord(HWND main)
{
    ::PostMessageA(main, WM_COMMAND, ID_ADD_NEW_WORD, 0);
    HWND dlg = nullptr;
    if (!support::PumpUntil([&] { return (dlg = FindDialog("New word")) != nullptr; }, 15000)) {
        std::printf("FAIL: no \"New word\" dialog\n");
        return false;
    }
    SetTextOf(::GetDlgItem(dlg, IDC_NEW_WORD), ADDED_WORD);
    SetTextOf(::GetDlgItem(dlg, IDC_NEW_TRANSLATION), ADDED_TRANSLATION);
    ::PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_NEW_WORD_OK, BN_CLICKED), (LPARAM)::GetDlgItem(dlg, IDC_NEW_WORD_OK));
    return support::PumpUntil([&] { return !::IsWindow(dlg); }, 15000) && Translates(main, ADDED_WORD, ADDED_TRANSLATION);
}

// The program the Run value starts, without quotes; empty when there is none.
std::wstring RunProgram()
{
    wchar_t value[2048] = L"";
    DWORD size = sizeof value;
    if (::RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", L"Wordlumo",
                       RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::wstring();
    std::wstring command(value);
    if (command.empty() || command[0] != L'"')
        return command.substr(0, command.find(L' '));
    return command.substr(1, command.find(L'"', 1) - 1);
}

std::string Utf8(const std::wstring& text)
{
    char bytes[4096] = "";
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr);
    return bytes;
}

bool StartsWithWindows(HWND main, const std::wstring& exe)
{
    ::PostMessageA(main, WM_COMMAND, ID_START_WITH_WINDOWS, 0);
    const bool same = support::PumpUntil([&] {
        const std::wstring program = RunProgram();
        return ::CompareStringOrdinal(program.c_str(), -1, exe.c_str(), -1, TRUE) == CSTR_EQUAL;
    }, 15000);
    std::printf("%s: the Run value starts \"%s\"\n", same ? "ok" : "FAIL", Utf8(RunProgram()).c_str());
    return same;
}

// The wizard's window: its title begins "Wordlumo" and holds " KIND" (NSIS
// adds a space after it).
HWND FindWizard(const std::wstring& kind)
{
    struct Search {
        std::wstring kind;
        HWND found;
    } search{L" " + kind, nullptr};
    ::EnumWindows([](HWND hwnd, LPARAM param) -> BOOL {
        auto& s = *(Search*)param;
        wchar_t title[256] = L"";
        ::GetWindowTextW(hwnd, title, 256);
        const std::wstring t(title);
        if (t.rfind(L"Wordlumo", 0) == 0 && t.find(s.kind) != std::wstring::npos) {
            s.found = hwnd;
            return FALSE;
        }
        return TRUE;
    }, (LPARAM)&search);
    return search.found;
}

// The forward button (id 1: "Install", "Next >", "Finish", "Uninstall") is
// pressed once per page, when it is enabled: a button that still reads as
// the one pressed last is a page not yet left. True when the wizard ended.
bool StepThroughWizard(const std::wstring& kind)
{
    HWND wizard = nullptr;
    if (!support::PumpUntil([&] { return (wizard = FindWizard(kind)) != nullptr; }, 60000)) {
        std::printf("FAIL: no wizard \"Wordlumo ... %s\" within 60 s\n", Utf8(kind).c_str());
        return false;
    }
    std::wstring pressed;
    const bool ended = support::PumpUntil([&] {
        if (!::IsWindow(wizard))
            return true;
        HWND forward = ::GetDlgItem(wizard, IDOK);
        wchar_t label[64] = L"";
        ::GetWindowTextW(forward, label, 64);
        if (::IsWindowVisible(forward) && ::IsWindowEnabled(forward) && pressed != label) {
            pressed = label;
            std::printf("pressed \"%s\"\n", Utf8(label).c_str());
            ::PostMessageW(wizard, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)forward);
        }
        return false;
    }, 120000);
    if (!ended)
        std::printf("FAIL: the wizard did not end; its forward button reads \"%s\"\n", Utf8(pressed).c_str());
    return ended;
}

// Mapped as an image, without running its code: no hooks are involved.
bool Hold(const wchar_t* dll, const wchar_t* marker)
{
    if (!::LoadLibraryExW(dll, nullptr, DONT_RESOLVE_DLL_REFERENCES)) {
        std::printf("FAIL: cannot load %ls: error %lu\n", dll, ::GetLastError());
        return false;
    }
    HANDLE file = ::CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(file);
    if (support::PumpUntil([&] { return ::GetFileAttributesW(marker) == INVALID_FILE_ATTRIBUTES; }, 5 * 60 * 1000, 50))
        return true;
    std::printf("FAIL: nobody released %ls\n", dll);
    return false;
}

} // namespace

int main()
{
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    const std::wstring exe = argc > 2 ? argv[2] : L"";
    if (mode == L"--wizard")
        return StepThroughWizard(exe) ? 0 : 1;
    if (mode == L"--hold")
        return argc == 4 && Hold(argv[2], argv[3]) ? 0 : 1;
    // The window exists before its initialisation ends; it is shown after.
    HWND main = nullptr;
    auto shown = [&] {
        main = FindDialog("Wordlumo");
        return main && ::IsWindowVisible(main);
    };
    if (!support::PumpUntil([&] { return shown() || FindDialog("Error"); }, 60000)) {
        std::printf("FAIL: no window \"Wordlumo\" within 60 s\n");
        return 1;
    }
    if (FindDialog("Error")) {
        std::printf("FAIL: Zeto reports a missing dictionary file\n");
        return 1;
    }
    // Ready means the dictionary files are loaded: a word typed into the
    // input box (1013) shows its translation in 1001, a form its base form
    // with how that is said. (Menus belong to their process under Wine, so
    // the menu state cannot be read from here.)
    for (const auto& [typed, shown] : {std::pair<const char*, std::string>{"house", u8"къща"_cp1251},
                                        {"children", "child /"}, {"the", u8"къщата"_cp1251}})
        if (!Translates(main, typed, shown))
            return 1;
    if (mode == L"--use") {
        if (!AddWord(main) || !StartsWithWindows(main, exe))
            return 1;
        ::PostMessageA(main, WM_COMMAND, ID_AUTOMATIC_ATTACH, 0);
    }
    if (mode == L"--added" && !Translates(main, ADDED_WORD, ADDED_TRANSLATION))
        return 1;
    if (mode == L"--stay")
        return 0;
    ::PostMessageA(main, WM_COMMAND, ID_EXIT, 0);
    if (!support::PumpUntil([&] { return !::IsWindow(main); }, 30000)) {
        std::printf("FAIL: Zeto did not close on \"E&xit\"\n");
        return 1;
    }
    return 0;
}
