// Show Pronunciation, the switch that puts how the entry is said after its
// name in the translation box and the tooltip (the history keeps it
// whatever the switch), and Speak, from the menu or its hotkey. What is
// said, and the voice, are Pronunciation's.
#include "ui/MainDlg.h"

#include "res/resource.h"
#include "text/Cp1251Literal.h"

namespace {
constexpr auto NOTE_SPEAK_HOTKEY_TAKEN_AFTER =
    cp1251::Literal(u8" е заета от друга програма: изберете друга клавишна комбинация за Speak в Options.");
}

void CMainDlg::OnShowPronunciation()
{
    ToggleSwitch(m_settings.showPronunciation, ID_SHOW_PRONUNCIATION);
    m_pronunciation.Load(m_settings.showPronunciation != 0);
}

void CMainDlg::OnSpeak() { m_pronunciation.SpeakLast(); }

void CMainDlg::RegisterSpeakHotkey()
{
    m_hotkeys.Hold(m_hWnd, Hotkeys::SPEAK, m_settings.speakHotkey, ID_SPEAK, "Speak",
                   NOTE_SPEAK_HOTKEY_TAKEN_AFTER.c_str());
}
