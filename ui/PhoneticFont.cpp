#include "ui/PhoneticFont.h"

#include <vector>

namespace {

// Windows' faces with the IPA letters, then the host's that Wine finds.
constexpr std::initializer_list<const wchar_t*> PHONETIC_FACES = {L"Segoe UI", L"Arial Unicode MS", L"DejaVu Sans"};
// The letters of pron.dat beyond Latin-1 that are most often met.
constexpr wchar_t PHONETIC_SAMPLE[] = L"\u0259\u028A\u02C8\u026A\u0283\u014B\u03B8\u00F0\u0252\u025C\u0279";

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *(bool*)found = true;
    return 0;
}

} // namespace

HFONT FontInFirstFace(LOGFONTW model, std::initializer_list<const wchar_t*> faces)
{
    HDC dc = ::GetDC(nullptr);
    HFONT font = nullptr;
    for (const wchar_t* face : faces) {
        LOGFONTW wanted{};
        wanted.lfCharSet = DEFAULT_CHARSET;
        lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
        bool found = false;
        ::EnumFontFamiliesExW(dc, &wanted, &NoteFace, (LPARAM)&found, 0);
        if (!found)
            continue;
        lstrcpynW(model.lfFaceName, face, LF_FACESIZE);
        model.lfCharSet = DEFAULT_CHARSET;
        font = ::CreateFontIndirectW(&model);
        break;
    }
    ::ReleaseDC(nullptr, dc);
    return font;
}

HFONT PhoneticFontLike(HFONT model)
{
    LOGFONTW like{};
    if (!model || !::GetObjectW(model, sizeof like, &like))
        return nullptr;
    return FontInFirstFace(like, PHONETIC_FACES);
}

bool HasLetters(HDC dc, const std::wstring& text)
{
    if (text.empty())
        return true;
    std::vector<WORD> glyphs(text.size());
    if (::GetGlyphIndicesW(dc, text.c_str(), (int)text.size(), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        return true;   // nothing better is known
    for (WORD glyph : glyphs) {
        if (glyph == 0xFFFF)
            return false;
    }
    return true;
}

bool HasPhoneticLetters(HFONT font)
{
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, font);
    const bool has = HasLetters(dc, PHONETIC_SAMPLE);
    ::SelectObject(dc, old);
    ::ReleaseDC(nullptr, dc);
    return has;
}
