// Reading a selection straight from the edit or rich-edit control that holds
// it, instead of having it copied: the user's clipboard is not touched at
// all, and a password field is never read. These are the pure rules (which
// controls qualify, the selected text from the lines the control gave, what
// of it is looked up); ControlRead asks the control.
#pragma once
#include "capture/ClipboardText.h"

#include <cstddef>
#include <string>
#include <vector>

// An edit or rich-edit control by its class name ("Edit", "RichEdit",
// "RichEdit20W", "RICHEDIT50W", ...), any case.
bool IsEditClass(const std::wstring& className);

// How many characters of a selection of `selected` characters the lookup can
// need: all of a short one, of a long one as many as its first word may take
// (see TextOfUnicodeClipboardBlock).
std::size_t CharsNeeded(std::size_t selected);

// A line of the control: the index of its first character, its length, and
// the start of its text as read (possibly less than all of it).
struct ControlLine {
    std::size_t index;
    std::size_t length;
    std::wstring text;
};

// The text of the selection [start, end) from the lines read, in order, the
// first holding start; a line break between two lines is "\r\n", as a copy
// gives it. At most `limit` characters.
std::wstring SelectedText(std::size_t start, std::size_t end, const std::vector<ControlLine>& lines,
                          std::size_t limit);

// What is looked up for a selection of `selected` characters that starts
// with `text` (at least CharsNeeded of it): the same as for the CF_TEXT block
// of that selection, selected + 1 bytes.
std::string LookupTextOfSelection(const std::wstring& text, std::size_t selected, WideToLookup convert);
