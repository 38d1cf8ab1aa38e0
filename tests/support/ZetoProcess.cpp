#include "tests/support/ZetoProcess.h"

namespace support {

std::string BuiltZeto() { return BuiltProgram(ZETO_EXE); }

ZetoProcess::ZetoProcess(const std::string& exe, const std::string& workDir, const std::string& arguments)
    : Process("\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments), workDir.c_str())
{
}

ZetoProcess::~ZetoProcess()
{
    if (Running() && m_main)
        Close();
}

HWND ZetoProcess::WaitForMain(DWORD timeoutMs)
{
    m_main = WaitForWindow("#32770", "Wordlumo", timeoutMs);
    return m_main;
}

bool ZetoProcess::Close()
{
    ::PostMessageA(m_main, WM_CLOSE, 0, 0);
    return ::WaitForSingleObject(Handle(), GONE_MS) == WAIT_OBJECT_0;
}

} // namespace support
