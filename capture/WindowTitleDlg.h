// CWindowTitleDlg: "Aplication Title" (template 132). The user types the
// title of the window to translate from, or drags the wand onto a window to
// take its title. Only button 1000 ends it with IDOK, and only when a
// top-level window with exactly that title exists; Enter does nothing.
#pragma once
#include "framework/Dialog.h"

#include <string>

class CWindowTitleDlg : public CDialog {
public:
    explicit CWindowTitleDlg(CWnd* pParent = nullptr);

    std::string m_strTitle;           // edit 1001; the caller fills it in first
    HWND m_hwndFound = nullptr;       // the window found by its title
    DWORD m_dwFoundThreadId = 0;      // the thread that owns it
    HCURSOR m_hWandCursor = nullptr;  // cursor 147, while the wand is dragged

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    const MessageMap* GetMessageMap() const override;

private:
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonUp(WPARAM wParam, LPARAM lParam);
    void OnTitleOk();
};
