#include "notebook/HistoryBook.h"

#include "settings/SettingsFile.h"
#include "text/Cp1251Literal.h"

#include <windows.h>

#include <algorithm>
#include <ctime>
#include <utility>

using notebook::Record;
using notebook::RecordKind;

namespace {

constexpr auto NOTE_DAMAGED = cp1251::Literal(
    u8"History.dat има повредени записи, които са пропуснати; файлът е запазен като History.dat.damaged.");
constexpr auto NOTE_UNREADABLE = cp1251::Literal(
    u8"History.dat не може да се прочете; историята няма да се записва до следващото пускане.");
constexpr auto NOTE_NOT_WRITTEN = cp1251::Literal(
    u8"Дума не можа да се запише в History.dat (може би дискът е пълен); файлът е оставен както беше.");

// The file cut (or grown) to size bytes.
bool CutTo(HANDLE file, std::uint64_t size)
{
    LARGE_INTEGER at;
    at.QuadPart = (LONGLONG)size;
    return ::SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && ::SetEndOfFile(file);
}

bool CutFileTo(const wchar_t* path, std::uint64_t size)
{
    HANDLE file = ::CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool cut = CutTo(file, size);
    return ::CloseHandle(file) && cut;
}

enum class Read { Read, NotFound, Unreadable };

// At most limit + 1 bytes: enough to tell that a file is too big.
Read ReadWhole(const wchar_t* path, std::uint64_t limit, std::string& bytes)
{
    bytes.clear();
    HANDLE file = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Read::NotFound : Read::Unreadable;
    }
    LARGE_INTEGER size{};
    bool read = ::GetFileSizeEx(file, &size) != FALSE;
    if (read)
        bytes.assign((std::size_t)std::min<std::uint64_t>((std::uint64_t)size.QuadPart, limit + 1), '\0');
    std::size_t total = 0;
    while (read && total < bytes.size()) {
        DWORD got = 0;
        read = ::ReadFile(file, &bytes[total], (DWORD)std::min<std::size_t>(bytes.size() - total, 1u << 20), &got,
                          nullptr) != FALSE;
        if (got == 0)
            break;
        total += got;
    }
    ::CloseHandle(file);
    bytes.resize(read ? total : 0);
    return read ? Read::Read : Read::Unreadable;
}

} // namespace

HistoryBook::HistoryBook(std::function<void(const std::string&)> note) : m_note(std::move(note)) {}

notebook::Time HistoryBook::Now() { return (notebook::Time)std::time(nullptr); }

void HistoryBook::SayOnce(bool& said, const char* text)
{
    if (said)
        return;
    said = true;
    m_note(text);
}

bool HistoryBook::Open()
{
    if (m_state != State::Closed)
        return IsOpen();
    std::string bytes;
    const Read read = ReadWhole(FILE_NAME, MAX_FILE_BYTES, bytes);
    if (read == Read::Unreadable) {
        m_state = State::Off;
        m_note(NOTE_UNREADABLE.c_str());
        return false;
    }
    const std::size_t fileBytes = bytes.size();
    if (bytes.size() > MAX_FILE_BYTES)
        bytes.resize(MAX_FILE_BYTES);
    notebook::HistoryRead journal = notebook::ReadHistory(bytes);
    const bool damaged = journal.damaged || fileBytes > MAX_FILE_BYTES;
    if (damaged)
        settings::KeepDamagedCopy(FILE_NAME, DAMAGED_NAME);
    // A torn last record (a crash while writing) is cut without a word: the
    // next record must not follow it.
    if (journal.goodBytes < fileBytes && !CutFileTo(FILE_NAME, journal.goodBytes)) {
        m_state = State::Off;
        m_note(NOTE_UNREADABLE.c_str());
        return false;
    }
    if (damaged)
        m_note(NOTE_DAMAGED.c_str());
    m_history = std::move(journal.history);
    m_size = m_compactedSize = journal.goodBytes;
    m_state = State::Open;
    if (m_history.Size() > notebook::DEFAULT_MAX_WORDS)
        Rewrite(m_history.Compact(notebook::DEFAULT_MAX_WORDS));
    return true;
}

bool HistoryBook::Lookup(notebook::Time time, const std::string& word, const std::string& entry,
                         const std::string& translation, const std::string& pronunciation,
                         const std::string& application)
{
    return Append(notebook::EncodeLookup(time, word, entry, translation, pronunciation, application));
}

bool HistoryBook::Star(const std::string& word, bool starred)
{
    return m_history.Find(word) && Append(notebook::EncodeStar(Now(), word, starred));
}

bool HistoryBook::Delete(const std::string& word)
{
    return m_history.Find(word) && Append(notebook::EncodeDelete(Now(), word));
}

bool HistoryBook::Clear()
{
    if (!IsOpen())
        return false;
    if (m_size == 0 && m_history.Size() == 0)
        return true;
    // Written empty, so the words are gone from the disk too; failing that,
    // a Clear record at least takes them out of the rows.
    return Rewrite(std::string()) || Append(notebook::EncodeClear(Now()));
}

// The record as a reader will take it back (fields cut to their bounds),
// written first and applied to the rows only once it is in the file.
bool HistoryBook::Append(const std::string& bytes)
{
    if (!IsOpen() || bytes.empty())
        return false;
    Record record;
    bool decoded = false;
    notebook::ReadJournal(bytes, [&](const Record& r) {
        record = r;
        decoded = true;
        return true;
    });
    if (!decoded)
        return false;
    // A new word past the most a journal may hold would read back as damage.
    const bool adds = record.kind == RecordKind::Lookup || record.kind == RecordKind::Word;
    if (adds && m_history.Size() >= notebook::MAX_WORDS && !m_history.Find(record.row.word))
        return false;

    HANDLE file = ::CreateFileW(FILE_NAME, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        SayOnce(m_saidNotWritten, NOTE_NOT_WRITTEN.c_str());
        return false;
    }
    LARGE_INTEGER before{};
    bool whole = ::GetFileSizeEx(file, &before) && ::SetFilePointerEx(file, LARGE_INTEGER{}, nullptr, FILE_END);
    DWORD written = 0;
    whole = whole && ::WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr) &&
            written == bytes.size();
    whole = whole && ::FlushFileBuffers(file);
    if (!whole)
        CutTo(file, (std::uint64_t)before.QuadPart);
    ::CloseHandle(file);
    if (!whole) {
        SayOnce(m_saidNotWritten, NOTE_NOT_WRITTEN.c_str());
        return false;
    }
    m_history.Apply(record);
    m_size = (std::uint64_t)before.QuadPart + bytes.size();
    CompactWhenDue();
    return true;
}

bool HistoryBook::Rewrite(const std::string& bytes)
{
    if (settings::WriteSettingsFile(FILE_NAME, bytes) != settings::WriteResult::Written)
        return false;
    m_history = notebook::ReadHistory(bytes).history;
    m_size = m_compactedSize = bytes.size();
    return true;
}

// Checked when the file has grown by a quarter since the last compaction,
// so a history held at the cap is not rewritten at every lookup.
void HistoryBook::CompactWhenDue()
{
    if (m_history.Size() <= notebook::DEFAULT_MAX_WORDS || m_size < m_compactedSize + m_compactedSize / 4)
        return;
    if (!Rewrite(m_history.Compact(notebook::DEFAULT_MAX_WORDS)))
        m_compactedSize = m_size;   // tried again after another quarter
}
