// Saying a word, under Wine. Wine 8.0's speech API makes a voice
// (CoCreateInstance answers S_OK) and lists one voice token, "Wine Default
// Voice", whose attributes name no language; its Speak answers E_NOTIMPL.
// There is no English voice here, so these tests follow that road: the
// owner hears of it once, on the UI thread, through its message loop, and
// Say never holds the UI thread up. Should Wine come to offer an English
// voice, the first test fails and says so.
#include "tests/ui/UiTestSupport.h"
#include "ui/Speaker.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Words said after the note are watched this long for a second note: the
// worker answers each word within milliseconds here.
constexpr DWORD QUIET_MS = 1000;

class Stopwatch {
public:
    Stopwatch() { ::QueryPerformanceCounter(&m_start); }
    double Ms() const
    {
        LARGE_INTEGER now, frequency;
        ::QueryPerformanceCounter(&now);
        ::QueryPerformanceFrequency(&frequency);
        return double(now.QuadPart - m_start.QuadPart) * 1000.0 / double(frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_start;
};

// The UI thread's COM is left to the dialogs that need it in their own
// apartment (the common font dialog): S_OK here means nothing had entered one.
bool UiThreadHasNoCom()
{
    const HRESULT hr = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(hr))
        ::CoUninitialize();
    return hr == S_OK;
}

class SpeakerTest : public ::testing::Test {
protected:
    std::function<void()> Note()
    {
        return [this] {
            ++m_notes;
            m_noteThread = ::GetCurrentThreadId();
        };
    }
    int m_notes = 0;
    DWORD m_noteThread = 0;
};

TEST_F(SpeakerTest, NoEnglishVoiceIsToldOnceOnTheUiThreadThroughItsMessageLoop)
{
    Speaker speaker(Note());
    speaker.Say(L"house");
    EXPECT_EQ(m_notes, 0) << "told inside Say, not through the message loop";

    ASSERT_TRUE(support::PumpUntil([&] { return m_notes > 0; }))
        << "no note of a missing English voice: does Wine offer one now?";
    EXPECT_EQ(m_noteThread, ::GetCurrentThreadId());
    EXPECT_TRUE(UiThreadHasNoCom()) << "the voice was made on the UI thread";

    speaker.Say(L"tree");
    speaker.Say(L"river");
    EXPECT_FALSE(support::PumpUntil([&] { return m_notes > 1; }, QUIET_MS));
    EXPECT_EQ(m_notes, 1);
}

// At Zeto's exit: the worker lets go as soon as it is told, well before the
// Speaker would give up waiting for it, and nothing is told afterwards.
TEST_F(SpeakerTest, GoingRightAfterASayEndsTheWorkerAtOnce)
{
    auto speaker = std::make_unique<Speaker>(Note());
    speaker->Say(L"house");
    Stopwatch watch;
    speaker.reset();
    EXPECT_LT(watch.Ms(), double(Speaker::STOP_WAIT_MS));
    support::PumpPending();
    EXPECT_EQ(m_notes, 0);
}

// English is any language whose primary language is English; nothing else,
// nor a list that cannot be read, is.
TEST(SpeakerLanguage, EnglishIsAnyLanguageWhosePrimaryLanguageIsEnglish)
{
    const struct { const wchar_t* languages; bool english; } cases[] = {
        {L"409", true},  {L"809", true},  {L"9", true},        {L"409;9", true},    {L"407;809", true},
        {L"", false},    {L"402", false}, {L"407;40c", false}, {L"English", false}, {L"409x", false},
        {L"10409", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsEnglishLanguageAttribute(c.languages), c.english) << testing::PrintToString(std::wstring(c.languages));
}

} // namespace
