// The windows of a stand-in target application (see CopyTargetWindows.cpp).
#pragma once

// Builds the target's windows in this thread and runs its message loop until
// the top-level window is closed.
int RunCopyTarget(const char* kind, const char* title);

// Lets every stand-in of this process that hangs go on (and so end).
void ReleaseHungCopyTargets();

// The formats the "owner" stand-in puts on the clipboard beside its text: a
// zero-size block, and one offered for delayed rendering that it never renders.
constexpr char OWNER_EMPTY_FORMAT[] = "Wordlumo test empty";
constexpr char OWNER_UNRENDERED_FORMAT[] = "Wordlumo test unrendered";
