#include "mainwnd/CModernStandbyDetectionToolDlg.h"

#include "dialogs/CExecutePromptDlg.h"
#include "dialogs/CPromptDlg.h"
#include "log/ToolLog.h"
#include "mainwnd/MainWindowLayout.h"
#include "mainwnd/MainWindowRules.h"
#include "res/resource.h"

namespace {

const wchar_t* const kConsentText = L"同意《泰瑟服务工具使用许可协议》";
const wchar_t* const kFeedbackLinkText = L"反馈问题";

const COLORREF kWhite = 0x00FFFFFF;
const COLORREF kLinkColor = 0x00FF5C5C;
const COLORREF kLinkHoverColor = 0x00FF0000;

// A start-up failure or a newer version ends the tool at once: the host is not closed, so
// neither the feedback dialog nor the folder removal happens.
[[noreturn]] void EndToolProcess() {
    ::ExitProcess(0);
}

} // namespace

CModernStandbyDetectionToolDlg::CModernStandbyDetectionToolDlg()
    : CControlLayerDlg(IDD_MAIN_CHILD, kMainWindowPair, IDB_PNG_MAIN_BK) {
    // The host's first placement comes from this layer's first move.
    m_bDragArea = TRUE;
}

CModernStandbyDetectionToolDlg::~CModernStandbyDetectionToolDlg() {
    delete m_pExecutePromptDlg;
}

void CModernStandbyDetectionToolDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_STATIC_VERSION, m_stcVersion);
    DDX_Control(pDX, IDC_BTN_CLOSE, m_btnClose);
    DDX_Control(pDX, IDC_BTN_MINIMIZE, m_btnMinimize);
    DDX_Control(pDX, IDC_BTN_DETECT, m_btnDetect);
    DDX_Control(pDX, IDC_BTN_MORE_TOOLS, m_btnMoreTools);
    DDX_Control(pDX, IDC_CHK_AGREE, m_chkAgree);
    DDX_Control(pDX, IDC_STATIC_AGREEMENT, m_stcAgreement);
    DDX_Control(pDX, IDC_STATIC_FEEDBACK, m_stcFeedback);
}

BOOL CModernStandbyDetectionToolDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Without its picture the window has nothing to lay out on and runs no checks; its bare
    // controls would start detections whose verdict reaches no window. End as a failed check.
    if (!m_pBkImage && !LoadPngResource(&m_pBkImage, IDB_PNG_MAIN_BK))
        EndToolProcess();
    if (!RunStartupChecks())
        EndToolProcess();
    LayoutControls(TRUE);
    SetTimer(kHoverTimerId, kMainTimerPeriodMs);
    SetTimer(kDeferredChecksTimerId, kMainTimerPeriodMs);
    m_bInitDone = TRUE;
    return TRUE;
}

BOOL CModernStandbyDetectionToolDlg::RunStartupChecks() {
    const int failed = FirstFailingStep({
        [&] { return m_detector.SetNotifyWindow(m_hWnd); },
        [&] { return m_detector.CheckSystemVersion(); },
        [&] { return m_feedbackDll.LoadFeedbackDll(); },
        [&] { return m_feedbackDll.CallInitFreedbackDll(m_strFeedbackInfo); },
    });
    if (failed < 0)
        return TRUE;
    const StartupCheckTexts& texts = StartupCheckTextsOf(failed);
    WriteToolLog(texts.logText);
    ShowPrompt(texts.promptText, nullptr);
    return FALSE;
}

void CModernStandbyDetectionToolDlg::LayoutControls(BOOL bFirstPass) {
    GetClientRect(&m_rcClient);
    const float s = m_fScale;
    CClientDC dc(this);
    CWnd* pHost = GetParent();
    const int consentWidth = MeasureTextWidth(pHost, &dc, kConsentText, 0, 0);
    const int feedbackWidth = MeasureTextWidth(pHost, &dc, kFeedbackLinkText, 0, 0);
    const MainWindowLayout layout =
        ComputeMainWindowLayout(m_rcClient, s, consentWidth, feedbackWidth);

    if (bFirstPass) {
        m_btnClose.m_fScale = s;
        m_btnClose.SetPictures(IDB_PNG_MAIN_CLOSE_NORMAL, IDB_PNG_MAIN_CLOSE_HOVER,
                               IDB_PNG_MAIN_CLOSE_PRESSED, IDB_PNG_MAIN_CLOSE_DISABLED);
        m_btnMinimize.m_fScale = s;
        m_btnMinimize.SetPictures(IDB_PNG_MAIN_MIN_NORMAL, IDB_PNG_MAIN_MIN_HOVER,
                                  IDB_PNG_MAIN_MIN_PRESSED, IDB_PNG_MAIN_MIN_DISABLED);

        m_stcVersion.SetWindowText(kFeedbackToolVersion);
        m_stcVersion.SetBkImage(m_pBkImage);
        m_stcVersion.SetBkImageRect(layout.versionSource);
        m_stcVersion.SetTextFont(0, 0);
        m_stcVersion.SetAlignMode(1);
        m_stcVersion.SetBkColor(kWhite);
        m_stcVersion.SetTextColors(kWhite, kWhite);

        m_btnDetect.SetBkImage(m_pBkImage);
        m_btnDetect.SetBkImageRect(layout.detectSource);
        m_btnDetect.SetHitMargins(CRect(0, 0, 0, 0));
        m_btnDetect.SetPictures(IDB_PNG_DETECT_NORMAL, IDB_PNG_DETECT_HOVER, IDB_PNG_DETECT_PRESSED,
                                IDB_PNG_DETECT_DISABLED);

        m_btnMoreTools.SetBkImage(m_pBkImage);
        m_btnMoreTools.SetBkImageRect(layout.moreToolsSource);
        m_btnMoreTools.SetHitMargins(CRect(0, 0, 0, 0));
        m_btnMoreTools.SetPictures(IDB_PNG_MORE_TOOLS_NORMAL, IDB_PNG_MORE_TOOLS_HOVER,
                                   IDB_PNG_MORE_TOOLS_PRESSED, IDB_PNG_MORE_TOOLS_DISABLED);

        m_chkAgree.CreateFontFromParent();
        m_chkAgree.m_fScale = s;
        m_chkAgree.SetCheck(BST_CHECKED);

        for (CDrawTextStatic* link : {&m_stcAgreement, &m_stcFeedback}) {
            link->SetTextFont(0, 0);
            link->SetAlignMode(1);
            link->SetBkColor(kWhite);
            link->SetTextColors(kLinkColor, kLinkHoverColor);
        }
    }

    m_btnClose.MoveWindow(&layout.close, TRUE);
    m_btnMinimize.MoveWindow(&layout.minimize, TRUE);
    m_stcVersion.MoveWindow(&layout.version, TRUE);
    m_btnDetect.MoveWindow(&layout.detect, TRUE);
    // The crop under the more-tools button depends on the width, which may change.
    m_btnMoreTools.SetBkImageRect(layout.moreToolsSource);
    m_btnMoreTools.MoveWindow(&layout.moreTools, TRUE);
    m_chkAgree.MoveWindow(&layout.checkBox, TRUE);
    m_stcAgreement.MoveWindow(&layout.agreement, TRUE);
    m_stcFeedback.MoveWindow(&layout.feedback, TRUE);
}

void CModernStandbyDetectionToolDlg::ReleaseControlPictures() {
    m_btnClose.ReleasePictures();
    m_btnMinimize.ReleasePictures();
    m_btnDetect.ReleasePictures();
    m_btnMoreTools.ReleasePictures();
}

LRESULT CModernStandbyDetectionToolDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLOSE_EXECUTE_PROMPT:
        return OnCloseExecutePrompt(wParam, lParam);
    case WM_DETECT_RESULT:
        return OnDetectResult(wParam, lParam);
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), CPoint(lParam));
        return 0;
    case WM_NCHITTEST:
        return OnNcHitTest(CPoint(lParam));
    }
    return CControlLayerDlg::WindowProc(msg, wParam, lParam);
}

BOOL CModernStandbyDetectionToolDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != BN_CLICKED)
        return CControlLayerDlg::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_BTN_CLOSE:
        // The host shows the feedback dialog and closes.
        if (CWnd* pHost = GetParent())
            pHost->SendMessage(WM_CLOSE);
        return TRUE;
    case IDC_BTN_MINIMIZE:
        if (CWnd* pHost = GetParent())
            pHost->PostMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return TRUE;
    case IDC_CHK_AGREE:
        OnClickedAgree();
        return TRUE;
    case IDC_BTN_DETECT:
        OnClickedDetect();
        return TRUE;
    case IDC_BTN_MORE_TOOLS:
        OnClickedMoreTools();
        return TRUE;
    }
    return CControlLayerDlg::OnCommand(wParam, lParam);
}

void CModernStandbyDetectionToolDlg::OnClickedAgree() {
    m_btnDetect.EnableButton(m_chkAgree.GetCheck() == BST_CHECKED ? TRUE : FALSE);
}

void CModernStandbyDetectionToolDlg::OnClickedMoreTools() {
    m_feedbackDll.CallOpenUrl(m_strFeedbackInfo[kFeedbackInfoMoreTools]);
}

void CModernStandbyDetectionToolDlg::OnClickedDetect() {
    if (!m_btnDetect.IsCursorInside())
        return;
    if (!m_detector.StartDetectThread()) {
        ShowPrompt(kDetectThreadFailedPromptText, nullptr);
        return;
    }
    // The worker's messages are handled only once this thread pumps, which first happens in
    // the busy prompt's modal loop: the prompt always exists when the close request arrives.
    delete m_pExecutePromptDlg;
    m_pExecutePromptDlg = new CExecutePromptDlg();
    m_pExecutePromptDlg->SetMessage(kBusyPromptText);
    m_pExecutePromptDlg->m_fScale = m_fScale;
    m_pExecutePromptDlg->DoModal();
}

// Called from the worker thread's send when the probe is over.
LRESULT CModernStandbyDetectionToolDlg::OnCloseExecutePrompt(WPARAM, LPARAM) {
    if (!m_pExecutePromptDlg || !m_pExecutePromptDlg->m_hWnd)
        return 1;
    m_pExecutePromptDlg->SendMessage(WM_CLOSE_EXECUTE_PROMPT, 0, 0);
    return 1;
}

// Called from the worker thread's send with the verdict; the worker waits until the user has
// closed the prompt.
LRESULT CModernStandbyDetectionToolDlg::OnDetectResult(WPARAM wParam, LPARAM) {
    if (const wchar_t* text = VerdictPromptText(wParam))
        ShowPrompt(text, nullptr);
    return 1;
}

void CModernStandbyDetectionToolDlg::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kHoverTimerId) {
        // Clears the agreement link's highlight once the cursor has left the window.
        POINT cursor;
        if (::GetCursorPos(&cursor))
            m_stcAgreement.UpdateHover(cursor.x, cursor.y);
    } else if (nIDEvent == kDeferredChecksTimerId) {
        KillTimer(kDeferredChecksTimerId);
        RunDeferredChecks();
    }
    CControlLayerDlg::OnTimer(nIDEvent);
}

void CModernStandbyDetectionToolDlg::RunDeferredChecks() {
    switch (DeferredCheckOutcome(m_feedbackDll.CallGetToolIsNewVersion(), ::GetACP())) {
    case DeferredCheck::NewVersion:
        ShowPrompt(kNewVersionPromptText, this);
        m_feedbackDll.CallOpenToolDownUrl();
        EndToolProcess();
    case DeferredCheck::WrongCodePage:
        ShowPrompt(kWrongCodePagePromptText, this);
        break;
    case DeferredCheck::None:
        break;
    }
}

// The two links have no notify style: a click on them reaches this window.
void CModernStandbyDetectionToolDlg::OnLButtonDown(UINT nFlags, CPoint point) {
    CPoint screen = point;
    ClientToScreen(&screen);
    if (m_stcFeedback.HitTest(screen.x, screen.y))
        m_feedbackDll.CallFeedbackQuestion();
    if (m_stcAgreement.HitTest(screen.x, screen.y))
        m_feedbackDll.CallOpenUseAgreementUrl();
    CControlLayerDlg::OnLButtonDown(nFlags, point);
}

LRESULT CModernStandbyDetectionToolDlg::OnNcHitTest(CPoint point) {
    m_stcFeedback.UpdateHover(point.x, point.y);
    m_stcAgreement.UpdateHover(point.x, point.y);
    return CControlLayerDlg::OnNcHitTest(point);
}

void CModernStandbyDetectionToolDlg::OnDestroy() {
    CControlLayerDlg::OnDestroy();
    KillTimer(kHoverTimerId);
    delete m_pExecutePromptDlg;
    m_pExecutePromptDlg = nullptr;
    m_feedbackDll.Free();
}

void CModernStandbyDetectionToolDlg::ShowPrompt(const wchar_t* text, CWnd* pParent) {
    CPromptDlg prompt(pParent);
    prompt.m_fScale = m_fScale;
    prompt.SetMessage(text);
    prompt.SetType(kMainPromptType);
    prompt.DoModal();
}
