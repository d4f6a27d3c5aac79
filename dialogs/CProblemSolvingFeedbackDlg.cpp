#include "dialogs/CProblemSolvingFeedbackDlg.h"

#include "res/resource.h"

CProblemSolvingFeedbackDlg::CProblemSolvingFeedbackDlg(CWnd* pParent)
    : CLayeredShellDlg(IDD_FEEDBACK, kFeedbackPair, IDB_PNG_FEEDBACK_SHELL, pParent) {}

BOOL CProblemSolvingFeedbackDlg::OnInitDialog() {
    SetWindowText(L"Modern Standby检测工具");
    m_fScale = ScreenScale();
    return CLayeredShellDlg::OnInitDialog();
}

CControlLayerDlg* CProblemSolvingFeedbackDlg::NewControlLayer() {
    auto* pLayer = new CProblemSolvingFeedbackChildDlg;
    pLayer->SetFeedbackDll(m_pFeedbackDll);
    pLayer->SetFeedbackInfo(m_pFeedbackInfo);
    return pLayer;
}
