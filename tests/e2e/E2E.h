// What the end-to-end driver shares between its tests.
#pragma once
#include "Session.h"
#include "tests/support/ClipboardViewer.h"
#include "tests/support/StandIn.h"

#include <memory>

using support::StandIn;

extern Session* g_session;
// Clipboard viewers that joined before Zeto, in this order.
extern std::unique_ptr<support::ClipboardViewer> g_viewerBefore;
extern std::unique_ptr<support::ClipboardViewer> g_viewerBetween;

// Where to click on "Copy" in the edit control's open context menu.
POINT ContextMenuCopyPoint(HWND menu);
