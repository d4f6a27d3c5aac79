// CExecutePromptChildDlg: the busy prompt's control layer. One line of white text whose dots
// grow once a second; no buttons, and it cannot be dragged.
#pragma once

#include "controls/CDrawStateInfoStatic.h"
#include "dialogs/CControlLayerDlg.h"

class CExecutePromptChildDlg : public CControlLayerDlg {
  public:
    CExecutePromptChildDlg();

    // Set by the shell before the layer's window exists.
    void SetMessage(CString strMessage) { m_strMessage = strMessage; }
    // Stops the dots and shows the text without them.
    void StopAnimation() {
        if (m_staticState.m_hWnd)
            m_staticState.StopDots();
    }

    CDrawStateInfoStatic m_staticState;
    CString m_strMessage;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void LayoutControls(BOOL bFirstPass) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
