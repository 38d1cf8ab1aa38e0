// forms.dat beside data.dat, for the base-form lookup: read once, and only
// when asked (Find Base Forms on, at start-up or when the switch goes on),
// since only that lookup uses it. Without it the suffix rules still work;
// the user is told once, and nothing stops.
#pragma once
#include "dictionary/IrregularForms.h"

#include <functional>
#include <string>
#include <utility>

class FormsFile {
public:
    // note: one line for the user, in Windows-1251.
    FormsFile(CIrregularForms& forms, std::function<void(const std::string&)> note)
        : m_forms(forms), m_note(std::move(note))
    {
    }
    void Load();

private:
    CIrregularForms& m_forms;
    std::function<void(const std::string&)> m_note;
    bool m_read = false;   // read, or found missing or damaged
};
