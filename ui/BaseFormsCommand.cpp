// What every road shows for a word. Find Base Forms: a word the dictionary
// lacks is answered by its first base form the dictionary holds (houses ->
// "house: ..."); the rules live in the portable CFormLookup, here are the
// switch and the start-up load of the irregular forms. How the entry is said
// (Pronunciation) joins it as ShownText puts it.
#include "ui/MainDlg.h"

#include "framework/Text.h"
#include "res/resource.h"
#include "text/Cp1251Literal.h"
#include "ui/ShownText.h"

#include <utility>

namespace {
constexpr auto NOTE_NO_FORMS = cp1251::Literal(
    u8"Файлът forms.dat липсва или е повреден: неправилните форми (ran, children) няма да се откриват.");
}

std::wstring CMainDlg::LookupForDisplay(const char* word)
{
    Shown shown = ShownFor(word);
    m_history.Answered(word, shown.answer, shown.said, shown.text);
    if (shown.answer.translation)
        m_pronunciation.Found(shown.entry);
    return std::move(shown.text);
}

CMainDlg::Shown CMainDlg::ShownFor(const char* word)
{
    Shown shown;
    shown.answer = m_formLookup.Lookup(word, m_bFindBaseForms != 0);
    shown.entry = CFormLookup::EntryOf(word, shown.answer);
    if (shown.answer.translation)
        shown.said = m_pronunciation.Said(shown.entry);
    shown.text = ShownText(shown.answer.text, shown.entry, m_bShowPronunciation ? shown.said : std::string());
    return shown;
}

// forms.dat beside data.dat, read once, and only when Find Base Forms is on
// (at start-up, or when the switch goes on): only that lookup uses it.
// Without it the suffix rules still work; the user is told once, in the
// translation box, and nothing stops.
void CMainDlg::LoadIrregularForms()
{
    if (m_bFormsRead)
        return;
    m_bFormsRead = true;
    if (FILE* file = OpenFileNamed(CIrregularForms::FILE_NAME, "rb")) {
        const bool loaded = m_formLookup.Irregular().Load(file);
        std::fclose(file);
        if (loaded)
            return;
    }
    ShowNote(NOTE_NO_FORMS.c_str());
}

void CMainDlg::OnFindBaseForms()
{
    ToggleSwitch(m_bFindBaseForms, ID_FIND_BASE_FORMS);
    if (m_bFindBaseForms)
        LoadIrregularForms();
}
