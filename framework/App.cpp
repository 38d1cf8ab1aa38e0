#include "framework/App.h"

#include "framework/Text.h"
#include "text/Cp1251Utf16.h"

CWinApp* CWinApp::s_pApp = nullptr;

CWinApp::CWinApp() { s_pApp = this; }

CWinApp::~CWinApp()
{
    if (s_pApp == this)
        s_pApp = nullptr;
}

int CWinApp::Run(HINSTANCE hInstance)
{
    m_hInstance = hInstance;
    if (!InitInstance())
        return 0;
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return (int)msg.wParam;
}

std::wstring ProgramPath()
{
    std::wstring path(LONGEST_PATH_CHARS, L'\0');
    const DWORD length = ::GetModuleFileNameW(nullptr, &path[0], (DWORD)path.size());
    path.resize(length < path.size() ? length : 0);
    return path;
}

std::string ExecutableBaseName()
{
    std::string name = cp1251::FromUtf16(ProgramPath());
    std::string::size_type slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    std::string::size_type dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

int FrameworkMessageBox(HWND owner, const std::string& text)
{
    return ShowMessageBox(owner, text, ExecutableBaseName(), MB_OK | MB_ICONEXCLAMATION);
}
