// CPngButton: the small picture button (close, minimise, prompt buttons). Shows one of four
// pictures by state, follows the mouse itself, and otherwise is the standard push button: a click
// reaches the parent as BN_CLICKED. The template gives it BS_OWNERDRAW.
#pragma once

#include "controls/DrawingHelpers.h"
#include "controls/PictureButtonSteps.h"

class CPngButton : public CButton {
  public:
    CPngButton();
    ~CPngButton() override = default;

    // Loads the normal, hover, pressed and disabled pictures; a failed load leaves its member.
    void SetPictures(UINT nNormal, UINT nHover, UINT nPressed, UINT nDisabled);
    // Deletes the four pictures; the holding window calls it from its WM_DESTROY.
    void ReleasePictures();
    void SetBkImage(Gdiplus::Image* pImage) { m_pBkImage = pImage; }
    void SetBkImageRect(CRect rc) { m_rcBkSrc = rc; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    float m_fScale = 1.0f; // written by the layouts

  protected:
    ButtonPictureRefs Pictures() {
        return {m_pImgNormal, m_pImgHover, m_pImgPressed, m_pImgDisabled};
    }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseHover(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseLeave();

    Gdiplus::Image* m_pBkImage = nullptr; // borrowed from the parent window
    CRect m_rcBkSrc;
    CBrush m_brBack;
    Gdiplus::Image* m_pImgNormal = nullptr; // owned: released by ReleasePictures
    Gdiplus::Image* m_pImgHover = nullptr;
    Gdiplus::Image* m_pImgPressed = nullptr;
    Gdiplus::Image* m_pImgDisabled = nullptr;
    int m_nState = 1; // 1 normal, 2 hover, 3 pressed
    BOOL m_bTracking = FALSE;
};
