#include "controls/CDrawStateInfoStatic.h"

#include "controls/ControlGeometry.h"

CDrawStateInfoStatic::CDrawStateInfoStatic() {
    m_brBack.CreateSolidBrush(RGB(255, 255, 255));
}

void CDrawStateInfoStatic::SetTextFont(int nGrowth, int nWeight) {
    CreateDerivedFont(::GetParent(m_hWnd), nGrowth, nWeight, &m_font);
}

void CDrawStateInfoStatic::SetTextColor(COLORREF crText) {
    m_crText = crText;
    Invalidate(TRUE);
}

void CDrawStateInfoStatic::StartDots() {
    SetTimer(kDotsTimerId, kDotsPeriodMs);
}

void CDrawStateInfoStatic::StopDots() {
    KillTimer(kDotsTimerId);
    m_nDots = 0;
    Invalidate(TRUE);
}

void CDrawStateInfoStatic::ResetDots() {
    m_nDots = 0;
    Invalidate(TRUE);
}

LRESULT CDrawStateInfoStatic::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE; // the paint covers the whole client area
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(wParam));
        return 0;
    case WM_SETTEXT:
    case WM_ENABLE: {
        LRESULT result = DefWindowProcWithoutDrawing(msg, wParam, lParam);
        Invalidate(TRUE);
        return result;
    }
    }
    return CStatic::WindowProc(msg, wParam, lParam);
}

// One animation step per tick of the dots timer.
void CDrawStateInfoStatic::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kDotsTimerId) {
        m_nDots = NextDotCount(m_nDots);
        Invalidate(TRUE);
    }
    Default();
}

void CDrawStateInfoStatic::OnPaint() {
    CPaintDC dc(this);
    GetClientRect(&m_rcClient);
    const CRect client = m_rcClient;
    CDC memory;
    CBitmap bitmap;
    if (!CreateMemoryFace(&dc, memory, bitmap, client.Width(), client.Height()))
        return;
    ScopedSelect selectBitmap(memory, bitmap);
    ClearFace(memory, m_rcClient, m_brBack);

    m_pOldFont = memory.SelectObject(&m_font);
    memory.SetTextColor(m_crText);
    CString text;
    GetWindowText(text);
    text = TextWithDots(text, m_nDots);
    if (m_pBkImage) {
        Gdiplus::Graphics graphics(memory.m_hDC);
        DrawBackgroundCrop(graphics, m_pBkImage, m_rcClient, m_rcBkSrc);
    }
    const TextFormat format = StateInfoStaticFormat(m_nAlign);
    DrawTextByFormat(memory, text, m_rcClient, client.Height(), format);
    ShowFace(dc, memory, client, m_pOldFont);
}
