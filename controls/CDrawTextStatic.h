// CDrawTextStatic: free text of the skinned windows (version label, links, prompt message),
// drawn in an alignment mode with a normal and a hover colour over a solid colour or a crop of
// its window's picture. The owner polls it for hover and hit-tests clicks on it.
#pragma once

#include "controls/DrawingHelpers.h"

class CDrawTextStatic : public CStatic {
  public:
    CDrawTextStatic() = default;
    ~CDrawTextStatic() override = default;

    void SetTextFont(int nGrowth, int nWeight);
    void SetTextColors(COLORREF crText, COLORREF crHover) {
        m_crText = crText;
        m_crHover = crHover;
    }
    // Only before the first paint: the paint makes the brush once.
    void SetBkColor(COLORREF crBack) { m_crBack = crBack; }
    void SetAlignMode(int nAlign) { m_nAlign = nAlign; }
    void SetBkImage(Gdiplus::Image* pImage) { m_pBkImage = pImage; }
    void SetBkImageRect(CRect rc) { m_rcBkSrc = rc; }
    // Hover on when the screen point lies in the window rectangle; repaints only on a change.
    void UpdateHover(int x, int y);
    // Whether the screen point lies in the window rectangle (right and bottom edges outside).
    BOOL HitTest(int x, int y);

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();

    CBrush m_brBack;
    CRect m_rcClient;
    CFont m_font;
    CFont* m_pOldFont = nullptr;
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crHover = RGB(0, 0, 255);
    COLORREF m_crBack = RGB(255, 255, 255);
    BOOL m_bHover = FALSE;
    int m_nAlign = 0;
    Gdiplus::Image* m_pBkImage = nullptr; // borrowed from the parent window
    CRect m_rcBkSrc;
};
