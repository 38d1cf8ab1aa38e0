// What the end-to-end driver shares between its tests.
#pragma once
#include "tests/support/ClipboardViewer.h"
#include "Session.h"

#include <memory>

extern Session* g_session;
// Clipboard viewers that joined before Zeto, in this order.
extern std::unique_ptr<support::ClipboardViewer> g_viewerBefore;
extern std::unique_ptr<support::ClipboardViewer> g_viewerBetween;

// Where to click on "Copy" in the edit control's open context menu.
POINT ContextMenuCopyPoint(HWND menu);

// `rounds` selections by mouse with Automatic Attach on, in Wine Notepad
// (WM_COPY) and in a reader that ignores WM_COPY (Ctrl+C), each from the
// button's release as the X server stamped it to the tooltip showing the
// translation; prints median and 95th percentile of each road.
int RunBenchmark(Session& session, int rounds);
