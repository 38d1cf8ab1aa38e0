// A clipboard viewer of the tests' own, in a thread of its own, that records
// the chain notifications it receives and passes them on like a good viewer.
#pragma once
#include <windows.h>

#include <atomic>
#include <thread>

class ChainViewer {
public:
    ChainViewer();    // joins the chain; its next viewer is whoever was first
    ~ChainViewer();   // leaves the chain
    ChainViewer(const ChainViewer&) = delete;
    ChainViewer& operator=(const ChainViewer&) = delete;

    HWND hwnd() const { return m_hwnd; }
    HWND next() const { return m_next.load(); }
    int drawCount() const { return m_draws.load(); }
    int changeCount() const { return m_changes.load(); }
    HWND lastRemoved() const { return m_lastRemoved.load(); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Run();

    std::thread m_thread;
    HWND m_hwnd = nullptr;
    std::atomic<HWND> m_next{nullptr};
    std::atomic<HWND> m_lastRemoved{nullptr};
    std::atomic<int> m_draws{0};
    std::atomic<int> m_changes{0};
    std::atomic<bool> m_ready{false};
};
