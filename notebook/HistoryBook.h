// History.dat in Zeto's working directory, beside NewData.dat: the journal
// of the user's words (HistoryJournal.h) and the rows it makes (History.h).
//
// Every change goes to the file as one record in one write, flushed, before
// the rows show it; a write that fails or falls short (a full disk) is cut
// back off the file, so only that change is lost. A crash in the middle of
// a write leaves a torn last record, which the next start cuts off without a
// word. A damaged file is copied to History.dat.damaged and cut where the
// good records end; a file that cannot be read (locked, denied) turns the
// history off for the run and is never written. Each of these is said once,
// in one line, through the note given to the constructor.
//
// The words are held to notebook::DEFAULT_MAX_WORDS: past it the file is
// rewritten with the starred and the newest words only, whole into a new
// file that then replaces it in one rename, as Zeto.ini is written.
#pragma once
#include "notebook/History.h"

#include <cstdint>
#include <functional>
#include <string>

class HistoryBook {
public:
    static constexpr const wchar_t* FILE_NAME = L"History.dat";
    static constexpr const wchar_t* DAMAGED_NAME = L"History.dat.damaged";
    // A file bigger than this is not read past it: what lies beyond is damage.
    static constexpr std::uint64_t MAX_FILE_BYTES = 64u << 20;

    // note: one line for the user, in Windows-1251.
    explicit HistoryBook(std::function<void(const std::string&)> note);
    HistoryBook(const HistoryBook&) = delete;
    HistoryBook& operator=(const HistoryBook&) = delete;

    // Reads the file (a missing one is an empty history, made at the first
    // record). Only the first call reads; false while the history is off.
    bool Open();
    bool IsOpen() const { return m_state == State::Open; }

    // Each keeps one change; false when it did not reach the file (and so
    // is not in the rows either). Texts are UTF-8; time in seconds since
    // 1970 UTC. A word not in the rows is not starred or deleted.
    bool Lookup(notebook::Time time, const std::string& word, const std::string& entry,
                const std::string& translation, const std::string& pronunciation, const std::string& application);
    bool Star(const std::string& word, bool starred);
    bool Delete(const std::string& word);
    // Every word goes, the file is written empty.
    bool Clear();

    const notebook::History& Rows() const { return m_history; }

    static notebook::Time Now();

private:
    enum class State { Closed, Open, Off };

    bool Append(const std::string& bytes);
    // The file replaced by bytes, and the rows by what they hold.
    bool Rewrite(const std::string& bytes);
    void CompactWhenDue();
    void SayOnce(bool& said, const char* text);

    std::function<void(const std::string&)> m_note;
    State m_state = State::Closed;
    notebook::History m_history;
    std::uint64_t m_size = 0;            // the file's bytes, as this run wrote them
    std::uint64_t m_compactedSize = 0;   // its bytes after the last compaction (or the read)
    bool m_saidNotWritten = false;
};
