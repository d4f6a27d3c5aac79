#include "controls/CImageButton.h"

#include "controls/ControlGeometry.h"
#include "controls/PictureButtonSteps.h"

CImageButton::CImageButton() {
    m_brBack.CreateSolidBrush(RGB(255, 255, 255));
}

void CImageButton::SetPictures(UINT nNormal, UINT nHover, UINT nPressed, UINT nDisabled) {
    LoadButtonPictures(Pictures(), nNormal, nHover, nPressed, nDisabled);
}

void CImageButton::ReleasePictures() {
    ReleaseButtonPictures(Pictures());
}

BOOL CImageButton::IsCursorInside() {
    CPoint point;
    if (!::GetCursorPos(&point))
        return FALSE;
    ScreenToClient(&point);
    CRect client;
    GetClientRect(&client);
    return HitRectInside(client, m_rcHitMargins).PtInRect(point);
}

void CImageButton::EnableButton(BOOL bEnable) {
    m_nState = bEnable ? kButtonNormal : kButtonDisabled;
    EnableWindow(bEnable);
    Invalidate(TRUE);
}

void CImageButton::ComposeFace(CDC* pDC) {
    GetClientRect(&m_rcClient);
    if (!m_bmpMem.m_hObject &&
        !CreateMemoryFace(pDC, m_dcMem, m_bmpMem, m_rcClient.Width(), m_rcClient.Height()))
        return;
    m_hOldBitmap = m_dcMem.SelectObject(m_bmpMem.m_hObject);
    ClearFace(m_dcMem, m_rcClient, m_brBack);
    {
        Gdiplus::Graphics graphics(m_dcMem.m_hDC);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        if (m_pBkImage)
            DrawBackgroundCrop(graphics, m_pBkImage, m_rcClient, m_rcBkSrc);
        Gdiplus::Image* picture = ButtonPictureForState(Pictures(), IsWindowEnabled(), m_nState);
        if (picture) {
            DrawPicturePart(graphics, picture, m_rcClient,
                            CRect(0, 0, static_cast<int>(picture->GetWidth()),
                                  static_cast<int>(picture->GetHeight())));
        }
    }
    pDC->BitBlt(0, 0, m_rcClient.Width(), m_rcClient.Height(), &m_dcMem, 0, 0, SRCCOPY);
    m_dcMem.SelectObject(m_hOldBitmap);
    m_hOldBitmap = nullptr;
    m_dcMem.DeleteDC();
    m_bmpMem.DeleteObject();
}

void CImageButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (!lpDrawItemStruct || !HasAllButtonPictures(Pictures()))
        return;
    CDC target(lpDrawItemStruct->hDC); // the system's DC: used, never deleted
    ComposeFace(&target);
}

LRESULT CImageButton::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wParam), CPoint(lParam));
        return 0;
    case WM_MOUSEHOVER:
    case WM_LBUTTONUP: // back to hover only when released over the button
        OnMouseHover(static_cast<UINT>(wParam), CPoint(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), CPoint(lParam));
        return 0;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 0;
    case WM_ERASEBKGND: {
        CDC dc(reinterpret_cast<HDC>(wParam));
        return OnEraseBkgnd(&dc);
    }
    }
    return CButton::WindowProc(msg, wParam, lParam);
}

void CImageButton::OnMouseMove(UINT, CPoint) {
    Default();
    TrackButtonVisit(*this, m_bTracking);
}

void CImageButton::OnMouseHover(UINT, CPoint point) {
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point))
        ShowButtonState(*this, m_nState, kButtonHover);
    Default();
}

void CImageButton::OnLButtonDown(UINT, CPoint point) {
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point))
        ShowButtonState(*this, m_nState, kButtonPressed);
    Default();
}

void CImageButton::OnMouseLeave() {
    Default();
    ShowButtonState(*this, m_nState, kButtonNormal);
    m_bTracking = FALSE;
}

// Every erase paints the whole face, so no system background ever shows.
BOOL CImageButton::OnEraseBkgnd(CDC* pDC) {
    ComposeFace(pDC);
    return TRUE;
}
