#include "controls/DrawingHelpers.h"

#include <cstring>

namespace {

// The font of the window, or the stock fallbacks; never owned by the caller.
HFONT SourceFont(HWND hSrcWnd) {
    HFONT font = nullptr;
    if (hSrcWnd)
        font = reinterpret_cast<HFONT>(::SendMessageW(hSrcWnd, WM_GETFONT, 0, 0));
    if (!font)
        font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (!font)
        font = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
    return font;
}

HFONT CreateDerivedFontHandle(HWND hSrcWnd, int nGrowth, int nWeight) {
    LOGFONTW lf{};
    HFONT source = SourceFont(hSrcWnd);
    if (!source || !::GetObjectW(source, sizeof(lf), &lf))
        return nullptr;
    // A weight alone changes nothing: callers ask for a heavier font only together with growth.
    if (nGrowth != 0) {
        if (nWeight > 0)
            lf.lfWeight = nWeight;
        lf.lfHeight -= nGrowth;
    }
    return ::CreateFontIndirectW(&lf);
}

} // namespace

BOOL LoadPngResource(Gdiplus::Image** ppImage, UINT nID) {
    if (!ppImage)
        return FALSE;
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC res = ::FindResourceW(hInst, MAKEINTRESOURCEW(nID), L"PNG");
    if (!res)
        return FALSE;
    const DWORD size = ::SizeofResource(hInst, res);
    HGLOBAL loaded = ::LoadResource(hInst, res);
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes || size == 0)
        return FALSE;

    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block)
        return FALSE;
    void* copy = ::GlobalLock(block);
    if (!copy) {
        ::GlobalFree(block);
        return FALSE;
    }
    std::memcpy(copy, bytes, size);
    ::GlobalUnlock(block);

    // The stream owns the block and GDI+ holds the stream for as long as the picture lives, so
    // the block goes exactly when the picture is deleted.
    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(block, TRUE, &stream)) || !stream) {
        ::GlobalFree(block);
        return FALSE;
    }
    Gdiplus::Image* image = Gdiplus::Image::FromStream(stream, FALSE);
    stream->Release();
    if (!image)
        return FALSE;
    // Bytes that GDI+ cannot read are not a picture: callers then retry or draw without it.
    if (image->GetLastStatus() != Gdiplus::Ok) {
        delete image;
        return FALSE;
    }
    *ppImage = image;
    return TRUE;
}

void CreateDerivedFont(CWnd* pSrcWnd, int nGrowth, int nWeight, CFont* pFont) {
    CreateDerivedFont(pSrcWnd ? pSrcWnd->m_hWnd : nullptr, nGrowth, nWeight, pFont);
}

void CreateDerivedFont(HWND hSrcWnd, int nGrowth, int nWeight, CFont* pFont) {
    if (!pFont)
        return;
    HFONT font = CreateDerivedFontHandle(hSrcWnd, nGrowth, nWeight);
    if (font)
        pFont->Attach(font);
}

int MeasureTextWidth(CWnd* pSrcWnd, CDC* pDC, CString strText, int nGrowth, int nWeight) {
    if (!pSrcWnd || !pDC || !pDC->m_hAttribDC)
        return -1;
    CFont font;
    font.Attach(CreateDerivedFontHandle(pSrcWnd->m_hWnd, nGrowth, nWeight));
    ScopedSelect select(pDC->m_hAttribDC, font.m_hObject);
    SIZE size{0, 0};
    ::GetTextExtentPoint32W(pDC->m_hAttribDC, strText, strText.GetLength(), &size);
    return size.cx;
}

void DrawPicturePart(Gdiplus::Graphics& graphics, Gdiplus::Image* pImage, const CRect& dest,
                     const CRect& src) {
    if (!pImage)
        return;
    graphics.DrawImage(pImage, Gdiplus::Rect(dest.left, dest.top, dest.Width(), dest.Height()),
                       src.left, src.top, src.Width(), src.Height(), Gdiplus::UnitPixel);
}

void DrawBackgroundCrop(Gdiplus::Graphics& graphics, Gdiplus::Image* pImage, const CRect& dest,
                        const CRect& src) {
    DrawPicturePart(graphics, pImage, dest, src);
}

void ReleasePicture(Gdiplus::Image*& pImage) {
    delete pImage;
    pImage = nullptr;
}

BOOL CreateMemoryFace(CDC* pDC, CDC& dcMem, CBitmap& bmpMem, int nWidth, int nHeight) {
    if (dcMem.CreateCompatibleDC(pDC) && bmpMem.CreateCompatibleBitmap(pDC, nWidth, nHeight))
        return TRUE;
    dcMem.DeleteDC();
    bmpMem.DeleteObject();
    return FALSE;
}

void ClearFace(CDC& dcMem, const CRect& rcClient, CBrush& brBack) {
    dcMem.FillRect(&rcClient, &brBack);
    dcMem.SetBkMode(TRANSPARENT);
}

void DrawTextByFormat(CDC& dc, const CString& text, CRect& rcText, int nClientHeight,
                      const TextFormat& format) {
    if (format.measures) {
        CRect block(rcText.left, rcText.top, rcText.right, rcText.top + 10);
        dc.DrawText(text, &block, format.measureFlags);
        rcText.top += CentringOffset(nClientHeight, block.Height());
    }
    dc.DrawText(text, &rcText, format.drawFlags);
}

void ShowFace(CDC& target, CDC& dcMem, const CRect& rcClient, CFont*& pOldFont) {
    target.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &dcMem, 0, 0, SRCCOPY);
    if (pOldFont)
        dcMem.SelectObject(pOldFont);
    pOldFont = nullptr;
}
