// How words are said, for the main dialog: pron.dat beside data.dat, read
// once (missing or damaged: no pronunciation, said once while it would be
// shown), the entry last found and the voice that says it.
#pragma once
#include "dictionary/Pronunciations.h"
#include "ui/Speaker.h"

#include <functional>
#include <string>

class Pronunciation {
public:
    // note: one line for the user, in Windows-1251.
    explicit Pronunciation(std::function<void(const std::string&)> note);

    // Reads pron.dat the first time; a file that cannot be used is said
    // once, the first time this is asked with show on.
    void Load(bool show);
    // How an entry (Windows-1251) is said, in UTF-8; empty when unknown.
    std::string Said(const std::string& entry) const;

    // The entry of the last answer found: what Speak says.
    void Found(const std::string& entry) { m_lastEntry = entry; }
    void SpeakLast();
    void Speak(const std::wstring& word) { m_speaker.Say(word); }

private:
    std::function<void(const std::string&)> m_note;
    CPronunciations m_file;
    bool m_read = false;
    bool m_unusable = false;   // and not yet said
    std::string m_lastEntry;
    Speaker m_speaker;
};
