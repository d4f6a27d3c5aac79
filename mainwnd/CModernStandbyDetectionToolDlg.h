// CModernStandbyDetectionToolDlg: the main control layer. It carries every control of the
// tool's one screen, runs the start-up checks that decide whether the tool may run at all, the
// deferred new-version and language checks, the commands of its buttons and links, and the run
// of one detection from the click to the verdict.
#pragma once

#include "controls/CCheckBoxBtn.h"
#include "controls/CDrawTextStatic.h"
#include "controls/CImageButton.h"
#include "controls/CPngButton.h"
#include "detect/ModernStandbyDetector.h"
#include "dialogs/CControlLayerDlg.h"
#include "feedback/FeedbackDll.h"

class CExecutePromptDlg;

class CModernStandbyDetectionToolDlg : public CControlLayerDlg {
  public:
    CModernStandbyDetectionToolDlg();
    ~CModernStandbyDetectionToolDlg() override;

    CRect m_rcClient; // refreshed by every layout pass
    // m_bInitDone, m_bDragArea (TRUE from construction) and m_pBkImage: see CControlLayerDlg.
    CDrawTextStatic m_stcVersion;
    CPngButton m_btnClose;
    CPngButton m_btnMinimize;
    CImageButton m_btnDetect;
    CImageButton m_btnMoreTools;
    CCheckBoxBtn m_chkAgree;
    CDrawTextStatic m_stcAgreement;
    CDrawTextStatic m_stcFeedback;
    CModernStandbyDetector m_detector;
    CExecutePromptDlg* m_pExecutePromptDlg = nullptr; // owned: the last detection's busy prompt
    CFeedbackDll m_feedbackDll;                       // lent to the feedback dialog at close
    CString m_strFeedbackInfo[kFeedbackInfoCount];    // filled by the library; lent likewise
    // m_fScale: set by the host before the window is created.

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The start-up checks; the first that fails ends the process after its prompt.
    BOOL OnInitDialog() override;
    void LayoutControls(BOOL bFirstPass) override;
    void ReleaseControlPictures() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    void OnDestroy();
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonDown(UINT nFlags, CPoint point);
    LRESULT OnNcHitTest(CPoint point);
    LRESULT OnCloseExecutePrompt(WPARAM wParam, LPARAM lParam);
    LRESULT OnDetectResult(WPARAM wParam, LPARAM lParam);

    void OnClickedDetect();
    void OnClickedAgree();
    void OnClickedMoreTools();
    // First tick of timer 38: a newer version ends the tool, otherwise the language is checked.
    void RunDeferredChecks();
    // Runs the four start-up checks; FALSE after the first failure was logged and shown.
    BOOL RunStartupChecks();

    // A modal prompt with one confirm button. A null parent lets the framework pick the owner.
    void ShowPrompt(const wchar_t* text, CWnd* pParent);
};
