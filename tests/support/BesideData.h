// Zeto's files as the tests give them: the small ones it reads beside
// data.dat (forms.dat and pron.dat; without either Zeto says so in edit 1001,
// which a test of something else does not expect), and the whole set.
#pragma once
#include "dictionary/IrregularForms.h"
#include "dictionary/Pronunciations.h"
#include "tests/support/Records.h"

#include <string>

namespace support {

inline std::string FormsBytes() { return CIrregularForms::Build({"children child\n"}); }

// A word no test dictionary holds, so that Show Pronunciation, on at first,
// changes no test's answer; a test of it writes its own.
inline std::string PronunciationBytes() { return CPronunciations::Build({{"zeal", "n", u8"ziːl"}}); }

// Both, in dir ("" for the working directory).
inline void WriteFilesBesideData(const std::string& dir = "")
{
    const std::string prefix = dir.empty() ? dir : dir + "\\";
    WriteFileBytes(prefix + CIrregularForms::FILE_NAME, FormsBytes());
    WriteFileBytes(prefix + CPronunciations::FILE_NAME, PronunciationBytes());
}

// data.dat with pairs, NewData.dat with newData (raw bytes) and the small
// files beside them, in the working directory.
inline void WriteZetoFiles(const Pairs& pairs, const std::string& newData = "")
{
    WriteDictionary("data.dat", pairs);
    WriteFileBytes("NewData.dat", newData);
    WriteFilesBesideData();
}

} // namespace support
