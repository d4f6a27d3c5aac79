// CPromptDlg: the message prompt, the tool's message box. Shows one text with a close button and
// one or two picture buttons; DoModal gives IDOK for the confirming button, IDCANCEL for the
// cancelling button and the close button.
#pragma once

#include "dialogs/CLayeredShellDlg.h"
#include "dialogs/CPromptChildDlg.h"

class CPromptDlg : public CLayeredShellDlg {
  public:
    // pParent is borrowed; null means the application's main window (see CDialog::DoModal).
    explicit CPromptDlg(CWnd* pParent = nullptr);

    // Both are called before DoModal.
    void SetMessage(CString strMessage) { m_strMessage = strMessage; }
    CPromptDlg* SetType(int nType) {
        m_nType = nType;
        return this;
    }

    // The control layer while the prompt runs, else null.
    CPromptChildDlg* ChildDlg() const { return static_cast<CPromptChildDlg*>(m_pChildDlg); }

    CString m_strMessage;
    int m_nType = 1;

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    CControlLayerDlg* NewControlLayer() override;
    // Sent by the layer: wParam 1 confirms, anything else cancels.
    LRESULT OnPromptResult(WPARAM wParam, LPARAM lParam);
};
