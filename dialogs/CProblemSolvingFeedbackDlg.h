// CProblemSolvingFeedbackDlg: asks, when the tool closes, whether it solved the user's problem,
// and reports the answer to the feedback library. DoModal always gives IDCANCEL.
#pragma once

#include "dialogs/CLayeredShellDlg.h"
#include "dialogs/CProblemSolvingFeedbackChildDlg.h"

class CProblemSolvingFeedbackDlg : public CLayeredShellDlg {
  public:
    // pParent is borrowed; null means the application's main window (see CDialog::DoModal).
    explicit CProblemSolvingFeedbackDlg(CWnd* pParent = nullptr);

    // Both are called before DoModal; without the library the buttons only close the dialog.
    void SetFeedbackDll(const CFeedbackDll* pFeedbackDll) { m_pFeedbackDll = pFeedbackDll; }
    void SetFeedbackInfo(const CString* pFeedbackInfo) { m_pFeedbackInfo = pFeedbackInfo; }

    // The control layer while the dialog runs, else null.
    CProblemSolvingFeedbackChildDlg* ChildDlg() const {
        return static_cast<CProblemSolvingFeedbackChildDlg*>(m_pChildDlg);
    }

    const CFeedbackDll* m_pFeedbackDll = nullptr; // borrowed from the main window
    const CString* m_pFeedbackInfo = nullptr;     // borrowed: the library's six strings

  protected:
    // Takes the screen's scale itself: it has no creator that knows it.
    BOOL OnInitDialog() override;
    CControlLayerDlg* NewControlLayer() override;
};
