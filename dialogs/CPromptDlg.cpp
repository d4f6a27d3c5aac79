#include "dialogs/CPromptDlg.h"

#include "dialogs/DialogMessages.h"
#include "res/resource.h"

CPromptDlg::CPromptDlg(CWnd* pParent)
    : CLayeredShellDlg(IDD_PROMPT, kMessagePromptPair, IDB_PNG_PROMPT_SHELL, pParent) {}

CControlLayerDlg* CPromptDlg::NewControlLayer() {
    auto* pLayer = new CPromptChildDlg;
    pLayer->SetMessage(m_strMessage);
    pLayer->SetType(m_nType);
    return pLayer;
}

LRESULT CPromptDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PROMPT_RESULT:
        return OnPromptResult(wParam, lParam);
    }
    return CLayeredShellDlg::WindowProc(msg, wParam, lParam);
}

LRESULT CPromptDlg::OnPromptResult(WPARAM wParam, LPARAM) {
    if (wParam == kPromptResultConfirm)
        OnOK();
    else
        OnCancel();
    return 0;
}
