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

Pronunciation::Pronunciation(std::function<void(const std::string&)> note)
    : m_note(std::move(note)), m_speaker([this] { m_note(NOTE_NO_VOICE.c_str()); })
{
}

void Pronunciation::Load(bool show)
{
    if (!m_read) {
        m_read = true;
        std::string bytes;
        FILE* file = OpenFileNamed(CPronunciations::FILE_NAME, "rb");
        const bool read = file && ReadWhole(file, bytes);
        if (file)
            std::fclose(file);
        m_unusable = !(read && m_file.Load(std::move(bytes)));
    }
    if (m_unusable && show) {
        m_unusable = false;
        m_note(NOTE_NO_PRONUNCIATIONS.c_str());
    }
}

std::string Pronunciation::Said(const std::string& entry) const { return m_file.Said(cp1251::ToUtf8(entry)); }

void Pronunciation::SpeakLast() { Speak(cp1251::ToUtf16(m_lastEntry)); }
