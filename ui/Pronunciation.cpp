#include "ui/Pronunciation.h"

#include "framework/Text.h"
#include "text/Cp1251.h"
#include "text/Cp1251Literal.h"
#include "text/Cp1251Utf16.h"

#include <cstdio>
#include <utility>

namespace {

constexpr auto NOTE_NO_PRONUNCIATIONS =
    cp1251::Literal(u8"Файлът pron.dat липсва или е повреден: произношението няма да се показва.");
constexpr auto NOTE_NO_VOICE = cp1251::Literal(
    u8"Няма английски глас, който да чете думите. Добавете го в Windows: Settings > Time & language > Speech > "
    u8"Add voices, English.");

} // namespace

Pronunciation::Pronunciation(std::function<void(const std::string&)> note)
    : m_note(std::move(note)), m_speaker([this] { m_note(NOTE_NO_VOICE.c_str()); })
{
}

void Pronunciation::Load(bool show)
{
    if (!m_read) {
        m_read = true;
        FILE* file = OpenFileNamed(CPronunciations::FILE_NAME, "rb");
        m_unusable = !(file && m_file.Load(file));
        if (file)
            std::fclose(file);
    }
    if (m_unusable && show) {
        m_unusable = false;
        m_note(NOTE_NO_PRONUNCIATIONS.c_str());
    }
}

std::string Pronunciation::Said(const std::string& entry) const { return m_file.Said(cp1251::ToUtf8(entry)); }

void Pronunciation::SpeakLast() { Speak(cp1251::ToUtf16(m_lastEntry)); }
