#include "capture/AutomationRead.h"

#include "capture/ControlSelection.h"
#include "capture/UiAutomationClient.h"

#include <oleauto.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <utility>

using Microsoft::WRL::ComPtr;
using namespace uia;

namespace {

// The focused element's selection, when the element is of process pid. As
// much of it is asked for as the lookup can need: a longer selection is
// looked up by its first word, as the lookup of that many characters is.
ControlReading AskFocused(IUIAutomation* automation, DWORD pid)
{
    ControlReading reading;
    ComPtr<IUIAutomationElement> element;
    int elementPid = 0;
    if (FAILED(automation->GetFocusedElement(element.GetAddressOf())) || !element ||
        FAILED(element->get_CurrentProcessId(&elementPid)) || static_cast<DWORD>(elementPid) != pid)
        return reading;
    BOOL password = TRUE;
    if (FAILED(element->get_CurrentIsPassword(&password)))
        return reading;
    if (password) {
        reading.outcome = ControlReading::Outcome::LeftAlone;
        return reading;
    }
    ComPtr<IUIAutomationTextPattern> pattern;
    ComPtr<IUIAutomationTextRangeArray> ranges;
    ComPtr<IUIAutomationTextRange> first;
    int count = 0;
    if (FAILED(element->GetCurrentPatternAs(TextPatternId, IID_IUIAutomationTextPattern,
                                            reinterpret_cast<void**>(pattern.GetAddressOf()))) ||
        !pattern || FAILED(pattern->GetSelection(ranges.GetAddressOf())) || !ranges ||
        FAILED(ranges->get_Length(&count)) || count < 1 || FAILED(ranges->GetElement(0, first.GetAddressOf())) ||
        !first)
        return reading;
    BSTR text = nullptr;
    const std::size_t limit = CharsNeeded(SIZE_MAX);
    if (FAILED(first->GetText(static_cast<int>(limit), &text)) || !text)
        return reading;
    std::wstring selected(text, std::min<std::size_t>(::SysStringLen(text), limit));
    ::SysFreeString(text);
    if (selected.empty())   // nothing selected, by the element's account: copied as before
        return reading;
    reading.outcome = ControlReading::Outcome::Read;
    reading.selected = selected.size();
    reading.text = std::move(selected);
    return reading;
}

} // namespace

IUIAutomation* AutomationReader::SystemAutomation()
{
    IUIAutomation* automation = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER, IID_IUIAutomation,
                                  reinterpret_cast<void**>(&automation))))
        return nullptr;
    return automation;
}

// What the UI thread and the worker share. busy: a question is not answered
// yet; while it is, no other is asked, so a hung provider holds one worker.
struct AutomationReader::Mailbox {
    explicit Mailbox(Factory make) : factory(std::move(make)) {}
    ~Mailbox()
    {
        if (wake)
            ::CloseHandle(wake);
        if (answered)
            ::CloseHandle(answered);
    }
    const Factory factory;
    std::mutex lock;
    bool stop = false;
    bool asked = false;   // a question waits for the worker
    bool busy = false;
    DWORD pid = 0;
    unsigned question = 0;   // the number of the last question
    unsigned answer = 0;     // of the last answer
    ControlReading reading;
    HANDLE wake = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);       // a question, or the stop
    HANDLE answered = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);   // an answer
};

AutomationReader::~AutomationReader()
{
    if (!m_hThread)
        return;
    {
        std::lock_guard<std::mutex> hold(m_pMailbox->lock);
        m_pMailbox->stop = true;
    }
    ::SetEvent(m_pMailbox->wake);
    // A worker still asking after the wait keeps its share of the mailbox.
    ::WaitForSingleObject(m_hThread, STOP_WAIT_MS);
    ::CloseHandle(m_hThread);
}

ControlReading AutomationReader::Read(HWND window, DWORD budgetMs)
{
    DWORD pid = 0;
    if (!window || !::GetWindowThreadProcessId(window, &pid) || budgetMs == 0 || !Started())
        return {};
    Mailbox& box = *m_pMailbox;
    unsigned question = 0;
    {
        std::lock_guard<std::mutex> hold(box.lock);
        if (box.busy)
            return {};
        box.busy = box.asked = true;
        box.pid = pid;
        question = ++box.question;
    }
    ::SetEvent(box.wake);
    // The low-level mouse hook's calls are sent messages: they are handled
    // while waiting.
    const DWORD start = ::GetTickCount();
    for (;;) {
        {
            std::lock_guard<std::mutex> hold(box.lock);
            if (box.answer == question)
                return std::move(box.reading);
        }
        const DWORD spent = ::GetTickCount() - start;
        if (spent >= budgetMs)
            return {};
        if (::MsgWaitForMultipleObjects(1, &box.answered, FALSE, budgetMs - spent, QS_SENDMESSAGE) ==
            WAIT_OBJECT_0 + 1) {
            MSG msg;
            ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
}

bool AutomationReader::Started()
{
    if (m_hThread)
        return true;
    auto mailbox = std::make_shared<Mailbox>(m_factory);
    if (!mailbox->wake || !mailbox->answered)
        return false;
    auto* share = new std::shared_ptr<Mailbox>(mailbox);
    m_hThread = ::CreateThread(nullptr, 0, Work, share, 0, nullptr);
    if (!m_hThread) {
        delete share;
        return false;
    }
    m_pMailbox = std::move(mailbox);
    return true;
}

// The worker: its own COM apartment and one automation object, made once;
// where there is none, every question is answered with nothing.
DWORD WINAPI AutomationReader::Work(LPVOID mailbox)
{
    const std::unique_ptr<std::shared_ptr<Mailbox>> share(static_cast<std::shared_ptr<Mailbox>*>(mailbox));
    Mailbox& box = **share;
    const bool com = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    {
        ComPtr<IUIAutomation> automation;
        if (com)
            automation.Attach(box.factory());
        for (;;) {
            DWORD pid = 0;
            unsigned question = 0;
            {
                std::unique_lock<std::mutex> hold(box.lock);
                if (box.stop)
                    break;
                if (!box.asked) {
                    hold.unlock();
                    ::WaitForSingleObject(box.wake, INFINITE);
                    continue;
                }
                box.asked = false;
                pid = box.pid;
                question = box.question;
            }
            ControlReading reading = automation ? AskFocused(automation.Get(), pid) : ControlReading{};
            {
                std::lock_guard<std::mutex> hold(box.lock);
                box.reading = std::move(reading);
                box.answer = question;
                box.busy = false;
            }
            ::SetEvent(box.answered);
        }
    }
    if (com)
        ::CoUninitialize();
    return 0;
}
