// Tapwire's messages keep the names they are published under: any program
// that registers these names talks with Zeto and Tapwire.
#include "hooklib/Tapwire.h"

#include <gtest/gtest.h>

TEST(TapwireMessages, AreRegisteredUnderTheirPublishedNames)
{
    const TapwireMessages messages = RegisterTapwireMessages();
    EXPECT_EQ(messages.mouseSelection,
              RegisterWindowMessageA("UWM_MOUSEMOVE_MSG-44E531B1_14D3_11d5_A025_006067718D04"));
    EXPECT_EQ(messages.ctrlC, RegisterWindowMessageA("UWM_KEYBOARD_CTRLC"));
    EXPECT_EQ(messages.rbuttonCopy, RegisterWindowMessageA("UWM_RBUTTONUPMOUSE_MSG"));
    EXPECT_EQ(messages.lbuttonPress, RegisterWindowMessageA("UWM_KEYPRESS_LBUTTONUP_MSG"));
    EXPECT_NE(messages.mouseSelection, 0u);
}
