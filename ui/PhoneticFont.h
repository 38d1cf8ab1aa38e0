// Fonts with the phonetic letters of a pronunciation. Zeto's own fonts (the
// dialogs' Arial, the face chosen for the tooltip) may lack them, and GDI
// then draws a box for each letter. Where a font lacks a letter of what it
// shows, the same font in the first installed face that has them is used:
// Windows' own, then the one Wine finds among the host's fonts.
#pragma once
#include "framework/Gdi.h"

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

// Gives a dialog's controls a phonetic font like the dialog's own when that
// lacks the letters; applied again after a change of DPI, which remakes the
// dialog's font.
class PhoneticControls {
public:
    void Apply(HWND dialog, std::initializer_list<int> ids);

private:
    CFont m_font;
};
