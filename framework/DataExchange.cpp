#include "framework/DataExchange.h"

#include "framework/App.h"
#include "framework/Text.h"
#include "framework/Wnd.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

const char MSG_ENTER_INTEGER[] = "Please enter an integer.";
const char MSG_ENTER_INTEGER_RANGE[] = "Please enter an integer between %1 and %2.";
const char MSG_MAX_CHARS[] = "Please enter no more than %1 characters.";

std::string FormatFrameworkMessage(const char* text, long long first, long long second)
{
    std::string result;
    for (const char* p = text; *p; ++p) {
        if (p[0] == '%' && (p[1] == '1' || p[1] == '2')) {
            result += std::to_string(p[1] == '1' ? first : second);
            ++p;
        } else {
            result += *p;
        }
    }
    return result;
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_hwndLast = ::GetDlgItem(m_dlg.m_hWnd, nIDC);
    return m_hwndLast;
}

static bool IsEdit(HWND hwnd)
{
    char cls[16] = "";
    ::GetClassNameA(hwnd, cls, sizeof cls);
    return lstrcmpiA(cls, "Edit") == 0;
}

void CDataExchange::Fail(const std::string& text)
{
    m_bFailed = true;
    FrameworkMessageBox(m_dlg.m_hWnd, text);
    if (m_hwndLast) {
        ::SetFocus(m_hwndLast);
        if (IsEdit(m_hwndLast))
            ::SendMessageW(m_hwndLast, EM_SETSEL, 0, -1);
    }
}

void SetTextIfDifferent(HWND hwnd, const std::string& text)
{
    if (WindowTextOf(hwnd) != text)
        SetWindowTextOf(hwnd, text);
}

void SetTextIfDifferent(HWND hwnd, const std::wstring& text)
{
    if (WideWindowTextOf(hwnd) != text)
        ::SetWindowTextW(hwnd, text.c_str());
}

static std::string ReadText(HWND hwnd) { return WindowTextOf(hwnd); }

bool ParseInt(const std::string& text, int& value)
{
    const char* p = text.c_str();
    while (*p == ' ' || *p == '\t')
        ++p;
    const char* digits = (*p == '+' || *p == '-') ? p + 1 : p;
    if (*digits < '0' || *digits > '9')
        return false;
    char* end = nullptr;
    errno = 0;
    long long parsed = std::strtoll(p, &end, 10);
    if (errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX)
        return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end != '\0')
        return false;
    value = (int)parsed;
    return true;
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value)
{
    if (pDX->Failed())
        return;
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (pDX->SaveAndValidate())
        value = ReadText(hwnd);
    else
        SetTextIfDifferent(hwnd, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::wstring& value)
{
    if (pDX->Failed())
        return;
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (pDX->SaveAndValidate())
        value = WideWindowTextOf(hwnd);
    else
        SetTextIfDifferent(hwnd, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    if (pDX->Failed())
        return;
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (!pDX->SaveAndValidate()) {
        SetTextIfDifferent(hwnd, std::to_string(value));
        return;
    }
    int parsed = 0;
    if (!ParseInt(ReadText(hwnd), parsed)) {
        pDX->Fail(MSG_ENTER_INTEGER);
        return;
    }
    value = parsed;
}

static bool IsRadioButton(HWND hwnd)
{
    return (::SendMessageW(hwnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    if (pDX->Failed())
        return;
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (pDX->SaveAndValidate())
        value = -1;
    int index = 0;
    while (hwnd) {
        if (IsRadioButton(hwnd)) {
            if (pDX->SaveAndValidate()) {
                if (value == -1 && ::SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = index;
            } else {
                ::SendMessageW(hwnd, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++index;
        }
        hwnd = ::GetWindow(hwnd, GW_HWNDNEXT);
        if (hwnd && (::GetWindowLongW(hwnd, GWL_STYLE) & WS_GROUP))
            break;
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    if (pDX->Failed())
        return;
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (pDX->SaveAndValidate())
        value = (int)::SendMessageW(hwnd, BM_GETCHECK, 0, 0);
    else
        ::SendMessageW(hwnd, BM_SETCHECK, (WPARAM)value, 0);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& control)
{
    if (pDX->Failed())
        return;
    HWND hwnd = pDX->PrepareCtrl(nIDC);
    if (!control.m_hWnd)
        control.Attach(hwnd);
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int nChars)
{
    if (pDX->Failed())
        return;
    if (pDX->SaveAndValidate()) {
        if ((int)value.size() > nChars)
            pDX->Fail(FormatFrameworkMessage(MSG_MAX_CHARS, nChars));
    } else if (HWND hwnd = pDX->LastControl(); hwnd && IsEdit(hwnd)) {
        ::SendMessageW(hwnd, EM_LIMITTEXT, (WPARAM)nChars, 0);
    }
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (pDX->Failed() || !pDX->SaveAndValidate())
        return;
    if (value < minVal || value > maxVal)
        pDX->Fail(FormatFrameworkMessage(MSG_ENTER_INTEGER_RANGE, minVal, maxVal));
}
