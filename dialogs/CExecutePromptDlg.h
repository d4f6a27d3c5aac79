// CExecutePromptDlg: the busy prompt shown while a detection runs. It has no way of its own to
// close: it ends (IDOK) when WM_CLOSE_EXECUTE_PROMPT reaches it.
#pragma once

#include "dialogs/CExecutePromptChildDlg.h"
#include "dialogs/CLayeredShellDlg.h"

class CExecutePromptDlg : public CLayeredShellDlg {
  public:
    // pParent is borrowed; null means the application's main window (see CDialog::DoModal).
    explicit CExecutePromptDlg(CWnd* pParent = nullptr);

    // Called before DoModal.
    void SetMessage(CString strMessage) { m_strMessage = strMessage; }

    // The control layer while the prompt runs, else null.
    CExecutePromptChildDlg* ChildDlg() const {
        return static_cast<CExecutePromptChildDlg*>(m_pChildDlg);
    }

    CString m_strMessage;

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    CControlLayerDlg* NewControlLayer() override;
    // The detection is over: also before the layer exists, the prompt ends.
    LRESULT OnCloseExecutePrompt(WPARAM wParam, LPARAM lParam);
};
