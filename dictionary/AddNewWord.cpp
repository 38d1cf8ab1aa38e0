// The Add New Word command: a pair typed by the user is appended to
// NewData.dat and to the in-memory dictionary, so it is found at once and
// after the next start.
//
// NewData.dat holds the user's own words, so a write that fails half-way
// must not leave a broken record behind: the record goes out in one write,
// and when anything about it failed the file is cut back to its previous
// length. Only a pair that reached the file whole joins the dictionary.
// A file that already ends in a cut record (a crash, a copy broken off)
// would swallow every record appended after it, so those bytes are first
// moved to NewData.dat.damaged, where nothing is lost.
#include "dictionary/NewWordDlg.h"
#include "framework/App.h"
#include "framework/Text.h"
#include "text/Cp1251Literal.h"
#include "ui/MainDlg.h"

#include <cstdio>
#include <cstring>
#include <io.h>
#include <string>

namespace {

const char DAMAGED_TAIL_FILE[] = "NewData.dat.damaged";

constexpr auto MSG_TOO_LONG = cp1251::Literal(
    u8"Преводът е по-дълъг от 65535 байта и не се побира в речника. Думата не е записана.");
constexpr auto MSG_CANNOT_OPEN = cp1251::Literal(
    u8"Думата не е записана: файлът NewData.dat не може да се отвори за писане "
    u8"(може би е само за четене).");
constexpr auto MSG_WRITE_FAILED = cp1251::Literal(
    u8"Думата не е записана: писането в NewData.dat не успя (може би дискът е пълен). "
    u8"Файлът е оставен както беше.");
constexpr auto MSG_TAIL_SET_ASIDE = cp1251::Literal(
    u8"NewData.dat завършваше с непълен запис, който не може да се прочете. Байтовете му са "
    u8"преместени в NewData.dat.damaged, за да не скрият новата дума.");
constexpr auto MSG_TAIL_STUCK = cp1251::Literal(
    u8"Думата не е записана: NewData.dat завършва с непълен запис, който не можа да бъде "
    u8"преместен в NewData.dat.damaged.");
constexpr auto MSG_ROLLBACK_FAILED = cp1251::Literal(
    u8"Думата не е записана: писането в NewData.dat не успя и файлът не можа да бъде "
    u8"върнат в предишния си вид.");

// Cuts the file at path back to length bytes.
bool TruncateTo(const char* path, long long length)
{
    HANDLE file = OpenFileForWriting(path);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER position;
    position.QuadPart = length;
    bool done = ::SetFilePointerEx(file, position, nullptr, FILE_BEGIN) && ::SetEndOfFile(file);
    ::CloseHandle(file);
    return done;
}

long long LengthOf(FILE* file)
{
    LARGE_INTEGER size;
    HANDLE handle = (HANDLE)_get_osfhandle(_fileno(file));
    if (handle == INVALID_HANDLE_VALUE || !::GetFileSizeEx(handle, &size))
        return -1;
    return size.QuadPart;
}

// Where a record cut short by the end of the file begins; -1 when the file
// ends after a whole record, or is missing.
long long CutRecordOffset(const char* path)
{
    FILE* file = OpenFileNamed(path, "rb");
    if (!file)
        return -1;
    CDictionary scan;
    scan.LoadFile(file);
    std::fclose(file);
    return scan.GetTruncatedOffset();
}

// Appends the bytes of path from offset on to the damaged-tail file, then
// cuts path there. False, with path untouched, when they could not be kept.
bool SetTailAside(const char* path, long long offset)
{
    std::string tail;
    FILE* file = OpenFileNamed(path, "rb");
    if (!file)
        return false;
    bool read = _fseeki64(file, offset, SEEK_SET) == 0;
    char chunk[4096];
    while (read && !std::feof(file)) {
        tail.append(chunk, std::fread(chunk, 1, sizeof chunk, file));
        read = !std::ferror(file);
    }
    std::fclose(file);
    if (!read)
        return false;
    FILE* aside = OpenFileNamed(DAMAGED_TAIL_FILE, "ab");
    if (!aside)
        return false;
    bool kept = std::fwrite(tail.data(), 1, tail.size(), aside) == tail.size();
    kept = std::fclose(aside) == 0 && kept;
    return kept && TruncateTo(path, offset);
}

// Appends pair as one record; nullptr when it is in the file whole, else the
// message for the user (the file then has its old length again). tailSetAside
// tells whether a cut record at the file's end was moved away first.
const char* AppendRecord(CDictionary& dictionary, const WordPair& pair, bool& tailSetAside)
{
    if (std::strlen(pair.GetWord()) > CDictionary::MAX_TEXT_LENGTH ||
        std::strlen(pair.GetTranslation()) > CDictionary::MAX_TEXT_LENGTH)
        return MSG_TOO_LONG.c_str();
    long long cut = CutRecordOffset(NEW_DATA_FILE);
    if (cut >= 0) {
        if (!SetTailAside(NEW_DATA_FILE, cut))
            return MSG_TAIL_STUCK.c_str();
        tailSetAside = true;
    }
    FILE* file = OpenFileNamed(NEW_DATA_FILE, "ab");
    if (!file)
        return MSG_CANNOT_OPEN.c_str();
    // Unbuffered: WriteRecord's one fwrite is one write to the file, and no
    // stream buffer is left to spill into it after a failure.
    std::setvbuf(file, nullptr, _IONBF, 0);
    long long before = LengthOf(file);
    dictionary.WriteRecord(pair, file);
    bool written = before >= 0 && !std::ferror(file);
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (written)
        return nullptr;
    if (before < 0 || !TruncateTo(NEW_DATA_FILE, before))
        return MSG_ROLLBACK_FAILED.c_str();
    return MSG_WRITE_FAILED.c_str();
}

} // namespace

// Menu command 32776. Neither an empty pair nor a word already known is
// refused; it works whether or not the dictionary files were loaded.
void CMainDlg::OnAddNewWord()
{
    CNewWordDlg dlg;
    if (dlg.DoModal() != IDOK)
        return;
    WordPair pair(dlg.m_strNewWord.c_str(), dlg.m_strNewTranslation.c_str());
    bool tailSetAside = false;
    const char* failure = AppendRecord(m_dictionary, pair, tailSetAside);
    if (tailSetAside)
        FrameworkMessageBox(m_hWnd, MSG_TAIL_SET_ASIDE.c_str());
    if (failure) {
        FrameworkMessageBox(m_hWnd, failure);
        return;
    }
    m_dictionary.AddPair(pair.GetWord(), pair.GetTranslation());
}
