// How a word is said: pron.dat, read once at start-up, and Show
// Pronunciation, the switch that puts it after the word in the translation
// box and the tooltip (the history keeps it whatever the switch); and
// Speak, which has an English voice of the system say the word.
#include "ui/MainDlg.h"

#include "framework/Text.h"
#include "res/resource.h"
#include "text/Cp1251Literal.h"
#include "text/Cp1251Utf16.h"

#include <cstdio>
#include <string>

namespace {
constexpr auto NOTE_NO_PRONUNCIATIONS =
    cp1251::Literal(u8"Файлът pron.dat липсва или е повреден: произношението няма да се показва.");
constexpr auto NOTE_SPEAK_HOTKEY_TAKEN_AFTER =
    cp1251::Literal(u8" е заета от друга програма: изберете друга клавишна комбинация за Speak в Options.");
constexpr auto NOTE_NO_VOICE = cp1251::Literal(
    u8"Няма английски глас, който да чете думите. Добавете го в Windows: Settings > Time & language > Speech > "
    u8"Add voices, English.");

// The whole file, or false when it cannot be read or is larger than a
// pronunciation file may be.
bool ReadWhole(FILE* file, std::string& bytes)
{
    char block[64 * 1024];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) {
        if (bytes.size() + got > CPronunciations::MAX_FILE_BYTES)
            return false;
        bytes.append(block, got);
    }
    return !std::ferror(file);
}
} // namespace

void CMainDlg::LoadPronunciations()
{
    if (!m_bPronunciationsRead) {
        m_bPronunciationsRead = true;
        std::string bytes;
        FILE* file = OpenFileNamed(CPronunciations::FILE_NAME, "rb");
        const bool read = file && ReadWhole(file, bytes);
        if (file)
            std::fclose(file);
        m_bPronunciationsMissing = !(read && m_pronunciations.Load(std::move(bytes)));
    }
    if (m_bPronunciationsMissing && m_bShowPronunciation) {
        m_bPronunciationsMissing = false;   // said once
        ShowNote(NOTE_NO_PRONUNCIATIONS.c_str());
    }
}

void CMainDlg::OnShowPronunciation()
{
    ToggleSwitch(m_bShowPronunciation, ID_SHOW_PRONUNCIATION);
    LoadPronunciations();
}

void CMainDlg::OnSpeak() { Speak(cp1251::ToUtf16(m_strLastEntry)); }

void CMainDlg::Speak(const std::wstring& word) { m_speaker.Say(word); }

// The Speaker tells it once.
void CMainDlg::ShowNoVoice() { ShowNote(NOTE_NO_VOICE.c_str()); }

void CMainDlg::RegisterSpeakHotkey()
{
    m_bSpeakHotkeyHeld =
        HoldHotkey(SPEAK_HOTKEY_ID, m_speakHotkey, ID_SPEAK, "Speak", NOTE_SPEAK_HOTKEY_TAKEN_AFTER.c_str());
}
