// Says a looked-up word aloud with an English voice of Windows' speech API
// (SAPI 5). The UI thread only hands the word over: the voice is made and
// used on a worker thread of the Speaker's own, started by the first Say, so
// the UI thread never waits for COM, for the voice, or for a lock held while
// speaking. A newer word replaces one not yet spoken and cuts short the one
// being spoken.
//
// Failure policy: whatever keeps an English voice from speaking (no SAPI,
// no voice token, none English, SetVoice or Speak failing) is "no English
// voice". The worker tries again with the next word, and the owner hears of
// it once, on the UI thread, to show its note once.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

class Speaker {
public:
    // At Zeto's exit the worker is given this long to let go of the voice,
    // then left to the end of the process.
    static constexpr DWORD STOP_WAIT_MS = 2000;

    // On the UI thread. noVoice runs at most once, in its message loop.
    explicit Speaker(std::function<void()> noVoice);
    ~Speaker();
    Speaker(const Speaker&) = delete;
    Speaker& operator=(const Speaker&) = delete;

    // On the UI thread; an empty word is not said.
    void Say(const std::wstring& word);

private:
    struct Mailbox;
    bool Started();
    static DWORD WINAPI Work(LPVOID mailbox);
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    std::function<void()> m_noVoice;
    bool m_bToldNoVoice = false;
    HWND m_hwnd = nullptr;                // message-only, on the UI thread: the worker posts here
    HANDLE m_hThread = nullptr;
    std::shared_ptr<Mailbox> m_pMailbox;  // the worker holds it too: it may outlive us
};

// Whether a voice token's Language attribute names English: LANGIDs in hex,
// separated by semicolons ("409", "809;9").
bool IsEnglishLanguageAttribute(const std::wstring& languages);
