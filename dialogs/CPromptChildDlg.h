// CPromptChildDlg: the message prompt's control layer. Shows the message and the buttons of the
// prompt's type, and tells its shell which button was pressed.
#pragma once

#include "controls/CDrawTextStatic.h"
#include "controls/CPngButton.h"
#include "dialogs/CControlLayerDlg.h"

class CPromptChildDlg : public CControlLayerDlg {
  public:
    CPromptChildDlg();

    // Both are set by the shell before the layer's window exists.
    void SetMessage(CString strMessage) { m_strMessage = strMessage; }
    CPromptChildDlg* SetType(int nType) {
        m_nType = nType;
        return this;
    }

    CPngButton m_btnClose;
    CPngButton m_btnOK;
    CPngButton m_btnCancel;
    CDrawTextStatic m_staticMessage;
    CString m_strMessage;
    int m_nType = 1;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void LayoutControls(BOOL bFirstPass) override;
    void ReleaseControlPictures() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};
