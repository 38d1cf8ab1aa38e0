// CDialog: a window built from a dialog template in the program's resources.
// DoModal runs it in the system's modal loop; Create makes it modeless, so
// tests can drive a dialog through messages without a loop of their own.
// Its messages travel as every window's do (framework/Wnd.h).
#pragma once
#include "framework/Dpi.h"
#include "framework/Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
public:
    // nIDTemplate: the dialog template's resource number. pParent: the owner;
    // null makes the application's main window the owner of a modal run.
    explicit CDialog(UINT nIDTemplate, CWnd* pParent = nullptr);

    // Runs the dialog modally; the value given to EndDialog, or -1 when the
    // template could not be made into a window.
    INT_PTR DoModal();
    // Creates the dialog modeless (shown when the template says WS_VISIBLE).
    bool Create(HWND owner = nullptr);
    // Ends a modal run with nResult; a modeless dialog is hidden and keeps
    // the result for Result().
    void EndDialog(int nResult);
    int Result() const { return m_nResult; }
    bool IsEnded() const { return m_bEnded; }
    // The DPI the layout is fitted to now.
    UINT LayoutDpi() const { return m_layoutDpi; }

    // True copies the controls into the members (validating), false the
    // members into the controls. False when a validation failed; the user has
    // then been told, and the failing control has the focus. While it runs,
    // notifications of the dialog's own controls are not dispatched: a
    // single-line edit raises EN_CHANGE inside WM_SETTEXT, so loading would
    // otherwise run the change handlers. Outside it, setting an edit's text
    // runs them at once, before SetWindowText returns.
    bool UpdateData(bool bSaveAndValidate = true);

    UINT m_nIDTemplate;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // The members go into the controls. True lets the system set the focus.
    virtual BOOL OnInitDialog();
    // Enter and the IDOK button: the members are saved, then the dialog ends
    // with IDOK. Escape, the close box and IDCANCEL: it ends with IDCANCEL.
    virtual void OnOK();
    virtual void OnCancel();
    // After the dialog moved to a monitor of another DPI and was fitted to
    // it: what else the dialog scales follows.
    virtual void OnDpiChanged(UINT /*dpi*/) {}
    // Set by an initialisation that placed the window itself, even where it
    // already stood: then it is not centred afterwards.
    bool m_bPlacedByInit = false;

    const MessageMap* GetMessageMap() const override;

private:
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    LRESULT HandleDpiChanged(WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void CenterWindow();

    CWnd* m_pParent;
    int m_nResult = 0;
    bool m_bEnded = false;
    DialogLayout m_layout96;   // every fit to a DPI starts from it
    UINT m_layoutDpi = BASE_DPI;
};
