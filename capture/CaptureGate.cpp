#include "capture/CaptureGate.h"

#include "text/Cp1251Utf16.h"

bool CaptureGate::MayCapture(HWND foreground) const
{
    if (paused)
        return false;
    return ignoredPrograms.empty() || !ListHoldsProgram(ignoredPrograms, ProgramOfWindow(foreground));
}

std::string ProgramOfWindow(HWND window)
{
    DWORD processId = 0;
    if (!window || !::GetWindowThreadProcessId(window, &processId))
        return "";
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return "";
    wchar_t path[MAX_PATH];
    DWORD size = MAX_PATH;
    const bool named = ::QueryFullProcessImageNameW(process, 0, path, &size);
    ::CloseHandle(process);
    return named ? ProgramFileName(cp1251::FromUtf16(std::wstring(path, size))) : "";
}

bool ClipboardHoldsSecret()
{
    // The current convention, and the one older monitors know.
    static const UINT exclude = ::RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing");
    static const UINT viewerIgnore = ::RegisterClipboardFormatA("Clipboard Viewer Ignore");
    return ::IsClipboardFormatAvailable(exclude) || ::IsClipboardFormatAvailable(viewerIgnore);
}
