// GDI objects and device contexts, each owning its handle: a wrapper deletes or releases what it
// owns when it goes, and cannot be copied. A handle that only passes through (the system's DC of
// a WM_DRAWITEM, the font a DC held before) is wrapped as borrowed and never deleted.
#pragma once

#include "framework/CGeometry.h"
#include "framework/CString.h"

#include <memory>
#include <vector>

class CWnd;

class CGdiObject {
  public:
    CGdiObject() = default;
    virtual ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    // Takes ownership of h; an object already held is deleted first.
    BOOL Attach(HGDIOBJ h);
    HGDIOBJ Detach();
    // Deletes an owned object; a borrowed one is only let go.
    BOOL DeleteObject();

    HGDIOBJ m_hObject = nullptr;

  protected:
    void AttachBorrowed(HGDIOBJ h);
    bool m_bOwned = false;
    friend class CDC;
};

class CBrush : public CGdiObject {
  public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

class CFont : public CGdiObject {
  public:
    BOOL CreateFontIndirect(const LOGFONTW* lf) { return Attach(::CreateFontIndirectW(lf)); }
    int GetLogFont(LOGFONTW* lf) const {
        return m_hObject ? ::GetObjectW(m_hObject, sizeof(LOGFONTW), lf) : 0;
    }
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

class CBitmap : public CGdiObject {
  public:
    BOOL CreateCompatibleBitmap(const class CDC* pDC, int width, int height);
    int GetBitmap(BITMAP* bm) const {
        return m_hObject ? ::GetObjectW(m_hObject, sizeof(BITMAP), bm) : 0;
    }
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

class CDC {
  public:
    CDC() = default;
    // Borrows a DC that belongs to someone else (the system's DC of a WM_DRAWITEM or
    // WM_ERASEBKGND).
    explicit CDC(HDC borrowed) : m_hDC(borrowed), m_hAttribDC(borrowed) {}
    virtual ~CDC() { DeleteDC(); }
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    // An owned memory DC compatible with pDC (or with the screen when pDC is null).
    BOOL CreateCompatibleDC(const CDC* pDC);
    // Deletes an owned DC (a borrowed one is only let go).
    BOOL DeleteDC();
    BOOL Attach(HDC hdc);
    HDC Detach();

    // Selecting returns the object the DC held before, as a borrowed wrapper that stays valid as
    // long as this DC object, so that it can be selected back.
    CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    CBrush* SelectObject(CBrush* pBrush);
    HGDIOBJ SelectObject(HGDIOBJ h) { return m_hDC && h ? ::SelectObject(m_hDC, h) : nullptr; }

    void FillRect(LPCRECT rect, CBrush* pBrush) {
        if (m_hDC && pBrush && pBrush->m_hObject)
            ::FillRect(m_hDC, rect, *pBrush);
    }
    void FillSolidRect(LPCRECT rect, COLORREF color);
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    int DrawText(const CString& text, LPRECT rect, UINT format) {
        return ::DrawTextW(m_hDC, text, text.GetLength(), rect, format);
    }
    CSize GetTextExtent(const CString& text) const;
    BOOL BitBlt(int x, int y, int width, int height, const CDC* pSrc, int xSrc, int ySrc,
                DWORD rop) {
        return ::BitBlt(m_hDC, x, y, width, height, pSrc ? pSrc->m_hDC : nullptr, xSrc, ySrc, rop);
    }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hAttribDC, index); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;

  protected:
    bool m_bOwned = false;

  private:
    template <class T> T* Remember(HGDIOBJ previous);
    std::vector<std::unique_ptr<CGdiObject>> m_previous;
};

// The DC of a WM_PAINT: BeginPaint on construction, EndPaint on destruction.
class CPaintDC : public CDC {
  public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

  private:
    HWND m_hWnd;
};

// A window's client-area DC (the screen's DC for a null window), released on destruction.
class CClientDC : public CDC {
  public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

  private:
    HWND m_hWnd;
};

// A window's whole-window DC, released on destruction.
class CWindowDC : public CDC {
  public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

  private:
    HWND m_hWnd;
};

// Selects an object into a DC for one scope and puts the previous one back when it goes.
class ScopedSelect {
  public:
    ScopedSelect(HDC hdc, HGDIOBJ h)
        : m_hdc(hdc), m_old(hdc && h ? ::SelectObject(hdc, h) : nullptr) {}
    ~ScopedSelect() {
        if (m_old)
            ::SelectObject(m_hdc, m_old);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

  private:
    HDC m_hdc;
    HGDIOBJ m_old;
};
