// CCheckBoxBtn: the consent check box. The system's automatic check box keeps its state, its
// toggling and its BN_CLICKED; this class replaces all of its painting with a glyph from the
// check box strip and the caption in the parent's font on white.
#pragma once

#include "controls/DrawingHelpers.h"

// The glyph strip: three 16 x 16 cells side by side (empty box, ticked box, filled box).
constexpr UINT kCheckBoxGlyphPicture = 140;

class CCheckBoxBtn : public CButton {
  public:
    CCheckBoxBtn();
    ~CCheckBoxBtn() override;

    // Builds the caption font as a copy of the parent window's font.
    void CreateFontFromParent();

    float m_fScale = 1.0f; // written by the main layout

  protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();

    Gdiplus::Image* m_pGlyph = nullptr; // owned, loaded at the first paint
    CDC m_dcMem;                        // kept from the first paint on
    CBitmap m_bmpMem;
    HGDIOBJ m_hOldBitmap = nullptr;
    CBrush m_brBack;
    CRect m_rcClient;
    CFont m_font;
    CFont* m_pOldFont = nullptr;
};
