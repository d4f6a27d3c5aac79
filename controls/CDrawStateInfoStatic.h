// CDrawStateInfoStatic: the busy text, followed by a row of dots that grows by one each second
// (none, one, two, three, none again) while the animation runs.
#pragma once

#include "controls/DrawingHelpers.h"

// The animation's timer on the static's own window.
constexpr UINT_PTR kDotsTimerId = 36;
constexpr UINT kDotsPeriodMs = 1000;

class CDrawStateInfoStatic : public CStatic {
  public:
    CDrawStateInfoStatic();
    ~CDrawStateInfoStatic() override = default;

    void SetTextFont(int nGrowth, int nWeight);
    // Stores the colour and repaints.
    void SetTextColor(COLORREF crText);
    void SetAlignMode(int nAlign) { m_nAlign = nAlign; }
    void SetBkImage(Gdiplus::Image* pImage) { m_pBkImage = pImage; }
    void SetBkImageRect(CRect rc) { m_rcBkSrc = rc; }
    // Starts the animation; starting it again keeps its one timer and its pace.
    void StartDots();
    // Ends the animation and shows the text without dots.
    void StopDots();
    // Shows the text without dots, leaving the timer alone.
    void ResetDots();
    int GetDotCount() const { return m_nDots; }

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);

    CBrush m_brBack;
    CRect m_rcClient;
    CFont m_font;
    CFont* m_pOldFont = nullptr;
    COLORREF m_crText = RGB(0, 0, 0);
    int m_nDots = 0;
    int m_nAlign = 0;
    Gdiplus::Image* m_pBkImage = nullptr; // borrowed from the parent window
    CRect m_rcBkSrc;
};
