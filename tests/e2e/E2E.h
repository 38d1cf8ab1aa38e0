// What the end-to-end driver shares between its tests.
#pragma once
#include "ChainViewer.h"
#include "Session.h"

#include <memory>

extern Session* g_session;
// Clipboard viewers that joined before Zeto, in this order.
extern std::unique_ptr<ChainViewer> g_viewerBefore;
extern std::unique_ptr<ChainViewer> g_viewerBetween;

// Where to click on "Copy" in the edit control's open context menu.
POINT ContextMenuCopyPoint(HWND menu);

// 50 selections by mouse with Automatic Attach on, from the release of the
// button to the translation in edit 1001; prints median and 95th percentile.
int RunBenchmark(Session& session, int rounds);
