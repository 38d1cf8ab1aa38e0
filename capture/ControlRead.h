// Asking an edit or rich-edit control of another application for its
// selection (see ControlSelection.h): the user's clipboard is not touched,
// and a password field is never read. Only the line(s) where the selection
// starts are asked for, never the whole document. Seen to work across
// processes under Wine 8 with Notepad's "Edit" and WordPad's "RichEdit20W".
#pragma once
#include "capture/CopyRequest.h"

#include <windows.h>

#include <cstddef>
#include <string>

struct ControlReading {
    enum class Outcome {
        NotAnEdit,   // not an edit or rich-edit, or it did not answer in time: copy as before
        LeftAlone,   // a password field, or nothing selected: nothing to read nor copy
        Read,
    };
    Outcome outcome = Outcome::NotAnEdit;
    std::wstring text;          // the start of the selection, CharsNeeded of it
    std::size_t selected = 0;   // characters selected
};

// Every question draws on the selection's deadline.
ControlReading ReadControlSelection(HWND control, const CopyDeadline& deadline);
