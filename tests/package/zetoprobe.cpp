// Checks, from outside, that a Zeto just started came up ready: its main
// window "Wordlumo" is there, no "Error" box is shown, and a word typed into
// it is translated from the shipped dictionary: a plain word, a word found
// by its base form (forms.dat), a small word of the supplement. Then closes Zeto
// through "E&xit" and waits for its window to go. Exit status 0 when all held.
#include "tests/support/Cp1251Text.h"
#include "tests/support/Pump.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>

namespace {

const UINT ID_EXIT = 32778;

HWND FindDialog(const char* title) { return ::FindWindowA("#32770", title); }

} // namespace

int main()
{
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
    // Ready means the dictionary is loaded: a word typed into the input box
    // (1013) shows its translation in 1001. (Menus belong to their process
    // under Wine, so the menu state cannot be read from here.)
    HWND input = ::GetDlgItem(main, 1013);
    HWND translation = ::GetDlgItem(main, 1001);
    struct Case {
        const char* typed;
        std::string shown;   // a part of the translation
    };
    for (const Case& c :
         {Case{"house", u8"къща"_cp1251}, Case{"children", "child: "}, Case{"the", u8"къщата"_cp1251}}) {
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutA(input, WM_SETTEXT, 0, (LPARAM)c.typed, SMTO_NORMAL, 10000, &ignored);
        char text[512] = "";
        const bool translated = support::PumpUntil([&] {
            ::SendMessageTimeoutA(translation, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_NORMAL, 10000, &ignored);
            return std::strstr(text, c.shown.c_str()) != nullptr;
        }, 10000);
        if (!translated) {
            std::printf("FAIL: \"%s\" typed into Zeto shows \"%s\", not \"...%s...\"\n", c.typed, text,
                        c.shown.c_str());
            return 1;
        }
        std::printf("ready: \"%s\" translates to \"%s\"\n", c.typed, text);
    }
    ::PostMessageA(main, WM_COMMAND, ID_EXIT, 0);
    if (!support::PumpUntil([&] { return !::IsWindow(main); }, 30000)) {
        std::printf("FAIL: Zeto did not close on \"E&xit\"\n");
        return 1;
    }
    return 0;
}
