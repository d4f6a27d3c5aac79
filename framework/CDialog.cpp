#include "framework/CDialog.h"

#include "framework/CWinApp.h"

namespace {
// The dialog whose window is being created on this thread; its first message attaches it.
thread_local CDialog* t_pCreating = nullptr;
} // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (!pDX || !pDX->m_pDlgWnd || rControl.m_hWnd)
        return;
    rControl.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

HWND CDialog::FindModalOwner(HWND hParent, HWND* phTop) {
    HWND hWnd = hParent;
    if (!hWnd) {
        CWnd* pMain = AfxGetMainWnd();
        hWnd = pMain ? pMain->m_hWnd : nullptr;
    }
    // A popup cannot be owned by a child window.
    while (hWnd && (::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    HWND hTop = hWnd;
    for (HWND h = hWnd; h; h = ::GetParent(h))
        hTop = h;
    if (!hParent && hWnd)
        hWnd = ::GetLastActivePopup(hWnd);
    if (phTop)
        *phTop = hTop;
    return hWnd;
}

INT_PTR CDialog::DoModal() {
    if (m_hWnd)
        return -1;
    HWND hTop = nullptr;
    HWND hOwner = FindModalOwner(m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr, &hTop);
    // Only what this run disabled is enabled again afterwards.
    const bool ownerDisabled = hOwner && ::IsWindowEnabled(hOwner);
    if (ownerDisabled)
        ::EnableWindow(hOwner, FALSE);
    const bool topDisabled = hTop && hTop != hOwner && ::IsWindowEnabled(hTop);
    if (topDisabled)
        ::EnableWindow(hTop, FALSE);

    m_bModal = true;
    m_bEnded = false;
    m_nModalResult = -1;
    HWND hWnd = CreateFromTemplate(m_nIDTemplate, hOwner);
    if (hWnd && !m_bEnded && m_hWnd)
        ShowWindow(SW_SHOWNORMAL);
    while (hWnd && !m_bEnded && m_hWnd) {
        MSG msg;
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The application is quitting: leave the quit for the outer loop too.
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_nModalResult = -1;
            break;
        }
        if (!WalkPreTranslateTree(m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }

    if (topDisabled)
        ::EnableWindow(hTop, TRUE);
    if (ownerDisabled)
        ::EnableWindow(hOwner, TRUE);
    if (m_hWnd) {
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        DestroyWindow();
    }
    m_bModal = false;
    return hWnd ? m_nModalResult : -1;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    if (m_hWnd)
        return FALSE;
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    m_bModal = false;
    return CreateFromTemplate(nIDTemplate, pParentWnd ? pParentWnd->m_hWnd : nullptr) != nullptr;
}

HWND CDialog::CreateFromTemplate(UINT nIDTemplate, HWND hOwner) {
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC res = ::FindResourceW(hInst, MAKEINTRESOURCEW(nIDTemplate), MAKEINTRESOURCEW(5));
    HGLOBAL loaded = res ? ::LoadResource(hInst, res) : nullptr;
    auto* dialogTemplate = static_cast<LPCDLGTEMPLATEW>(loaded ? ::LockResource(loaded) : nullptr);
    if (!dialogTemplate)
        return nullptr;

    CDialog* pOuter = t_pCreating;
    t_pCreating = this;
    HWND hWnd = ::CreateDialogIndirectParamW(hInst, dialogTemplate, hOwner, &CDialog::StaticDlgProc,
                                             reinterpret_cast<LPARAM>(this));
    t_pCreating = pOuter;
    if (!hWnd && m_hWnd)
        UnsubclassWindow();
    return hWnd;
}

INT_PTR CALLBACK CDialog::StaticDlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Once attached, the dialog's messages come through StaticWndProc; the template's own
    // procedure then only supplies the default dialog behaviour.
    if (FromHandlePermanent(hWnd) || !t_pCreating)
        return FALSE;
    CDialog* pDlg = t_pCreating;
    t_pCreating = nullptr;
    if (!pDlg->SubclassWindow(hWnd))
        return FALSE;
    pDlg->m_bCreatedHere = true;
    // The message in flight went to the old procedure; WM_INITDIALOG must still reach us.
    if (msg == WM_INITDIALOG)
        return CWnd::StaticWndProc(hWnd, msg, wParam, lParam);
    return FALSE;
}

BOOL CDialog::HandleInitDialog() {
    CRect before;
    GetWindowRect(&before);
    BOOL result = OnInitDialog();
    if (m_bModal && !m_bEnded && m_hWnd) {
        CRect after;
        GetWindowRect(&after);
        // A dialog that placed itself keeps its place; a resize alone is not a placement.
        if (after.TopLeft() == before.TopLeft())
            CenterWindow();
    }
    return result;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    if (!m_hWnd)
        return FALSE;
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    if (!m_bModal)
        return;
    m_bEnded = true;
    if (m_hWnd) {
        // An ended dialog disappears at once, as the system's own dialogs do, even while a
        // message sent from another thread keeps its loop from returning for a while.
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        // Wakes the loop when the end came from a message sent by another thread.
        PostMessage(WM_NULL);
    }
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hWnd)
        return ::IsDialogMessageW(m_hWnd, pMsg);
    return FALSE;
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    }
    return FALSE;
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        return HandleInitDialog();
    case WM_COMMAND:
        if (OnCommand(wParam, lParam))
            return 0;
        break;
    case WM_CLOSE:
        OnCancel();
        return 0;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}

void CDialog::PostNcDestroy() {
    // A modal dialog destroyed from outside ends its loop.
    if (m_bModal)
        m_bEnded = true;
}
