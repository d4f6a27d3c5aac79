#include "controls/CPngButton.h"

#include "controls/ControlGeometry.h"

#include <commctrl.h>

CPngButton::CPngButton() {
    m_brBack.CreateSolidBrush(RGB(255, 255, 255));
}

void CPngButton::SetPictures(UINT nNormal, UINT nHover, UINT nPressed, UINT nDisabled) {
    LoadPngResource(&m_pImgNormal, nNormal);
    LoadPngResource(&m_pImgHover, nHover);
    LoadPngResource(&m_pImgPressed, nPressed);
    LoadPngResource(&m_pImgDisabled, nDisabled);
}

void CPngButton::ReleasePictures() {
    ReleasePicture(m_pImgNormal);
    ReleasePicture(m_pImgHover);
    ReleasePicture(m_pImgPressed);
    ReleasePicture(m_pImgDisabled);
}

void CPngButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (!lpDrawItemStruct || !m_pImgNormal || !m_pImgHover || !m_pImgPressed || !m_pImgDisabled)
        return;
    const CRect item = lpDrawItemStruct->rcItem;
    const CRect area(0, 0, item.Width(), item.Height());
    CDC target(lpDrawItemStruct->hDC); // the system's DC: used, never deleted
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(&target, area.Width(), area.Height()))
        return;
    CDC memory;
    if (!memory.CreateCompatibleDC(&target))
        return;
    ScopedSelect selectBitmap(memory, bitmap);

    if (!m_pBkImage)
        memory.FillRect(&area, &m_brBack);
    {
        Gdiplus::Graphics graphics(memory.m_hDC);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        if (m_pBkImage)
            DrawBackgroundCrop(graphics, m_pBkImage, area, m_rcBkSrc);
        Gdiplus::Image* picture = m_pImgDisabled;
        if (IsWindowEnabled())
            picture = m_nState == 3 ? m_pImgPressed : m_nState == 2 ? m_pImgHover : m_pImgNormal;
        DrawPicturePart(graphics, picture, area,
                        PngButtonSourceRect(static_cast<int>(picture->GetWidth()),
                                            static_cast<int>(picture->GetHeight()), m_fScale));
    }
    target.BitBlt(0, 0, area.Width(), area.Height(), &memory, 0, 0, SRCCOPY);
}

LRESULT CPngButton::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wParam), CPoint(lParam));
        return 0;
    case WM_MOUSEHOVER:
    case WM_LBUTTONUP: // back to the hover picture after a click
        OnMouseHover(static_cast<UINT>(wParam), CPoint(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), CPoint(lParam));
        return 0;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 0;
    }
    return CButton::WindowProc(msg, wParam, lParam);
}

// Pointer moved over the button: ask for the hover and leave notifications once per visit.
void CPngButton::OnMouseMove(UINT, CPoint) {
    Default();
    if (!IsWindowEnabled() || m_bTracking)
        return;
    TRACKMOUSEEVENT tme{};
    tme.cbSize = sizeof(tme);
    tme.dwFlags = TME_HOVER | TME_LEAVE;
    tme.hwndTrack = m_hWnd;
    tme.dwHoverTime = 10;
    if (::_TrackMouseEvent(&tme))
        m_bTracking = TRUE;
}

void CPngButton::OnMouseHover(UINT, CPoint) {
    if (IsWindowEnabled() && m_nState != 2) {
        m_nState = 2;
        Invalidate(TRUE);
    }
    Default();
}

void CPngButton::OnLButtonDown(UINT, CPoint) {
    if (IsWindowEnabled() && m_nState != 3) {
        m_nState = 3;
        Invalidate(TRUE);
    }
    Default();
}

void CPngButton::OnMouseLeave() {
    Default();
    if (IsWindowEnabled() && m_nState != 1) {
        m_nState = 1;
        Invalidate(TRUE);
    }
    m_bTracking = FALSE;
}
