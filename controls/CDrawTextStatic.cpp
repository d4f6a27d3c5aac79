#include "controls/CDrawTextStatic.h"

#include "controls/ControlGeometry.h"

void CDrawTextStatic::SetTextFont(int nGrowth, int nWeight) {
    CreateDerivedFont(::GetParent(m_hWnd), nGrowth, nWeight, &m_font);
}

void CDrawTextStatic::UpdateHover(int x, int y) {
    const BOOL hover = HitTest(x, y);
    if (hover == m_bHover)
        return;
    m_bHover = hover;
    Invalidate(TRUE);
}

BOOL CDrawTextStatic::HitTest(int x, int y) {
    CRect window;
    GetWindowRect(&window);
    return window.PtInRect(CPoint(x, y));
}

LRESULT CDrawTextStatic::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE; // the paint covers the whole client area
    case WM_SETTEXT:
    case WM_ENABLE: {
        // The system static would draw its own text at once; ours follows in the next paint.
        LRESULT result = DefWindowProcWithoutDrawing(msg, wParam, lParam);
        Invalidate(TRUE);
        return result;
    }
    }
    return CStatic::WindowProc(msg, wParam, lParam);
}

void CDrawTextStatic::OnPaint() {
    CPaintDC dc(this);
    GetClientRect(&m_rcClient);
    const CRect client = m_rcClient;
    CDC memory;
    CBitmap bitmap;
    if (!CreateMemoryFace(&dc, memory, bitmap, client.Width(), client.Height()))
        return;
    ScopedSelect selectBitmap(memory, bitmap);
    if (!m_brBack.m_hObject)
        m_brBack.CreateSolidBrush(m_crBack);
    ClearFace(memory, m_rcClient, m_brBack);

    if (m_pBkImage) {
        Gdiplus::Graphics graphics(memory.m_hDC);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        DrawBackgroundCrop(graphics, m_pBkImage, m_rcClient, m_rcBkSrc);
    }
    m_pOldFont = memory.SelectObject(&m_font);
    CString text;
    GetWindowText(text);
    memory.SetTextColor(m_bHover ? m_crHover : m_crText);

    const TextFormat format = DrawTextStaticFormat(m_nAlign);
    if (format.draws)
        DrawTextByFormat(memory, text, m_rcClient, client.Height(), format);
    ShowFace(dc, memory, client, m_pOldFont);
}
