#include "ui/Speaker.h"

#include "framework/TimerWindow.h"

#include <sapi.h>
#include <wrl/client.h>

#include <cwchar>
#include <mutex>
#include <utility>

using Microsoft::WRL::ComPtr;

namespace {

constexpr wchar_t CLASS_NAME[] = L"WordlumoSpeakerWindow";
// Posted by the worker to the Speaker's own window: a word found no English voice.
constexpr UINT WM_NOVOICE = WM_APP + 1;
// A newer word cuts short the one being spoken; Speak returns at once.
constexpr DWORD SPEAK_FLAGS = SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML;

bool IsEnglish(ISpObjectToken* token)
{
    ComPtr<ISpDataKey> attributes;
    LPWSTR language = nullptr;
    if (FAILED(token->OpenKey(L"Attributes", &attributes))
        || FAILED(attributes->GetStringValue(L"Language", &language)))
        return false;
    const bool english = IsEnglishLanguageAttribute(language);
    ::CoTaskMemFree(language);
    return english;
}

// The first English voice among the installed ones. Every token is read by
// hand: Wine 8.0's EnumTokens ignores the attributes it is asked for.
ComPtr<ISpObjectToken> FirstEnglishToken()
{
    ComPtr<ISpObjectTokenCategory> category;
    ComPtr<IEnumSpObjectTokens> tokens;
    if (FAILED(::CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&category)))
        || FAILED(category->SetId(SPCAT_VOICES, FALSE))
        || FAILED(category->EnumTokens(nullptr, nullptr, &tokens)))
        return nullptr;
    ComPtr<ISpObjectToken> token;
    while (tokens->Next(1, token.ReleaseAndGetAddressOf(), nullptr) == S_OK)
        if (IsEnglish(token.Get()))
            return token;
    return nullptr;
}

// A voice that speaks English: the user's default voice when it is English,
// else the first English one; null when there is none.
ComPtr<ISpVoice> EnglishVoice()
{
    ComPtr<ISpVoice> voice;
    if (FAILED(::CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&voice))))
        return nullptr;
    ComPtr<ISpObjectToken> token;
    if (SUCCEEDED(voice->GetVoice(&token)) && token && IsEnglish(token.Get()))
        return voice;
    token = FirstEnglishToken();
    if (!token || FAILED(voice->SetVoice(token.Get())))
        return nullptr;
    return voice;
}

} // namespace

// What the UI thread and the worker share. The lock is held only to hand a
// word over or to close the box, never while the voice is made or speaks.
struct Speaker::Mailbox {
    explicit Mailbox(HWND window) : owner(window) {}
    ~Mailbox()
    {
        if (wake)
            ::CloseHandle(wake);
    }

    void Put(const std::wstring& latest)
    {
        {
            std::lock_guard<std::mutex> hold(lock);
            word = latest;   // the word not yet taken gives way
        }
        ::SetEvent(wake);
    }

    // The worker's wait for the next word; false once the Speaker is gone.
    bool Take(std::wstring& next)
    {
        for (;;) {
            {
                std::lock_guard<std::mutex> hold(lock);
                if (stop)
                    return false;
                if (!word.empty()) {
                    next = std::move(word);
                    word.clear();
                    return true;
                }
            }
            ::WaitForSingleObject(wake, INFINITE);
        }
    }

    void TellNoVoice()
    {
        std::lock_guard<std::mutex> hold(lock);
        if (owner)
            ::PostMessageW(owner, WM_NOVOICE, 0, 0);
    }

    // The Speaker goes: its window is no longer posted to.
    void Close()
    {
        {
            std::lock_guard<std::mutex> hold(lock);
            stop = true;
            owner = nullptr;
        }
        ::SetEvent(wake);
    }

    std::mutex lock;
    std::wstring word;
    bool stop = false;
    HWND owner;
    HANDLE wake = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);   // auto-reset: a word, or the stop
};

// The window is made here rather than at the first Say: under Wine the first
// window of a process costs over 100 ms, too long for a Say to keep the UI
// thread.
Speaker::Speaker(std::function<void()> noVoice)
    : m_noVoice(std::move(noVoice)), m_hwnd(CreateMessageWindow(CLASS_NAME, WndProc, this))
{
}

Speaker::~Speaker()
{
    if (m_hThread) {
        m_pMailbox->Close();
        // A worker still busy after the wait keeps its share of the mailbox.
        ::WaitForSingleObject(m_hThread, STOP_WAIT_MS);
        ::CloseHandle(m_hThread);
    }
    if (m_hwnd)
        ::DestroyWindow(m_hwnd);
}

void Speaker::Say(const std::wstring& word)
{
    if (!word.empty() && Started())
        m_pMailbox->Put(word);
}

// The worker, started by the first Say. One that cannot be started is no
// voice either.
bool Speaker::Started()
{
    if (m_hThread)
        return true;
    m_pMailbox = std::make_shared<Mailbox>(m_hwnd);
    auto* share = new std::shared_ptr<Mailbox>(m_pMailbox);
    if (m_pMailbox->wake)
        m_hThread = ::CreateThread(nullptr, 0, Work, share, 0, nullptr);
    if (!m_hThread) {
        delete share;
        m_pMailbox->TellNoVoice();
    }
    return m_hThread != nullptr;
}

// The worker: its own COM apartment, and a voice made when a word needs one.
DWORD WINAPI Speaker::Work(LPVOID mailbox)
{
    const std::unique_ptr<std::shared_ptr<Mailbox>> share(static_cast<std::shared_ptr<Mailbox>*>(mailbox));
    Mailbox& box = **share;
    const bool com = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    {
        ComPtr<ISpVoice> voice;
        std::wstring word;
        while (box.Take(word)) {
            if (!voice && com)
                voice = EnglishVoice();
            if (!voice || FAILED(voice->Speak(word.c_str(), SPEAK_FLAGS, nullptr))) {
                voice.Reset();
                box.TellNoVoice();
            }
        }
        if (voice)
            voice->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);   // silent at exit
    }
    if (com)
        ::CoUninitialize();
    return 0;
}

LRESULT CALLBACK Speaker::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOVOICE) {
        auto* self = reinterpret_cast<Speaker*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && !self->m_bToldNoVoice) {
            self->m_bToldNoVoice = true;   // the owner's note is shown once
            self->m_noVoice();
        }
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

bool IsEnglishLanguageAttribute(const std::wstring& languages)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = languages.find(L';', start);
        const std::wstring one = languages.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        wchar_t* rest = nullptr;
        const unsigned long id = std::wcstoul(one.c_str(), &rest, 16);
        if (rest != one.c_str() && *rest == L'\0' && id <= 0xFFFF && PRIMARYLANGID(id) == LANG_ENGLISH)
            return true;
        if (end == std::wstring::npos)
            return false;
        start = end + 1;
    }
}
