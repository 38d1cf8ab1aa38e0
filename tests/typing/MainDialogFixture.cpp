#include "tests/typing/MainDialogFixture.h"

namespace typing {

const support::Pairs& TestWords()
{
    static const support::Pairs words = {
        {"apple", "ябълка"},     {"apricot", "кайсия"}, {"banana", "банан"},   {"Cat", "котка"},
        {"cherry", "череша"},    {"DOG", "куче"},       {" Fig ", "смокиня"},  {"ГРОЗДЕ", "grapes"},
        {"Ёж Їжак", "hedgehog"}, {"grape", "грозде"},   {"hat", "шапка"},      {"ice-cream", "сладолед"},
        {"jam", "конфитюр"},     {"kite", "хвърчило"},  {"lemon", "лимон"},    {"mango", "манго"},
        {"nut", "орех"},         {"orange", "портокал"}, {"pear", "круша"},    {"plum", "слива"},
        {"quince", "дюля"},      {"rose", "роза"},      {"table", "маса"},     {"zebra", "зебра"},
    };
    return words;
}

void MainDialogTest::SetUp()
{
    support::WriteZetoFiles(TestWords());
}

void MainDialogTest::Type(const std::string& text)
{
    HWND input = Item(IDC_INPUT);
    int length = ::GetWindowTextLengthA(input);
    ::SendMessageA(input, EM_SETSEL, length, length);
    for (char c : text)
        ::SendMessageA(input, WM_CHAR, (WPARAM)(unsigned char)c, 1);
}

void MainDialogTest::SetInput(const std::string& text) { ::SetWindowTextA(Item(IDC_INPUT), text.c_str()); }

POINT MainDialogTest::ClientToScreenPt(int x, int y) const
{
    POINT pt{x, y};
    ::ClientToScreen(m_dlg->m_hWnd, &pt);
    return pt;
}

bool MainDialogTest::AnyRowVisible() const
{
    for (int i = 0; i < 10; ++i)
        if (RowVisible(i))
            return true;
    return false;
}

} // namespace typing
