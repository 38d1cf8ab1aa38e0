// Which files beside Zeto.exe its start deletes: set-aside copies of
// Tapwire.dll, never anything else.
#include "ui/TapwireLeftovers.h"

#include <gtest/gtest.h>

TEST(TapwireLeftovers, ACopySetAsideByTheInstallerIsALeftover)
{
    EXPECT_TRUE(IsTapwireLeftover(L"Tapwire.dll.old-1"));
    EXPECT_TRUE(IsTapwireLeftover(L"Tapwire.dll.old-27"));
    EXPECT_TRUE(IsTapwireLeftover(L"Tapwire.dll.old-123456789"));
    EXPECT_TRUE(IsTapwireLeftover(L"TAPWIRE.DLL.OLD-3")) << "Windows compares file names without case";
}

TEST(TapwireLeftovers, TheProgramsAndTheUsersFilesAreNot)
{
    for (const wchar_t* name : {L"Tapwire.dll", L"Zeto.exe", L"NewData.dat", L"Zeto.ini", L"Zeto.ini.damaged",
                                L"data.dat", L"Uninstall.exe", L"Tapwire.dll.old-", L"Tapwire.dll.old-1.txt",
                                L"Tapwire.dll.old-1 (2)", L"Tapwire.dll.old-x", L"My Tapwire.dll.old-1",
                                L"Tapwire.dll.old-1234567890", L"Tapwire.dll.old--1", L""})
        EXPECT_FALSE(IsTapwireLeftover(name)) << "would delete " << name;
}
