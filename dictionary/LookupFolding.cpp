#include "dictionary/LookupFolding.h"

#include "dictionary/Dictionary.h"
#include "text/Cp1251Utf16.h"
#include "text/Utf8Sequence.h"

namespace lookupfold {

namespace {

// Base letters of U+00C0-U+00FF and U+0100-U+017F; '*' marks a letter
// written with two (Æ, ß, Þ, Ĳ, Œ), '.' a character that is no letter.
constexpr char LATIN_1[] = "AAAAAA*CEEEEIIIIDNOOOOO.OUUUUY**aaaaaa*ceeeeiiiidnooooo.ouuuuy*y";
constexpr char LATIN_A[] =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi**JjKkkLlLlLlLlLlNnNnNnnNnOoOoOo**RrRrRrSsSsSsSsTtTtTt"
    "UuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(sizeof LATIN_1 == 0x40 + 1 && sizeof LATIN_A == 0x80 + 1, "one base letter per code point");

const wchar_t* TwoLetters(unsigned c)
{
    switch (c) {
    case 0xC6: return L"AE";
    case 0xE6: return L"ae";
    case 0xDE: return L"TH";
    case 0xFE: return L"th";
    case 0xDF: return L"ss";
    case 0x132: return L"IJ";
    case 0x133: return L"ij";
    case 0x152: return L"OE";
    case 0x153: return L"oe";
    case 0xFB00: return L"ff";
    case 0xFB01: return L"fi";
    case 0xFB02: return L"fl";
    case 0xFB03: return L"ffi";
    case 0xFB04: return L"ffl";
    default: return nullptr;
    }
}

bool Dropped(unsigned c)
{
    return (c >= 0x300 && c <= 0x36F)                      // combining accents
        || c == 0x201C || c == 0x201D || c == 0x201E || c == 0x201F || c == 0xAB || c == 0xBB
        || c == 0x2039 || c == 0x203A                      // quotation marks
        || c == 0xAD || c == 0x200B || c == 0x200C || c == 0x200D || c == 0x2060 || c == 0xFEFF;
}

bool Apostrophe(unsigned c) { return c == 0x2018 || c == 0x2019 || c == 0x201B || c == 0x2BC || c == 0x2032; }

bool Space(unsigned c)
{
    return c == 0xA0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || (c >= 0x2012 && c <= 0x2015);
}

} // namespace

std::wstring Fold(const std::wstring& text)
{
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t ch : text) {
        const unsigned c = static_cast<unsigned>(ch);
        if (const wchar_t* two = TwoLetters(c))
            out += two;
        else if (c >= 0xC0 && c <= 0xFF && LATIN_1[c - 0xC0] != '.')
            out += static_cast<wchar_t>(LATIN_1[c - 0xC0]);
        else if (c >= 0x100 && c <= 0x17F)
            out += static_cast<wchar_t>(LATIN_A[c - 0x100]);
        else if (Apostrophe(c))
            out += L'\'';
        else if (Space(c))
            out += L' ';
        else if (c == 0x2010 || c == 0x2011)
            out += L'-';
        else if (!Dropped(c))
            out += ch;
    }
    return out;
}

std::string ForLookup(const std::wstring& text)
{
    return cp1251::FromUtf16(Fold(text), UNREADABLE);
}

std::string ForLookupFromUtf8(const std::string& utf8)
{
    std::wstring text;
    for (std::size_t i = 0; i < utf8.size();) {
        const cp1251::Utf8Sequence s = cp1251::DecodeUtf8(utf8.data(), utf8.size(), i);
        i += s.length;
        if (!s.wellFormed || (s.codePoint > 0xFFFF && sizeof(wchar_t) == 2))
            text += static_cast<wchar_t>(0xFFFD);   // no Windows-1251 form: UNREADABLE
        else
            text += static_cast<wchar_t>(s.codePoint);
    }
    return ForLookup(text);
}

std::string Fold1251(const std::string& text)
{
    return ForLookup(cp1251::ToUtf16(text));
}

bool MissesALetter(const std::string& folded)
{
    for (std::size_t i = 0; i < folded.size(); ++i) {
        if (folded[i] != UNREADABLE)
            continue;
        if ((i > 0 && CDictionary::IsLetter(folded[i - 1]))
            || (i + 1 < folded.size() && CDictionary::IsLetter(folded[i + 1])))
            return true;
    }
    return false;
}

} // namespace lookupfold
