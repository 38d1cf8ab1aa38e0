// Another process on the desktop that misbehaves towards Zeto, for the fault
// tests. One mode per run:
//   intruder post HWND SEED COUNT   posts Zeto's six messages (WM_SHOWTRANSLATION,
//                                   WM_TRAYNOTIFY and the four registered ones)
//                                   with arbitrary parameters, then exits
//   intruder hold-clipboard EVENT   opens the clipboard, signals EVENT-held,
//                                   keeps it open until EVENT-release is set
//   intruder clipboard-source EVENT a window (title "Wordlumo clipboard source")
//                                   that puts the text of each WM_COPYDATA it is
//                                   sent on the clipboard, as an application's
//                                   copy does (with a picture and a format of
//                                   its own when asked: Intruder.h); signals
//                                   EVENT-ready
//   intruder clipboard-history EVENT HOLD_MS COUNT
//                                   a clipboard history: at each of the next
//                                   COUNT clipboard changes it opens the
//                                   clipboard, sets EVENT-held and keeps it
//                                   open HOLD_MS; signals EVENT-ready
#include "hooklib/Tapwire.h"
#include "tests/faults/Intruder.h"
#include "tests/support/WindowClass.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A small fixed-seed generator: the same seed posts the same messages.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed * 2654435761u + 1) {}
    std::uint64_t Next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return m_state;
    }

private:
    std::uint64_t m_state;
};

// Parameters a careless or hostile poster might use: small numbers, mouse
// messages, handles of real windows, addresses, all bits set.
std::uint64_t Parameter(Random& random, HWND target)
{
    switch (random.Next() % 8) {
    case 0: return 0;
    case 1: return random.Next() % 0x400;                       // message numbers, ids, coordinates
    case 2: return WM_LBUTTONUP + random.Next() % 4;            // tray mouse messages
    case 3: return reinterpret_cast<std::uint64_t>(target);     // Zeto's own window
    case 4: return reinterpret_cast<std::uint64_t>(::GetDesktopWindow());
    case 5: return reinterpret_cast<std::uint64_t>(&random);    // an address in this process
    case 6: return ~std::uint64_t(0);
    default: return random.Next();
    }
}

int Post(HWND target, unsigned seed, int count)
{
    const TapwireMessages tapwire = RegisterTapwireMessages();
    const UINT messages[] = {
        0x0500,   // WM_SHOWTRANSLATION
        0x0600,   // WM_TRAYNOTIFY
        tapwire.mouseSelection,
        tapwire.ctrlC,
        tapwire.rbuttonCopy,
        tapwire.lbuttonPress,
    };
    Random random(seed);
    int posted = 0;
    for (int i = 0; i < count; ++i) {
        const UINT msg = messages[random.Next() % 6];
        const WPARAM wParam = static_cast<WPARAM>(Parameter(random, target));
        const LPARAM lParam = static_cast<LPARAM>(Parameter(random, target));
        // A full queue refuses posts: give the receiver a moment, as any
        // poster would, and go on.
        for (int tries = 0; tries < 100 && !::PostMessageA(target, msg, wParam, lParam); ++tries)
            ::Sleep(1);
        ++posted;
    }
    std::printf("posted %d\n", posted);
    return 0;
}

int HoldClipboard(const std::string& name)
{
    HWND owner = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (!::OpenClipboard(owner))
        return 1;
    HANDLE release = NamedEvent(name + "-release");
    ::SetEvent(NamedEvent(name + "-held"));
    ::WaitForSingleObject(release, 120000);
    ::CloseClipboard();
    return 0;
}

LRESULT CALLBACK SourceProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_COPYDATA)
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    const COPYDATASTRUCT* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (!::OpenClipboard(hwnd))
        return 0;
    ::EmptyClipboard();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, data->cbData + 1);
    char* p = static_cast<char*>(::GlobalLock(block));
    std::memcpy(p, data->lpData, data->cbData);
    p[data->cbData] = '\0';
    ::GlobalUnlock(block);
    bool put = ::SetClipboardData(CF_TEXT, block) != nullptr;
    if (data->dwData == INTRUDER_COPY_RICH) {
        const BYTE bits[] = {0xf0, 0x0f, 0, 0, 0xaa, 0x55, 0, 0};
        put = put && ::SetClipboardData(CF_BITMAP, ::CreateBitmap(8, 4, 1, 1, bits));
        HGLOBAL own = ::GlobalAlloc(GMEM_MOVEABLE, data->cbData);
        std::memcpy(::GlobalLock(own), data->lpData, data->cbData);
        ::GlobalUnlock(own);
        put = put && ::SetClipboardData(::RegisterClipboardFormatA(INTRUDER_RICH_FORMAT), own);
    }
    ::CloseClipboard();
    return put ? 1 : 0;
}

int ClipboardSource(const std::string& name)
{
    support::RegisterWindowClass("WordlumoClipboardSource", SourceProc);
    ::CreateWindowExA(0, "WordlumoClipboardSource", "Wordlumo clipboard source", WS_POPUP, 0, 0, 1, 1, nullptr,
                      nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::SetEvent(NamedEvent(name + "-ready"));
    support::RunMessageLoop();
    return 0;
}

struct History {
    HANDLE held;
    DWORD holdMs;
    int count;
};
History g_history{};

LRESULT CALLBACK HistoryProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_CLIPBOARDUPDATE || g_history.count <= 0)
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    for (int tries = 0; tries < 1000 && !::OpenClipboard(hwnd); ++tries)
        ::Sleep(1);
    --g_history.count;
    ::SetEvent(g_history.held);
    ::Sleep(g_history.holdMs);   // what a slow history does while it copies
    ::CloseClipboard();
    return 0;
}

int ClipboardHistory(const std::string& name, DWORD holdMs, int count)
{
    g_history = {NamedEvent(name + "-held"), holdMs, count};
    support::RegisterWindowClass("WordlumoClipboardHistory", HistoryProc);
    HWND window = ::CreateWindowExA(0, "WordlumoClipboardHistory", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
    if (!window || !::AddClipboardFormatListener(window))
        return 5;
    ::SetEvent(NamedEvent(name + "-ready"));
    support::RunMessageLoop();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "post" && argc == 5)
        return Post(reinterpret_cast<HWND>(std::strtoull(argv[2], nullptr, 0)),
                    static_cast<unsigned>(std::strtoul(argv[3], nullptr, 0)), std::atoi(argv[4]));
    if (mode == "hold-clipboard" && argc == 3)
        return HoldClipboard(argv[2]);
    if (mode == "clipboard-source" && argc == 3)
        return ClipboardSource(argv[2]);
    if (mode == "clipboard-history" && argc == 5)
        return ClipboardHistory(argv[2], std::strtoul(argv[3], nullptr, 0), std::atoi(argv[4]));
    std::fprintf(stderr, "usage: intruder post HWND SEED COUNT | hold-clipboard EVENT | clipboard-source EVENT"
                         " | clipboard-history EVENT HOLD_MS COUNT\n");
    return 2;
}
