#include "dialogs/CProblemSolvingFeedbackChildDlg.h"

#include "dialogs/FeedbackLayout.h"
#include "res/resource.h"

#include <ctime>

CProblemSolvingFeedbackChildDlg::CProblemSolvingFeedbackChildDlg()
    : CControlLayerDlg(IDD_FEEDBACK_CHILD, kFeedbackPair, IDB_PNG_FEEDBACK_BK) {}

void CProblemSolvingFeedbackChildDlg::DoDataExchange(CDataExchange* pDX) {
    CControlLayerDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BTN_FEEDBACK_CLOSE, m_btnClose);
    DDX_Control(pDX, IDC_BTN_SOLVED, m_btnSolved);
    DDX_Control(pDX, IDC_BTN_UNSOLVED, m_btnUnsolved);
    DDX_Control(pDX, IDC_BTN_MORE_SOLUTIONS, m_btnMoreSolutions);
}

void CProblemSolvingFeedbackChildDlg::LayoutControls(BOOL bFirstPass) {
    GetClientRect(&m_rcClient);
    const FeedbackLayout layout = ComputeFeedbackLayout(m_rcClient, m_fScale);

    // The close button's pictures are opaque: it needs no background.
    m_btnClose.m_fScale = m_fScale;
    if (bFirstPass)
        m_btnClose.SetPictures(IDB_PNG_FEEDBACK_CLOSE_NORMAL, IDB_PNG_FEEDBACK_CLOSE_HOVER,
                               IDB_PNG_FEEDBACK_CLOSE_PRESSED, IDB_PNG_FEEDBACK_CLOSE_DISABLED);
    m_btnClose.MoveWindow(&layout.close, TRUE);

    if (bFirstPass) {
        struct Setup {
            CImageButton& button;
            const CRect& crop;
            UINT normal, hover, pressed, disabled;
        } setups[] = {
            {m_btnSolved, layout.solvedCrop, IDB_PNG_SOLVED_NORMAL, IDB_PNG_SOLVED_HOVER,
             IDB_PNG_SOLVED_PRESSED, IDB_PNG_SOLVED_DISABLED},
            {m_btnUnsolved, layout.unsolvedCrop, IDB_PNG_UNSOLVED_NORMAL, IDB_PNG_UNSOLVED_HOVER,
             IDB_PNG_UNSOLVED_PRESSED, IDB_PNG_UNSOLVED_DISABLED},
            {m_btnMoreSolutions, layout.moreSolutionsCrop, IDB_PNG_MORE_SOLUTIONS_NORMAL,
             IDB_PNG_MORE_SOLUTIONS_HOVER, IDB_PNG_MORE_SOLUTIONS_PRESSED,
             IDB_PNG_MORE_SOLUTIONS_DISABLED},
        };
        for (Setup& setup : setups) {
            setup.button.SetBkImage(m_pBkImage);
            setup.button.SetBkImageRect(setup.crop);
            setup.button.SetHitMargins(layout.hitMargins);
            setup.button.SetPictures(setup.normal, setup.hover, setup.pressed, setup.disabled);
        }
    }
    m_btnSolved.MoveWindow(&layout.solved, TRUE);
    m_btnUnsolved.MoveWindow(&layout.unsolved, TRUE);
    m_btnMoreSolutions.MoveWindow(&layout.moreSolutions, TRUE);
}

void CProblemSolvingFeedbackChildDlg::ReleaseControlPictures() {
    m_btnClose.ReleasePictures();
    m_btnSolved.ReleasePictures();
    m_btnUnsolved.ReleasePictures();
    m_btnMoreSolutions.ReleasePictures();
}

BOOL CProblemSolvingFeedbackChildDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != BN_CLICKED)
        return CControlLayerDlg::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_BTN_FEEDBACK_CLOSE:
        Answer(kFeedbackAnswerClosed);
        return TRUE;
    // The answer buttons' pictures fade out at their rims: a click there is no answer.
    case IDC_BTN_SOLVED:
        if (m_btnSolved.IsCursorInside())
            Answer(kFeedbackAnswerSolved);
        return TRUE;
    case IDC_BTN_UNSOLVED:
        if (m_btnUnsolved.IsCursorInside())
            Answer(kFeedbackAnswerNotSolved);
        return TRUE;
    case IDC_BTN_MORE_SOLUTIONS:
        OnMoreSolutions();
        return TRUE;
    }
    return CControlLayerDlg::OnCommand(wParam, lParam);
}

void CProblemSolvingFeedbackChildDlg::Answer(int nAnswer) {
    if (m_pFeedbackDll) {
        m_pFeedbackDll->CallCustomerFeedbackEx(nAnswer, _time64(nullptr));
        m_pFeedbackDll->CallFeedbackQuestion();
    }
    ::SendMessageW(::GetParent(m_hWnd), WM_CLOSE, 0, 0);
}

// Opens the more-solutions page; the library frees the string it is handed.
void CProblemSolvingFeedbackChildDlg::OnMoreSolutions() {
    if (m_pFeedbackDll && m_pFeedbackInfo)
        m_pFeedbackDll->CallOpenUrl(m_pFeedbackInfo[kFeedbackInfoMoreSolutions]);
}
