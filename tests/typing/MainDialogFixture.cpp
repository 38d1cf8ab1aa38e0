#include "tests/typing/MainDialogFixture.h"

#include "tests/support/Cp1251Text.h"

namespace typing {

const support::Pairs& TestWords()
{
    static const support::Pairs words = {
        {"apple", u8"ябълка"_cp1251},     {"apricot", u8"кайсия"_cp1251},     {"banana", u8"банан"_cp1251},
        {"Cat", u8"котка"_cp1251},        {"cherry", u8"череша"_cp1251},      {"DOG", u8"куче"_cp1251},
        {" Fig ", u8"смокиня"_cp1251},    {u8"ГРОЗДЕ"_cp1251, "grapes"},      {u8"Ёж Їжак"_cp1251, "hedgehog"},
        {"grape", u8"грозде"_cp1251},     {"hat", u8"шапка"_cp1251},          {"ice-cream", u8"сладолед"_cp1251},
        {"jam", u8"конфитюр"_cp1251},     {"kite", u8"хвърчило"_cp1251},      {"lemon", u8"лимон"_cp1251},
        {"mango", u8"манго"_cp1251},      {"nut", u8"орех"_cp1251},           {"orange", u8"портокал"_cp1251},
        {"pear", u8"круша"_cp1251},       {"plum", u8"слива"_cp1251},         {"quince", u8"дюля"_cp1251},
        {"rose", u8"роза"_cp1251},        {"table", u8"маса"_cp1251},         {"zebra", u8"зебра"_cp1251},
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
