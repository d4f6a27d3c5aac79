// CProblemSolvingFeedbackChildDlg: the feedback dialog's control layer. Three answer buttons and
// a close button; an answer (or the close button) is reported to the feedback library and ends
// the dialog, more solutions opens a page and leaves it open.
#pragma once

#include "controls/CImageButton.h"
#include "controls/CPngButton.h"
#include "dialogs/CControlLayerDlg.h"
#include "feedback/FeedbackDll.h"

class CProblemSolvingFeedbackChildDlg : public CControlLayerDlg {
  public:
    CProblemSolvingFeedbackChildDlg();

    // Set by the shell before the layer's window exists.
    void SetFeedbackDll(const CFeedbackDll* pFeedbackDll) { m_pFeedbackDll = pFeedbackDll; }
    void SetFeedbackInfo(const CString* pFeedbackInfo) { m_pFeedbackInfo = pFeedbackInfo; }

    CRect m_rcClient;
    CPngButton m_btnClose;
    CImageButton m_btnSolved;
    CImageButton m_btnUnsolved;
    CImageButton m_btnMoreSolutions;
    const CFeedbackDll* m_pFeedbackDll = nullptr; // borrowed from the main window
    const CString* m_pFeedbackInfo = nullptr;     // borrowed: the library's six strings

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void LayoutControls(BOOL bFirstPass) override;
    void ReleaseControlPictures() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Reports the answer when the library is there, then ends the dialog.
    void Answer(int nAnswer);
    void OnMoreSolutions();
};
