#include "ui/HistoryRecorder.h"

#include "text/Cp1251.h"

#include <windows.h>

#include <cstring>
#include <utility>

namespace {

// Lookups posted but never shown (a post that failed) are not kept waiting
// past this many.
constexpr std::size_t MAX_WAITING = 8;

std::string Utf8Of(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), nullptr, 0, nullptr, nullptr);
    std::string utf8(size > 0 ? size : 0, '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), (int)text.size(), &utf8[0], size, nullptr, nullptr);
    return utf8;
}

// The title of the window the user reads in: the one in front.
std::wstring TitleInFront()
{
    HWND front = ::GetForegroundWindow();
    if (front)
        front = ::GetAncestor(front, GA_ROOT);
    wchar_t title[512] = L"";
    if (front)
        ::GetWindowTextW(front, title, (int)(sizeof title / sizeof title[0]));
    return title;
}

// The first of the readings a translation may hold.
std::string FirstReading(const char* translation)
{
    const char* end = std::strstr(translation, CFormLookup::READING_SEPARATOR);
    return end ? std::string(translation, end) : std::string(translation);
}

} // namespace

HistoryRecorder::HistoryRecorder(std::function<void(const std::string&)> note) : m_book(std::move(note)) {}

void HistoryRecorder::Keep(bool on)
{
    m_keep = on;
    m_waiting.clear();
    m_shown.clear();
    m_idle.Stop();
    m_typedWaits = false;
    m_settle.Stop();
    if (on)
        m_book.Open();
}

void HistoryRecorder::Answered(const char* word, const CFormLookup::Answer& answer, const std::string& said,
                               const std::wstring& shown)
{
    m_lastTaken = !m_keep || !answer.translation;
    if (m_lastTaken)
        return;
    // The copy road looks the clipboard's text up as it is, spaces and all.
    const char* const SPACES = " \t\r\n";
    m_last.word = word;
    m_last.word.erase(0, m_last.word.find_first_not_of(SPACES));
    m_last.word.erase(m_last.word.find_last_not_of(SPACES) + 1);
    m_last.entry = CFormLookup::EntryOf(word, answer);
    m_last.translation = FirstReading(answer.translation);
    m_last.said = said;
    m_last.shown = shown;
}

void HistoryRecorder::FromApplication()
{
    if (m_lastTaken)
        return;
    m_lastTaken = true;
    if (m_waiting.size() == MAX_WAITING)
        m_waiting.pop_front();
    m_waiting.push_back(std::move(m_last));
}

void HistoryRecorder::Shown(const std::wstring& text)
{
    for (auto it = m_waiting.begin(); it != m_waiting.end(); ++it) {
        if (it->shown != text)
            continue;
        Noted noted = std::move(*it);
        m_waiting.erase(m_waiting.begin(), it + 1);   // those before it were never shown
        if (m_shown.size() == MAX_WAITING)
            m_shown.pop_front();
        m_shown.push_back(std::move(noted));
        m_idle.Start(USER_TIMER_MINIMUM);
        return;
    }
}

void HistoryRecorder::WriteShown()
{
    m_idle.Stop();
    const std::wstring title = TitleInFront();
    while (!m_shown.empty()) {
        Write(m_shown.front(), title);
        m_shown.pop_front();
    }
}

void HistoryRecorder::Typed()
{
    m_typedWaits = !m_lastTaken;
    if (!m_typedWaits) {
        m_settle.Stop();   // a miss or an empty box: the word before it is not settled on
        return;
    }
    m_lastTaken = true;
    m_typed = std::move(m_last);
    m_settle.Start(SETTLE_MS);
}

void HistoryRecorder::Settled()
{
    m_settle.Stop();
    if (!m_lastTaken) {
        m_lastTaken = true;
        m_typed = std::move(m_last);
        m_typedWaits = true;
    }
    if (!m_typedWaits)
        return;
    m_typedWaits = false;
    Write(m_typed, std::wstring());
}

void HistoryRecorder::Clear()
{
    m_waiting.clear();
    m_shown.clear();
    m_idle.Stop();
    m_typedWaits = false;
    m_settle.Stop();
    if (m_book.Open())
        m_book.Clear();
}

void HistoryRecorder::Write(const Noted& noted, const std::wstring& application)
{
    if (!m_keep)
        return;
    m_book.Lookup(HistoryBook::Now(), cp1251::ToUtf8(noted.word), cp1251::ToUtf8(noted.entry),
                  cp1251::ToUtf8(noted.translation), noted.said, Utf8Of(application));
}
