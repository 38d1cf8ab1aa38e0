// Common ground of the hook tests: a recorder window in the test process,
// Tapwire's four message numbers from its own header, and a clean slate
// of hooks after each test.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include "PostRecorder.h"
#include "TargetProcess.h"
#include "hooklib/Tapwire.h"

// Screen places for the targets, apart from each other.
const POINT kFirstTargetAt = {100, 100};
const POINT kSecondTargetAt = {100, 400};

// What one round of gestures (ProbeAllGestures) brought to the recorder.
struct Probed {
    int selections = 0;     // UWM_MOUSEMOVE_MSG-… posts
    int ctrlCs = 0;         // UWM_KEYBOARD_CTRLC posts
    int rbuttonCopies = 0;  // UWM_RBUTTONUPMOUSE_MSG posts
    bool complete = false;  // the target saw every input of the round
    std::string trace;      // what arrived meanwhile, for failure messages
};

// The id of a thread that has ended: one that cannot be hooked.
DWORD EndedThreadId();

class HookTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // In the plain child of `target`: a left click; Ctrl+C; a right click
    // followed by a left click. Counts the capture messages that arrived
    // before the target reported the last of these inputs.
    Probed ProbeAllGestures(TargetProcess& target);

    PostRecorder recorder;
    const TapwireMessages messages = RegisterTapwireMessages();
};
