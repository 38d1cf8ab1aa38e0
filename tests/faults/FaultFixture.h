// A real main dialog in a fresh working directory, and the means to hurt it:
// damaged dictionary files, clipboard blocks of any size, a second process
// (intruder.exe) that posts or holds the clipboard, and stand-in targets
// (support::StandIn) that die when asked to copy. Every test ends by
// checking that Zeto still answers.
#pragma once
#include "tests/faults/Intruder.h"
#include "tests/support/MainDialog.h"
#include "tests/support/MessageBoxes.h"
#include "tests/support/Pump.h"

#include <string>

class FaultFixture : public support::MainDialogTest {
protected:
    // Creates the dialog over the dictionary files in the working directory
    // (forms.dat and pron.dat are written here).
    void StartDialog();
    // The translation shown in edit 1001.
    std::string Shown() const { return ItemText(1001); }
    // Zeto's window lives and answers a sent message.
    void ExpectAlive();
    // Zeto answers: its window lives, and a word copied after a Ctrl+C is
    // translated in edit 1001.
    void ExpectResponsive();

    support::MessageBoxWatcher boxes;
};
