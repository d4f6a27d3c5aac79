#include "dialogs/CPromptChildDlg.h"

#include "dialogs/DialogMessages.h"
#include "dialogs/PromptLayout.h"
#include "res/resource.h"

namespace {

void SetButtonPictures(CPngButton& button, const ButtonPictures& pictures) {
    button.SetPictures(pictures.normal, pictures.hover, pictures.pressed, pictures.disabled);
}

} // namespace

CPromptChildDlg::CPromptChildDlg()
    : CControlLayerDlg(IDD_PROMPT_CHILD, kMessagePromptPair, IDB_PNG_PROMPT_BK) {}

void CPromptChildDlg::DoDataExchange(CDataExchange* pDX) {
    CControlLayerDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BTN_PROMPT_CLOSE, m_btnClose);
    DDX_Control(pDX, IDC_BTN_OK, m_btnOK);
    DDX_Control(pDX, IDC_BTN_CANCEL, m_btnCancel);
    DDX_Control(pDX, IDC_STATIC_MESSAGE, m_staticMessage);
}

void CPromptChildDlg::LayoutControls(BOOL bFirstPass) {
    CRect client;
    GetClientRect(&client);
    const PromptLayout layout = ComputePromptLayout(client, m_fScale, m_nType);
    const PromptButtonLook look = PromptLookForType(m_nType);

    if (bFirstPass) {
        m_btnClose.m_fScale = m_fScale;
        m_btnClose.SetBkImage(m_pBkImage);
        m_btnClose.SetBkImageRect(kPromptCloseCrop);
        m_btnClose.SetPictures(IDB_PNG_PROMPT_CLOSE_NORMAL, IDB_PNG_PROMPT_CLOSE_HOVER,
                               IDB_PNG_PROMPT_CLOSE_PRESSED, IDB_PNG_PROMPT_CLOSE_PRESSED);
        m_btnOK.SetBkImage(m_pBkImage);
        m_btnOK.SetBkImageRect(kPromptOkCrop);
        m_btnCancel.SetBkImage(m_pBkImage);
        m_btnCancel.SetBkImageRect(kPromptCancelCrop);
        SetButtonPictures(m_btnOK, look.ok);
        SetButtonPictures(m_btnCancel, look.cancel);
        m_staticMessage.SetTextFont(0, 0);
        m_staticMessage.SetAlignMode(7); // wraps long texts and centres the block vertically
    }
    m_btnClose.MoveWindow(&layout.close, TRUE);
    m_btnOK.MoveWindow(&layout.ok, TRUE);
    m_btnCancel.MoveWindow(&layout.cancel, TRUE);
    m_btnOK.ShowWindow(SW_SHOW);
    m_btnCancel.ShowWindow(look.showsCancel ? SW_SHOW : SW_HIDE);
    m_staticMessage.SetWindowText(m_strMessage);
    m_staticMessage.MoveWindow(&layout.message, TRUE);
}

void CPromptChildDlg::ReleaseControlPictures() {
    m_btnClose.ReleasePictures();
    m_btnOK.ReleasePictures();
    m_btnCancel.ReleasePictures();
}

// A button of the layer was clicked: the shell decides how the prompt ends.
BOOL CPromptChildDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != BN_CLICKED)
        return CControlLayerDlg::OnCommand(wParam, lParam);
    HWND hShell = ::GetParent(m_hWnd);
    switch (LOWORD(wParam)) {
    case IDC_BTN_PROMPT_CLOSE:
        ::SendMessageW(hShell, WM_CLOSE, 0, 0);
        return TRUE;
    case IDC_BTN_OK:
        ::SendMessageW(hShell, WM_PROMPT_RESULT, kPromptResultConfirm, 0);
        return TRUE;
    case IDC_BTN_CANCEL:
        ::SendMessageW(hShell, WM_PROMPT_RESULT, kPromptResultCancel, 0);
        return TRUE;
    }
    return CControlLayerDlg::OnCommand(wParam, lParam);
}
