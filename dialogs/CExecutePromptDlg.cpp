#include "dialogs/CExecutePromptDlg.h"

#include "detect/DetectMessages.h"
#include "res/resource.h"

CExecutePromptDlg::CExecutePromptDlg(CWnd* pParent)
    : CLayeredShellDlg(IDD_EXECUTE_PROMPT, kBusyPromptPair, IDB_PNG_BUSY_SHELL, pParent) {}

CControlLayerDlg* CExecutePromptDlg::NewControlLayer() {
    auto* pLayer = new CExecutePromptChildDlg;
    pLayer->SetMessage(m_strMessage);
    return pLayer;
}

LRESULT CExecutePromptDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLOSE_EXECUTE_PROMPT:
        return OnCloseExecutePrompt(wParam, lParam);
    }
    return CLayeredShellDlg::WindowProc(msg, wParam, lParam);
}

LRESULT CExecutePromptDlg::OnCloseExecutePrompt(WPARAM, LPARAM) {
    if (CExecutePromptChildDlg* pLayer = ChildDlg())
        pLayer->StopAnimation();
    OnOK();
    return 0;
}
