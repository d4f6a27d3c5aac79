// CControlLayerDlg: the control layer of a window pair. A borderless opaque dialog over the inner
// part of its shell that paints its own picture and carries the owner-drawn controls. In a
// draggable pair its top strip drags both windows: the layer moves and the shell follows it.
#pragma once

#include "controls/DrawingHelpers.h"
#include "dialogs/WindowPairGeometry.h"

class CControlLayerDlg : public CDialog {
  public:
    CControlLayerDlg(UINT nIDTemplate, const WindowPairGeometry& pair, UINT nBkPicture);
    ~CControlLayerDlg() override;

    // Creates the window from the layer's template, owned by its shell.
    BOOL CreateLayer(CWnd* pShell) { return Create(m_nIDTemplate, pShell); }

    Gdiplus::Image* m_pBkImage = nullptr; // owned
    BOOL m_bInitDone = FALSE;             // the first layout pass has run
    BOOL m_bDragArea = FALSE;             // the last hit test was in the drag strip
    float m_fScale = 1.0f;                // copied from the shell before the window exists

  protected:
    // Places the controls from the client rectangle and the scale; the first pass also sets
    // them up (pictures, crops, fonts, timers).
    virtual void LayoutControls(BOOL bFirstPass) = 0;
    // Called on WM_DESTROY so the layer can release its buttons' pictures.
    virtual void ReleaseControlPictures() {}

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnDestroy();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnMove(int x, int y);
    LRESULT OnNcHitTest(CPoint point);
    void OnSize(UINT nType, int cx, int cy);

    const WindowPairGeometry m_pair;
    const UINT m_nBkPicture;
    // The busy prompt's layer composes its background off-screen first.
    bool m_bEraseOffscreen = false;
};
