#include "tests/faults/FaultFixture.h"

#include "dictionary/IrregularForms.h"
#include "tests/support/Clipboard.h"
#include "tests/support/Records.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

Bytes ReadBytes(const std::string& path)
{
    Bytes bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return bytes;
    int c;
    while ((c = std::fgetc(f)) != EOF)
        bytes.push_back(static_cast<unsigned char>(c));
    std::fclose(f);
    return bytes;
}

void WriteBytes(const std::string& path, const Bytes& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    if (!bytes.empty())
        std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

Bytes Record(const std::string& word, const std::string& translation)
{
    Bytes r;
    for (const std::string* text : {&word, &translation}) {
        r.push_back(static_cast<unsigned char>(text->size() & 0xFF));
        r.push_back(static_cast<unsigned char>(text->size() >> 8));
        for (char c : *text)
            r.push_back(static_cast<unsigned char>(~static_cast<unsigned char>(c)));
    }
    return r;
}

void FaultFixture::SetUp()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
}

void FaultFixture::TearDown()
{
    dlg.DestroyWindow();
}

void FaultFixture::StartDialog()
{
    // Shipped beside data.dat; without it Zeto would say so in edit 1001.
    support::WriteFileBytes(CIrregularForms::FILE_NAME, CIrregularForms::Build({"children child\n"}));
    ASSERT_TRUE(dlg.Create());
    uitest::PumpPending();
}

std::string FaultFixture::Shown()
{
    return uitest::TextOf(dlg.GetDlgItem(1001));
}

void FaultFixture::ExpectAlive()
{
    ASSERT_TRUE(::IsWindow(dlg.m_hWnd));
    DWORD_PTR result = 0;
    ASSERT_NE(::SendMessageTimeoutA(dlg.m_hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result), 0);
}

void FaultFixture::ExpectResponsive()
{
    ASSERT_NO_FATAL_FAILURE(ExpectAlive());
    if (!dlg.m_bReady)
        return;   // nothing is looked up before both files are loaded
    const std::string word = "probe";
    dlg.m_dictionary.AddPair(word.c_str(), "проба");
    ::PostMessageA(dlg.m_hWnd, ::RegisterWindowMessageA("UWM_KEYBOARD_CTRLC"), 0, 0);
    ASSERT_TRUE(uitest::PumpUntil([&] { return dlg.m_bCapturePending == 1; }));
    ASSERT_TRUE(support::PutClipboardText(word));
    EXPECT_TRUE(uitest::PumpUntil([&] { return Shown() == "проба"; })) << "shown: " << Shown();
}
