// The windows of a stand-in target application (see CopyTargetWindows.cpp).
#pragma once

// Builds the target's windows in this thread and runs its message loop until
// the top-level window is closed.
int RunCopyTarget(const char* kind, const char* title);

// Lets every stand-in of this process that hangs go on (and so end).
void ReleaseHungCopyTargets();

// The formats the "owner" stand-in puts on the clipboard beside its text: a
// zero-size block, and one offered for delayed rendering that it never renders
// (formats Zeto would borrow were they rendered).
constexpr char OWNER_EMPTY_FORMAT[] = "Rich Text Format";
constexpr char OWNER_UNRENDERED_FORMAT[] = "HTML Format";

// How late the "late" stand-in copies after the copy request.
constexpr unsigned LATE_COPY_DELAY_MS = 700;
