// The end-to-end driver. notepad_e2e.sh starts Wine Notepad on words.txt and
// then this program, which starts Zeto.exe and runs the tests.
//   e2e_driver.exe ZETO_EXE NOTEPAD_TITLE [gtest options]
#include "E2E.h"

#include <gtest/gtest.h>

#include <cstdio>

Session* g_session = nullptr;
std::unique_ptr<support::ClipboardViewer> g_viewerBefore;
std::unique_ptr<support::ClipboardViewer> g_viewerBetween;

// Wine's edit menu: Undo, a separator, Cut, Copy, Paste, Delete, a
// separator, Select All; a separator is half an item high. Measured on a
// screenshot: 120 pixels high, Copy from 44 to 60 below the top.
POINT ContextMenuCopyPoint(HWND menu)
{
    RECT rect;
    ::GetWindowRect(menu, &rect);
    int height = rect.bottom - rect.top;
    POINT pt{(rect.left + rect.right) / 2, rect.top + height * 13 / 30};
    return pt;
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: e2e_driver ZETO_EXE NOTEPAD_TITLE\n");
        return 2;
    }
    // Viewers that join before Zeto, so that Zeto forwards to them.
    g_viewerBefore = std::make_unique<support::ClipboardViewer>();
    g_viewerBetween = std::make_unique<support::ClipboardViewer>();
    int rc;
    {
        Session session;
        if (!session.Start(argv[1], argv[2])) {
            std::fprintf(stderr, "e2e_driver: %s\n", session.error.c_str());
            return 1;
        }
        g_session = &session;
        rc = RUN_ALL_TESTS();
        g_session = nullptr;
    }
    g_viewerBetween.reset();
    g_viewerBefore.reset();
    return rc;
}
