// A clipboard viewer of the tests' own, in a thread of its own, that records
// the chain notifications it receives and passes them on and repairs the
// chain, as the system asks of every viewer.
#pragma once
#include <windows.h>

#include <atomic>
#include <future>
#include <thread>

namespace support {

class ClipboardViewer {
public:
    ClipboardViewer();    // joins the chain; its next viewer is whoever was first
    ~ClipboardViewer();   // leaves the chain
    ClipboardViewer(const ClipboardViewer&) = delete;
    ClipboardViewer& operator=(const ClipboardViewer&) = delete;

    HWND hwnd() const { return m_hwnd; }
    HWND next() const { return m_next.load(); }
    int drawCount() const { return m_draws.load(); }
    int changeCount() const { return m_changes.load(); }
    HWND lastRemoved() const { return m_lastRemoved.load(); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Run(std::promise<void>& joined);

    std::thread m_thread;
    HWND m_hwnd = nullptr;
    std::atomic<HWND> m_next{nullptr};
    std::atomic<HWND> m_lastRemoved{nullptr};
    std::atomic<int> m_draws{0};
    std::atomic<int> m_changes{0};
};

} // namespace support
