// A real main dialog in a fresh working directory, and the means to hurt it:
// damaged dictionary files, clipboard blocks of any size, and a second
// process (intruder.exe) that posts, holds the clipboard or plays a target
// that hangs or dies. Every test ends by checking that Zeto still answers.
#pragma once
#include "tests/faults/Intruder.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/MainDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

Bytes ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const Bytes& bytes);
// The record of a pair as the dictionary files hold it.
Bytes Record(const std::string& word, const std::string& translation);

class FaultFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the dialog over the files in the working directory.
    void StartDialog();
    // The translation shown in edit 1001.
    std::string Shown();
    // Zeto's window lives and answers a sent message.
    void ExpectAlive();
    // Zeto answers: its window lives, and a word copied after a Ctrl+C is
    // translated in edit 1001.
    void ExpectResponsive();

    uitest::TempWorkDir dir;
    uitest::MessageBoxWatcher boxes;
    CMainDlg dlg;
};
