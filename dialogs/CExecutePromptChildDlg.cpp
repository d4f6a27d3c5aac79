#include "dialogs/CExecutePromptChildDlg.h"

#include "dialogs/BusyPromptLayout.h"
#include "res/resource.h"

CExecutePromptChildDlg::CExecutePromptChildDlg()
    : CControlLayerDlg(IDD_EXECUTE_PROMPT_CHILD, kBusyPromptPair, IDB_PNG_BUSY_BK) {
    // The text repaints every second; composing off-screen keeps the panel from flickering.
    m_bEraseOffscreen = true;
}

void CExecutePromptChildDlg::DoDataExchange(CDataExchange* pDX) {
    CControlLayerDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STATIC_STATE, m_staticState);
}

void CExecutePromptChildDlg::LayoutControls(BOOL bFirstPass) {
    CRect client;
    GetClientRect(&client);
    m_staticState.SetWindowText(BusyPromptText(m_strMessage));
    m_staticState.SetAlignMode(5);
    m_staticState.SetTextColor(RGB(255, 255, 255));
    m_staticState.SetBkImageRect(kBusyTextCrop);
    if (bFirstPass) {
        m_staticState.SetBkImage(m_pBkImage);
        m_staticState.SetTextFont(0, 0);
        m_staticState.StartDots();
    }
    const CRect text = BusyTextRect(client, m_fScale);
    m_staticState.MoveWindow(&text, TRUE);
}

LRESULT CExecutePromptChildDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        const LRESULT result = CControlLayerDlg::WindowProc(msg, wParam, lParam);
        m_staticState.ResetDots();
        return result;
    }
    return CControlLayerDlg::WindowProc(msg, wParam, lParam);
}
