#include "controls/CPngButton.h"

#include "controls/ControlGeometry.h"
#include "controls/PictureButtonSteps.h"

CPngButton::CPngButton() {
    m_brBack.CreateSolidBrush(RGB(255, 255, 255));
}

void CPngButton::SetPictures(UINT nNormal, UINT nHover, UINT nPressed, UINT nDisabled) {
    LoadButtonPictures(Pictures(), nNormal, nHover, nPressed, nDisabled);
}

void CPngButton::ReleasePictures() {
    ReleaseButtonPictures(Pictures());
}

void CPngButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (!lpDrawItemStruct || !HasAllButtonPictures(Pictures()))
        return;
    const CRect item = lpDrawItemStruct->rcItem;
    const CRect area(0, 0, item.Width(), item.Height());
    CDC target(lpDrawItemStruct->hDC); // the system's DC: used, never deleted
    CDC memory;
    CBitmap bitmap;
    if (!CreateMemoryFace(&target, memory, bitmap, area.Width(), area.Height()))
        return;
    ScopedSelect selectBitmap(memory, bitmap);

    if (!m_pBkImage)
        memory.FillRect(&area, &m_brBack);
    {
        Gdiplus::Graphics graphics(memory.m_hDC);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        if (m_pBkImage)
            DrawBackgroundCrop(graphics, m_pBkImage, area, m_rcBkSrc);
        // The button only ever takes the normal, hover and pressed states, so there is always
        // a picture.
        Gdiplus::Image* picture = ButtonPictureForState(Pictures(), IsWindowEnabled(), m_nState);
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
    TrackButtonVisit(*this, m_bTracking);
}

void CPngButton::OnMouseHover(UINT, CPoint) {
    ShowButtonState(*this, m_nState, kButtonHover);
    Default();
}

void CPngButton::OnLButtonDown(UINT, CPoint) {
    ShowButtonState(*this, m_nState, kButtonPressed);
    Default();
}

void CPngButton::OnMouseLeave() {
    Default();
    ShowButtonState(*this, m_nState, kButtonNormal);
    m_bTracking = FALSE;
}
