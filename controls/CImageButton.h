// CImageButton: the large picture button (detect, more tools, the feedback answers). Like
// CPngButton, but its face always lies on a crop of its window's picture, hover and press count
// only inside the client area, it has an explicit disabled state, it offers a hit test that
// leaves out the transparent rim, and it paints its face when asked to erase.
#pragma once

#include "controls/DrawingHelpers.h"
#include "controls/PictureButtonSteps.h"

class CImageButton : public CButton {
  public:
    CImageButton();
    ~CImageButton() override = default;

    void SetPictures(UINT nNormal, UINT nHover, UINT nPressed, UINT nDisabled);
    void ReleasePictures();
    void SetBkImage(Gdiplus::Image* pImage) { m_pBkImage = pImage; }
    void SetBkImageRect(CRect rc) { m_rcBkSrc = rc; }
    void SetHitMargins(CRect rcMargins) { m_rcHitMargins = rcMargins; }
    // Whether the pointer is over the face: the client area less the margins, right and bottom
    // edges excluded.
    BOOL IsCursorInside();
    // TRUE: normal state, window enabled; FALSE: disabled state and window. Repaints.
    void EnableButton(BOOL bEnable);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

  protected:
    ButtonPictureRefs Pictures() {
        return {m_pImgNormal, m_pImgHover, m_pImgPressed, m_pImgDisabled};
    }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseHover(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseLeave();
    BOOL OnEraseBkgnd(CDC* pDC);
    // Paints the face into pDC through the off-screen bitmap.
    void ComposeFace(CDC* pDC);

    Gdiplus::Image* m_pBkImage = nullptr; // borrowed from the parent window
    CRect m_rcBkSrc;
    CBrush m_brBack;
    CDC m_dcMem;      // lives only during one draw
    CBitmap m_bmpMem; // lives only during one draw
    HGDIOBJ m_hOldBitmap = nullptr;
    CRect m_rcClient;
    Gdiplus::Image* m_pImgNormal = nullptr; // owned: released by ReleasePictures
    Gdiplus::Image* m_pImgHover = nullptr;
    Gdiplus::Image* m_pImgPressed = nullptr;
    Gdiplus::Image* m_pImgDisabled = nullptr;
    int m_nState = 1; // 1 normal, 2 hover, 3 pressed, 4 disabled
    BOOL m_bTracking = FALSE;
    CRect m_rcHitMargins;
};
