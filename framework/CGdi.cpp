#include "framework/CGdi.h"

#include "framework/CWnd.h"

BOOL CGdiObject::Attach(HGDIOBJ h) {
    DeleteObject();
    m_hObject = h;
    m_bOwned = h != nullptr;
    return h != nullptr;
}

void CGdiObject::AttachBorrowed(HGDIOBJ h) {
    DeleteObject();
    m_hObject = h;
    m_bOwned = false;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ h = m_hObject;
    m_hObject = nullptr;
    m_bOwned = false;
    return h;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject)
        return FALSE;
    BOOL ok = m_bOwned ? ::DeleteObject(m_hObject) : TRUE;
    m_hObject = nullptr;
    m_bOwned = false;
    return ok;
}

BOOL CBitmap::CreateCompatibleBitmap(const CDC* pDC, int width, int height) {
    if (!pDC || !pDC->m_hDC)
        return FALSE;
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, width, height));
}

BOOL CDC::CreateCompatibleDC(const CDC* pDC) {
    HDC hdc = ::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr);
    if (!hdc)
        return FALSE;
    return Attach(hdc);
}

BOOL CDC::Attach(HDC hdc) {
    DeleteDC();
    m_hDC = m_hAttribDC = hdc;
    m_bOwned = hdc != nullptr;
    return hdc != nullptr;
}

HDC CDC::Detach() {
    HDC hdc = m_hDC;
    m_hDC = m_hAttribDC = nullptr;
    m_bOwned = false;
    return hdc;
}

BOOL CDC::DeleteDC() {
    if (!m_hDC)
        return FALSE;
    BOOL ok = m_bOwned ? ::DeleteDC(m_hDC) : TRUE;
    m_hDC = m_hAttribDC = nullptr;
    m_bOwned = false;
    return ok;
}

// One borrowed wrapper per distinct handle, kept for the life of this DC object, so a pointer
// handed out earlier stays valid while the same few objects are swapped in and out.
template <class T> T* CDC::Remember(HGDIOBJ previous) {
    if (!previous)
        return nullptr;
    for (auto& known : m_previous) {
        if (known->m_hObject == previous) {
            if (T* typed = dynamic_cast<T*>(known.get()))
                return typed;
        }
    }
    auto wrapper = std::make_unique<T>();
    wrapper->AttachBorrowed(previous);
    T* result = wrapper.get();
    m_previous.push_back(std::move(wrapper));
    return result;
}

CFont* CDC::SelectObject(CFont* pFont) {
    if (!m_hDC || !pFont || !pFont->m_hObject)
        return nullptr;
    return Remember<CFont>(::SelectObject(m_hDC, pFont->m_hObject));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    if (!m_hDC || !pBitmap || !pBitmap->m_hObject)
        return nullptr;
    return Remember<CBitmap>(::SelectObject(m_hDC, pBitmap->m_hObject));
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
    if (!m_hDC || !pBrush || !pBrush->m_hObject)
        return nullptr;
    return Remember<CBrush>(::SelectObject(m_hDC, pBrush->m_hObject));
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
    CBrush brush(color);
    FillRect(rect, &brush);
}

CSize CDC::GetTextExtent(const CString& text) const {
    SIZE size{0, 0};
    ::GetTextExtentPoint32W(m_hAttribDC, text, text.GetLength(), &size);
    return CSize(size);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
    HDC hdc = m_hWnd ? ::BeginPaint(m_hWnd, &m_ps) : nullptr;
    m_hDC = m_hAttribDC = hdc;
}

CPaintDC::~CPaintDC() {
    if (m_hWnd)
        ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
    HDC hdc = ::GetDC(m_hWnd);
    m_hDC = m_hAttribDC = hdc;
}

CClientDC::~CClientDC() {
    if (m_hDC)
        ::ReleaseDC(m_hWnd, m_hDC);
    Detach();
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
    HDC hdc = ::GetWindowDC(m_hWnd);
    m_hDC = m_hAttribDC = hdc;
}

CWindowDC::~CWindowDC() {
    if (m_hDC)
        ::ReleaseDC(m_hWnd, m_hDC);
    Detach();
}
