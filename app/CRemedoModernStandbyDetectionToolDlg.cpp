#include "app/CRemedoModernStandbyDetectionToolDlg.h"

#include "app/FolderRemoval.h"
#include "app/HostPlacement.h"
#include "dialogs/CProblemSolvingFeedbackDlg.h"
#include "mainwnd/CModernStandbyDetectionToolDlg.h"
#include "res/resource.h"

#include <vector>

namespace {

const wchar_t* const kToolTitle = L"Modern Standby检测工具";
// Seconds the hidden interpreter waits before removing the files: the tool has ended by then.
const UINT kRemovalDelaySeconds = 3;

// The executable's full path; empty when it cannot be read whole.
std::wstring ExecutablePath() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return std::wstring();
        if (n < path.size())
            return std::wstring(path.data(), n);
        if (path.size() >= 32768)
            return std::wstring();
        path.resize(path.size() * 2);
    }
}

class CAboutDlg : public CDialog {
  public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};

} // namespace

CRemedoModernStandbyDetectionToolDlg::CRemedoModernStandbyDetectionToolDlg(CWnd* pParent)
    : CLayeredShellDlg(IDD_MODERNSTANDBYDETECTIONTOOL_DIALOG, kMainWindowPair, IDB_PNG_MAIN_SHELL,
                       pParent) {
    m_hIcon = ::LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    m_bMoveChild = FALSE;
}

BOOL CRemedoModernStandbyDetectionToolDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    AddAboutItemToSystemMenu();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    SetWindowText(kToolTitle);

    m_fScale = ScreenScale();
    const CRect target = MainHostTargetRect(::GetSystemMetrics(SM_CXSCREEN),
                                            ::GetSystemMetrics(SM_CYSCREEN), m_fScale);
    // Without its picture the host would be an invisible window that nobody can close.
    if (!PaintShell(target.Size())) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    // The layer's first move brings this window around it onto the target rectangle.
    CreateControlLayer(target);
    m_bToolStarted = m_pMainDlg && m_pMainDlg->m_hWnd;
    return TRUE;
}

void CRemedoModernStandbyDetectionToolDlg::AddAboutItemToSystemMenu() {
    HMENU menu = ::GetSystemMenu(m_hWnd, FALSE);
    if (!menu)
        return;
    const wchar_t* text = nullptr;
    const int length =
        ::LoadStringW(AfxGetResourceHandle(), IDS_ABOUTBOX, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return;
    const std::wstring item(text, static_cast<size_t>(length));
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, item.c_str());
}

CControlLayerDlg* CRemedoModernStandbyDetectionToolDlg::NewControlLayer() {
    m_pMainDlg = new CModernStandbyDetectionToolDlg();
    return m_pMainDlg;
}

LRESULT CRemedoModernStandbyDetectionToolDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SYSCOMMAND:
        OnSysCommand(static_cast<UINT>(wParam), lParam);
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(m_hIcon);
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    }
    return CLayeredShellDlg::WindowProc(msg, wParam, lParam);
}

void CRemedoModernStandbyDetectionToolDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
        return;
    }
    DefWindowProc(WM_SYSCOMMAND, nID, lParam);
}

// Only a minimised dialog paints: its icon, centred.
void CRemedoModernStandbyDetectionToolDlg::OnPaint() {
    if (!::IsIconic(m_hWnd)) {
        Default();
        return;
    }
    CPaintDC dc(this);
    ::SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYICON);
    CRect client;
    GetClientRect(&client);
    ::DrawIcon(dc.m_hDC, (client.Width() - cxIcon + 1) / 2, (client.Height() - cyIcon + 1) / 2,
               m_hIcon);
}

// Any close of the host (the close button sends it) asks the feedback question first.
void CRemedoModernStandbyDetectionToolDlg::OnClose() {
    if (m_pMainDlg) {
        CProblemSolvingFeedbackDlg feedback;
        feedback.SetFeedbackDll(&m_pMainDlg->m_feedbackDll);
        feedback.SetFeedbackInfo(m_pMainDlg->m_strFeedbackInfo);
        feedback.DoModal();
    }
    OnCancel();
}

void CRemedoModernStandbyDetectionToolDlg::OnDestroy() {
    CLayeredShellDlg::OnDestroy(); // frees the picture and the control layer with its library
    m_pMainDlg = nullptr;
    if (m_bToolStarted)
        StartFolderRemoval(ExecutablePath(), kRemovalDelaySeconds);
}
