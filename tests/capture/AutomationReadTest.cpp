// The UI Automation road with a stand-in automation object (Wine has none):
// what the focused element gives is read on the reader's own thread, as
// much as the lookup needs; nothing of a password element is read; another
// process's element and a provider that hangs give nothing.
#include "capture/AutomationRead.h"
#include "capture/ControlSelection.h"
#include "capture/UiAutomationClient.h"
#include "tests/support/Pump.h"

#include <gtest/gtest.h>

#include <oleauto.h>

#include <atomic>
#include <string>

namespace {

using Outcome = ControlReading::Outcome;

// IUnknown for objects that live on the test's stack.
template <class Interface> struct Fake : Interface {
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

struct Range : Fake<uia::IUIAutomationTextRange> {
    std::wstring text;
    HRESULT STDMETHODCALLTYPE GetText(int maxLength, BSTR* out) override
    {
        const std::wstring given = maxLength < 0 ? text : text.substr(0, maxLength);
        *out = ::SysAllocStringLen(given.data(), (UINT)given.size());
        return S_OK;
    }
};

struct Ranges : Fake<uia::IUIAutomationTextRangeArray> {
    Range* range = nullptr;
    HRESULT STDMETHODCALLTYPE get_Length(int* length) override
    {
        *length = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetElement(int, uia::IUIAutomationTextRange** out) override
    {
        *out = range;
        return S_OK;
    }
};

struct Pattern : Fake<uia::IUIAutomationTextPattern> {
    Ranges* ranges = nullptr;
    HANDLE hang = nullptr;   // while not set, GetSelection does not come back
    HRESULT STDMETHODCALLTYPE GetSelection(uia::IUIAutomationTextRangeArray** out) override
    {
        if (hang)
            ::WaitForSingleObject(hang, INFINITE);
        *out = ranges;
        return S_OK;
    }
};

struct Element : Fake<uia::IUIAutomationElement> {
    DWORD pid = ::GetCurrentProcessId();
    BOOL password = FALSE;
    Pattern* pattern = nullptr;
    std::atomic<int> patternAsked{0};
    HRESULT STDMETHODCALLTYPE GetCurrentPatternAs(int id, REFIID riid, void** out) override
    {
        ++patternAsked;
        const bool text = id == uia::TextPatternId && riid == uia::IID_IUIAutomationTextPattern;
        *out = text ? pattern : nullptr;
        return text ? S_OK : E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE get_CurrentProcessId(int* out) override
    {
        *out = (int)pid;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_CurrentIsPassword(BOOL* out) override
    {
        *out = password;
        return S_OK;
    }
};

struct Automation : Fake<uia::IUIAutomation> {
    Element* focused = nullptr;
    std::atomic<int> asked{0};
    std::atomic<DWORD> thread{0};
    HRESULT STDMETHODCALLTYPE GetFocusedElement(uia::IUIAutomationElement** out) override
    {
        ++asked;
        thread = ::GetCurrentThreadId();
        *out = focused;
        return S_OK;
    }
};

class AutomationReadTest : public ::testing::Test {
protected:
    AutomationReadTest()
    {
        m_ranges.range = &m_range;
        m_pattern.ranges = &m_ranges;
        m_element.pattern = &m_pattern;
        m_automation.focused = &m_element;
        m_window = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    ~AutomationReadTest() override { ::DestroyWindow(m_window); }

    Range m_range;
    Ranges m_ranges;
    Pattern m_pattern;
    Element m_element;
    Automation m_automation;
    HWND m_window;
    AutomationReader m_reader{[this] { return &m_automation; }};
};

constexpr DWORD GENEROUS_MS = 10000;   // a budget no answer here needs

TEST_F(AutomationReadTest, TheSelectionIsReadOnTheReadersThreadAsFarAsTheLookupNeeds)
{
    m_range.text = L"house keeping";
    const ControlReading reading = m_reader.Read(m_window, GENEROUS_MS);
    EXPECT_EQ(reading.outcome, Outcome::Read);
    EXPECT_EQ(reading.text, L"house keeping");
    EXPECT_EQ(reading.selected, 13u);
    EXPECT_NE(m_automation.thread.load(), ::GetCurrentThreadId()) << "never asked on the UI thread";

    m_range.text = std::wstring(L"house ") + std::wstring(5000, L'x');
    const ControlReading longOne = m_reader.Read(m_window, GENEROUS_MS);
    EXPECT_EQ(longOne.text.size(), CharsNeeded(SIZE_MAX));
    EXPECT_EQ(LookupTextOfSelection(longOne.text, longOne.selected, PlainCp1251), "house");

    m_range.text.clear();
    EXPECT_EQ(m_reader.Read(m_window, GENEROUS_MS).outcome, Outcome::NotAnEdit) << "nothing selected: copied";
}

TEST_F(AutomationReadTest, NothingOfAPasswordIsReadAndAnotherProcesssElementGivesNothing)
{
    m_range.text = L"secret";
    m_element.password = TRUE;
    const ControlReading reading = m_reader.Read(m_window, GENEROUS_MS);
    EXPECT_EQ(reading.outcome, Outcome::LeftAlone);
    EXPECT_TRUE(reading.text.empty());
    EXPECT_EQ(m_element.patternAsked.load(), 0);

    m_element.password = FALSE;
    m_element.pid = ::GetCurrentProcessId() + 4;
    EXPECT_EQ(m_reader.Read(m_window, GENEROUS_MS).outcome, Outcome::NotAnEdit);
    EXPECT_EQ(m_element.patternAsked.load(), 0);
}

TEST_F(AutomationReadTest, AHungProviderGivesNothingAndIsAskedAgainOnceItAnswers)
{
    m_range.text = L"house";
    m_pattern.hang = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    EXPECT_EQ(m_reader.Read(m_window, 50).outcome, Outcome::NotAnEdit);
    ASSERT_TRUE(support::PumpUntil([&] { return m_automation.asked == 1; }));
    EXPECT_EQ(m_reader.Read(m_window, 50).outcome, Outcome::NotAnEdit) << "while it hangs";

    ::SetEvent(m_pattern.hang);
    ControlReading reading;   // asked again once the hung question is answered
    EXPECT_TRUE(support::PumpUntil([&] {
        reading = m_reader.Read(m_window, GENEROUS_MS);
        return reading.outcome == Outcome::Read;
    }));
    EXPECT_EQ(reading.text, L"house");
    ::CloseHandle(m_pattern.hang);
}

TEST(AutomationRead, WithoutUiAutomationEverySelectionIsCopiedAsBefore)
{
    AutomationReader reader{[]() -> uia::IUIAutomation* { return nullptr; }};
    EXPECT_EQ(reader.Read(::GetDesktopWindow(), GENEROUS_MS).outcome, Outcome::NotAnEdit);
    EXPECT_EQ(reader.Read(nullptr, GENEROUS_MS).outcome, Outcome::NotAnEdit);
}

} // namespace
