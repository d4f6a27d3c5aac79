// CRemedoModernStandbyDetectionToolDlg: the host of the main window pair. A layered window that
// shows the main shell picture with per-pixel alpha, owns the task-bar entry and the title, and
// creates the main control layer over itself. On close it asks whether the problem was solved;
// when it is destroyed it starts the removal of the tool's own files.
#pragma once

#include "dialogs/CLayeredShellDlg.h"

class CModernStandbyDetectionToolDlg;

class CRemedoModernStandbyDetectionToolDlg : public CLayeredShellDlg {
  public:
    explicit CRemedoModernStandbyDetectionToolDlg(CWnd* pParent = nullptr);
    ~CRemedoModernStandbyDetectionToolDlg() override = default;

    HICON m_hIcon;
    // m_pShellImage, m_fScale and m_bMoveChild (FALSE: the control layer leads from the start):
    // see CLayeredShellDlg.
    // The main control layer; borrowed view of m_pChildDlg, which owns it.
    CModernStandbyDetectionToolDlg* m_pMainDlg = nullptr;

  protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    CControlLayerDlg* NewControlLayer() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    void OnClose();
    void OnDestroy();

  private:
    void AddAboutItemToSystemMenu();
    // Set once the control layer exists: only a tool that came up removes its files at close.
    bool m_bToolStarted = false;
};
