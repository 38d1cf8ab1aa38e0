// What every road shows for a word. Find Base Forms: a word the dictionary
// lacks is answered by its first base form the dictionary holds (houses ->
// "house: ..."); the rules live in the portable CFormLookup, forms.dat is
// FormsFile's, here is the switch. How the entry is said (Pronunciation)
// joins it as ShownText puts it.
#include "ui/MainDlg.h"

#include "res/resource.h"
#include "ui/ShownText.h"

#include <utility>

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
    shown.answer = m_formLookup.Lookup(word, m_settings.findBaseForms != 0);
    shown.entry = CFormLookup::EntryOf(word, shown.answer);
    if (shown.answer.translation)
        shown.said = m_pronunciation.Said(shown.entry);
    shown.text = ShownText(shown.answer.text, shown.entry, m_settings.showPronunciation ? shown.said : std::string());
    return shown;
}

void CMainDlg::OnFindBaseForms()
{
    ToggleSwitch(m_settings.findBaseForms, ID_FIND_BASE_FORMS);
    if (m_settings.findBaseForms)
        m_formsFile.Load();
}
