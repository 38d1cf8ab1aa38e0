// Data exchange between a dialog's controls and its members. DoDataExchange
// lists DDX_/DDV_ calls in order; in the saving direction the first failed
// validation tells the user (the framework's standard box), puts the focus
// back into the failing control with its text selected, and makes every
// later call of the same exchange do nothing.
#pragma once
#include <windows.h>

#include <string>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd& dlg, bool bSaveAndValidate) : m_dlg(dlg), m_bSaveAndValidate(bSaveAndValidate) {}

    bool SaveAndValidate() const { return m_bSaveAndValidate; }
    bool Failed() const { return m_bFailed; }
    CWnd& Dialog() const { return m_dlg; }

    // The control the next validation refers to; null when the id is unknown.
    HWND PrepareCtrl(int nIDC);
    HWND LastControl() const { return m_hwndLast; }
    // Shows text, gives the last prepared control the focus (selecting an
    // edit's text) and stops the exchange.
    void Fail(const std::string& text);

private:
    CWnd& m_dlg;
    bool m_bSaveAndValidate;
    bool m_bFailed = false;
    HWND m_hwndLast = nullptr;
};

// The framework's messages; %1 and %2 stand for the numbers.
extern const char MSG_ENTER_INTEGER[];        // "Please enter an integer."
extern const char MSG_ENTER_INTEGER_RANGE[];  // "Please enter an integer between %1 and %2."
extern const char MSG_MAX_CHARS[];            // "Please enter no more than %1 characters."
// text with %1 and %2 replaced by the given numbers.
std::string FormatFrameworkMessage(const char* text, long long first, long long second = 0);

// Loading replaces an edit's text only when it differs, so an unchanged
// control raises no change notification.
void SetTextIfDifferent(HWND hwnd, const std::string& text);
void SetTextIfDifferent(HWND hwnd, const std::wstring& text);
// Parses a decimal int with optional blanks around it and an optional sign.
bool ParseInt(const std::string& text, int& value);

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
// A text that may hold letters Windows-1251 lacks.
void DDX_Text(CDataExchange* pDX, int nIDC, std::wstring& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
// value is the index of the checked button of the radio group that starts at
// nIDC and runs to the next control with WS_GROUP; -1 when none is checked.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// value is BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Binds a wrapper object to the control (once); the control stays the dialog's.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& control);

// Loading limits the last prepared edit to nChars; saving refuses a longer text.
void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int nChars);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
