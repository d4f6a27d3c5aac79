#include "controls/CCheckBoxBtn.h"

#include "controls/ControlGeometry.h"

CCheckBoxBtn::CCheckBoxBtn() {
    m_brBack.CreateSolidBrush(RGB(255, 255, 255));
}

CCheckBoxBtn::~CCheckBoxBtn() {
    ReleasePicture(m_pGlyph);
}

void CCheckBoxBtn::CreateFontFromParent() {
    CreateDerivedFont(::GetParent(m_hWnd), 0, 0, &m_font);
}

LRESULT CCheckBoxBtn::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE; // the paint covers the whole client area
    // The system button draws its own box and mark straight away on these; it must never show,
    // and every change of state must show ours.
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE: {
        LRESULT result = DefWindowProcWithoutDrawing(msg, wParam, lParam);
        Invalidate(FALSE);
        return result;
    }
    }
    return CButton::WindowProc(msg, wParam, lParam);
}

void CCheckBoxBtn::OnPaint() {
    CPaintDC dc(this);
    GetClientRect(&m_rcClient);
    const CRect client = m_rcClient;
    if (!m_bmpMem.m_hObject &&
        !CreateMemoryFace(&dc, m_dcMem, m_bmpMem, client.Width(), client.Height()))
        return;
    m_hOldBitmap = m_dcMem.SelectObject(m_bmpMem.m_hObject);
    ClearFace(m_dcMem, m_rcClient, m_brBack);

    bool drawn = false;
    {
        Gdiplus::Graphics graphics(m_dcMem.m_hDC);
        if (m_pGlyph || LoadPngResource(&m_pGlyph, kCheckBoxGlyphPicture)) {
            // Indeterminate shows the empty box: the third cell is never used.
            const int cell = GetCheck() == BST_CHECKED ? 16 : 0;
            DrawPicturePart(graphics, m_pGlyph, CheckGlyphBox(m_rcClient, m_fScale),
                            CRect(cell, 0, cell + 16, 16));
            drawn = true;
        }
    }
    if (drawn) {
        m_pOldFont = m_dcMem.SelectObject(&m_font);
        CString caption;
        GetWindowText(caption);
        m_dcMem.SetTextColor(RGB(0, 0, 0));
        m_rcClient.left = CheckCaptionLeft(m_rcClient, m_fScale);
        m_dcMem.DrawText(caption, &m_rcClient, DT_SINGLELINE | DT_VCENTER);
    }
    ShowFace(dc, m_dcMem, client, m_pOldFont);
    m_dcMem.SelectObject(m_hOldBitmap);
    m_hOldBitmap = nullptr;
}
