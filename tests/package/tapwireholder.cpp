// Stands in for an application that Zeto's hooks reached: it maps the
// installed Tapwire.dll as Windows maps a hook library into a hooked
// process, and keeps it mapped after Zeto is gone. Windows then refuses to
// delete or overwrite the file, and allows it to be renamed.
//   tapwireholder DLL MARKER   loads DLL, creates the file MARKER, and holds
//                              the library until MARKER is deleted (at most
//                              five minutes); exit status 0 when it held it
#include <windows.h>

#include <cstdio>

namespace {

const DWORD HOLD_AT_MOST_MS = 5 * 60 * 1000;
const DWORD POLL_MS = 50;

} // namespace

int main()
{
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argc != 3) {
        std::printf("usage: tapwireholder DLL MARKER\n");
        return 2;
    }
    // Mapped as an image, without running its code: no hooks are involved.
    HMODULE dll = ::LoadLibraryExW(argv[1], nullptr, DONT_RESOLVE_DLL_REFERENCES);
    if (!dll) {
        std::printf("FAIL: cannot load %ls: error %lu\n", argv[1], ::GetLastError());
        return 1;
    }
    HANDLE marker = ::CreateFileW(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (marker == INVALID_HANDLE_VALUE) {
        std::printf("FAIL: cannot create %ls\n", argv[2]);
        return 1;
    }
    ::CloseHandle(marker);
    for (DWORD waited = 0; waited < HOLD_AT_MOST_MS; waited += POLL_MS) {
        if (::GetFileAttributesW(argv[2]) == INVALID_FILE_ATTRIBUTES)
            return 0;
        ::Sleep(POLL_MS);
    }
    std::printf("FAIL: nobody released %ls\n", argv[1]);
    return 1;
}
