// CLayeredShellDlg: the shell of a window pair. A borderless dialog turned into a layered window
// that shows its picture with per-pixel alpha (shadow, rounded edges) and has no controls; it
// creates its control layer over itself and keeps it in place until the layer leads.
#pragma once

#include "controls/DrawingHelpers.h"
#include "dialogs/WindowPairGeometry.h"

class CControlLayerDlg;

// Enter and Esc would end a dialog through its keyboard navigation; no window of ours closes so.
inline bool IsSwallowedKey(const MSG& msg) {
    return msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE);
}

class CLayeredShellDlg : public CDialog {
  public:
    CLayeredShellDlg(UINT nIDTemplate, const WindowPairGeometry& pair, UINT nShellPicture,
                     CWnd* pParent = nullptr);
    ~CLayeredShellDlg() override;

    // The screen's scale factor (LOGPIXELSY of the screen DC).
    static float ScreenScale();

    Gdiplus::Image* m_pShellImage = nullptr; // owned
    BOOL m_bMoveChild = TRUE;                // the shell brings the layer along while TRUE
    CControlLayerDlg* m_pChildDlg = nullptr; // owned
    float m_fScale = 1.0f;

  protected:
    // Paints the shell and creates the layer. A shell without its picture ends with IDCANCEL:
    // an invisible modal dialog would leave its owner disabled for good.
    BOOL OnInitDialog() override;
    // Enter and Esc close nothing.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnDestroy();
    void OnMove(int x, int y);
    // Called when the shell has been shown: its layer must lie above it, not under it.
    void KeepLayerAbove();

    // Makes the window layered and shows the picture stretched to size at the current corner;
    // FALSE when the picture cannot be loaded.
    BOOL PaintShell(CSize size);
    // Creates the control layer from NewControlLayer over shellRect and shows it.
    void CreateControlLayer(const CRect& shellRect);
    // The pair's control layer object with the pair's data copied in (its window comes later).
    virtual CControlLayerDlg* NewControlLayer() = 0;

    const WindowPairGeometry m_pair;
    const UINT m_nShellPicture;
};
