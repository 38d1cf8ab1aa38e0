// CCaptureModeDlg: "Choose [ Mouse Or Keyboard ]" (template 133), the
// gesture that captures a word. A small tooltip names the gesture of the
// radio button under the mouse.
#pragma once
#include "framework/Dialog.h"
#include "ui/TipWnd.h"

class CCaptureModeDlg : public CDialog {
public:
    explicit CCaptureModeDlg(CWnd* pParent = nullptr);

    int m_nMode = -1;    // CAPTURE_SELECT … CAPTURE_ALL; the caller sets it
    CTipWnd m_tipHelp;   // hides itself (own timer 1)

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap* GetMessageMap() const override;

private:
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    void UpdateHelpTip();
    bool IsCursorOver(int nIDC) const;
};
