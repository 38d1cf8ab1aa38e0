// Fonts with the phonetic letters of a pronunciation. The face chosen for
// the tooltip may lack them, and GDI then draws a box for each letter; where
// it lacks a letter of what it shows, the same font in the first installed
// face that has them is used: Windows' own, then the one Wine finds among
// the host's fonts. The translation boxes keep the dialog's font: Wine's
// edit control hangs on U+02C8 (the stress mark) in DejaVu Sans.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>

// A font like model in the first installed face of faces; null when none is.
HFONT FontInFirstFace(LOGFONTW model, std::initializer_list<const wchar_t*> faces);
// font like model in the first installed face meant for phonetic letters;
// null when none is.
HFONT PhoneticFontLike(HFONT model);
// Whether the font selected into dc has a glyph for every letter of text.
bool HasLetters(HDC dc, const std::wstring& text);
// Whether font has every phonetic letter of the pronunciations.
bool HasPhoneticLetters(HFONT font);
