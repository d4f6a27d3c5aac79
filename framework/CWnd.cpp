#include "framework/CWnd.h"

#include "framework/WindowPlacement.h"

namespace {
const wchar_t kObjectProperty[] = L"MsdtWindowObject";
}

CWnd::~CWnd() {
    // Handlers still running for this object must not touch it after they return.
    for (Frame* f = m_pFrame; f; f = f->previous)
        f->deleted = true;
    if (m_hWnd) {
        HWND hWnd = UnsubclassWindow();
        if (m_bCreatedHere && ::IsWindow(hWnd))
            ::DestroyWindow(hWnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    if (!hWnd)
        return nullptr;
    return static_cast<CWnd*>(::GetPropW(hWnd, kObjectProperty));
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (m_hWnd || !::IsWindow(hWnd) || FromHandlePermanent(hWnd))
        return FALSE;
    if (!::SetPropW(hWnd, kObjectProperty, this))
        return FALSE;
    m_hWnd = hWnd;
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWndProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* pParent) {
    if (!pParent || !pParent->m_hWnd)
        return FALSE;
    return SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    HWND hWnd = m_hWnd;
    if (!hWnd)
        return nullptr;
    if (::IsWindow(hWnd)) {
        if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC)) ==
                &CWnd::StaticWndProc &&
            m_pfnSuper)
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        ::RemovePropW(hWnd, kObjectProperty);
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    for (HWND h = pMsg->hwnd; h; h = ::GetParent(h)) {
        CWnd* pWnd = FromHandlePermanent(h);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (h == hWndStop)
            break;
    }
    return FALSE;
}

void CWnd::GetWindowText(CString& text) const {
    int length = ::GetWindowTextLengthW(m_hWnd);
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    int got = ::GetWindowTextW(m_hWnd, &buffer[0], length + 1);
    text = CString(buffer.data(), got > 0 ? got : 0);
}

void CWnd::ScreenToClient(LPRECT r) const {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(r), 2);
}

void CWnd::ClientToScreen(LPRECT r) const {
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(r), 2);
}

void CWnd::CenterWindow() {
    CRect window;
    GetWindowRect(&window);
    HMONITOR monitor = ::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    CRect workArea;
    if (::GetMonitorInfoW(monitor, &info))
        workArea = info.rcWork;
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);

    CRect over = workArea;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &over);

    CPoint topLeft = CenteredTopLeft(window.Size(), over, workArea);
    SetWindowPos(nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DRAWITEM: {
        // Owner-drawn controls draw themselves: the item's own object gets the message.
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        CWnd* pChild = item ? FromHandlePermanent(item->hwndItem) : nullptr;
        LRESULT result = 0;
        if (pChild && pChild->OnChildNotify(msg, wParam, lParam, &result))
            return result;
        break;
    }
    }
    return DefWindowProc(msg, wParam, lParam);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) {
    return FALSE;
}

LRESULT CWnd::Default() {
    if (!m_pFrame)
        return 0;
    const MSG& msg = m_pFrame->msg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, msg, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, msg, wParam, lParam);
}

LRESULT CWnd::DefWindowProcWithoutDrawing(UINT msg, WPARAM wParam, LPARAM lParam) {
    // Without WS_VISIBLE a window's DC has nothing to draw on; nested calls leave it to the
    // outermost one to switch drawing back on.
    const bool wasVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (wasVisible)
        DefWindowProc(WM_SETREDRAW, FALSE, 0);
    LRESULT result = DefWindowProc(msg, wParam, lParam);
    if (wasVisible && ::IsWindow(m_hWnd))
        DefWindowProc(WM_SETREDRAW, TRUE, 0);
    return result;
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcW(hWnd, msg, wParam, lParam);

    Frame frame{MSG{hWnd, msg, wParam, lParam, 0, {0, 0}}, false, pWnd->m_pFrame};
    pWnd->m_pFrame = &frame;
    LRESULT result = 0;
    try {
        result = pWnd->WindowProc(msg, wParam, lParam);
    } catch (...) {
        // A handler failed: the message counts as handled; the window lives on.
        result = 0;
    }
    if (frame.deleted)
        return result;
    pWnd->m_pFrame = frame.previous;

    if (msg == WM_NCDESTROY && pWnd->m_hWnd == hWnd) {
        pWnd->UnsubclassWindow();
        pWnd->m_pfnSuper = nullptr;
        pWnd->PostNcDestroy();
    }
    return result;
}
