// CWnd: one window handle and the object that handles its messages.
//
// How a message reaches its handler: every window we own or subclass has StaticWndProc as its
// window procedure. It finds the object (a window property holds it) and calls the virtual
// WindowProc, whose switch in each class routes the message to an OnXxx handler; what a class does
// not handle goes to its base class's WindowProc and finally to the window's original procedure
// (Default). No exception leaves StaticWndProc.
#pragma once

#include "framework/CGdi.h"
#include "framework/CGeometry.h"
#include "framework/CString.h"

class CWnd {
  public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The object of a window that is ours (created or subclassed), or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Routes an existing window's messages through this object until it is destroyed.
    BOOL SubclassWindow(HWND hWnd);
    // Subclasses the dialog item id of pParent (data exchange binds controls this way).
    BOOL SubclassDlgItem(UINT id, CWnd* pParent);
    // Gives the window back its original procedure and forgets it.
    HWND UnsubclassWindow();
    BOOL DestroyWindow();

    // Called by a message loop before dispatch; TRUE means the message was handled here.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Offers pMsg to every window of ours from its target up the parent/owner chain to hWndStop.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

    // The thin layer over the window functions that our windows use.
    CWnd* GetParent() const { return FromHandlePermanent(::GetParent(m_hWnd)); }
    void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) {
        ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE) {
        MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                   repaint);
    }
    BOOL SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags) {
        return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
    }
    BOOL ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void SetWindowText(const wchar_t* text) { ::SetWindowTextW(m_hWnd, text); }
    void GetWindowText(CString& text) const;
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    void ScreenToClient(LPPOINT p) const { ::ScreenToClient(m_hWnd, p); }
    void ScreenToClient(LPRECT r) const;
    void ClientToScreen(LPPOINT p) const { ::ClientToScreen(m_hWnd, p); }
    void ClientToScreen(LPRECT r) const;
    LRESULT SendMessage(UINT msg, WPARAM w = 0, LPARAM l = 0) {
        return ::SendMessageW(m_hWnd, msg, w, l);
    }
    BOOL PostMessage(UINT msg, WPARAM w = 0, LPARAM l = 0) {
        return ::PostMessageW(m_hWnd, msg, w, l);
    }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr) {
        return ::SetTimer(m_hWnd, id, elapse, proc);
    }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
    void SetFont(CFont* pFont, BOOL redraw = TRUE) {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? pFont->m_hObject : nullptr),
                    redraw);
    }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_EXSTYLE)); }
    HICON SetIcon(HICON icon, BOOL big) {
        return reinterpret_cast<HICON>(
            SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
    }
    // Centres this window over its owner, or over the work area when the owner is hidden,
    // minimised or missing.
    void CenterWindow();

  protected:
    // This class's message map: a switch routing messages to handlers.
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // A parent offers its child the messages that concern it (WM_DRAWITEM).
    virtual BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Called after the last message (WM_NCDESTROY), when the object no longer has a window.
    virtual void PostNcDestroy() {}

    // The window's own processing of the message being handled now.
    LRESULT Default();
    // The window's own processing of any message.
    LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // The window's own processing with its drawing switched off: for controls that paint
    // themselves entirely and must never show what the system button or static would draw.
    // The caller repaints afterwards.
    LRESULT DefWindowProcWithoutDrawing(UINT msg, WPARAM wParam, LPARAM lParam);

    // Handlers whose base behaviour is the window's own processing; derived classes call them
    // where they want the default first or last.
    void OnDestroy() { Default(); }
    void OnMove(int, int) { Default(); }
    void OnSize(UINT, int, int) { Default(); }
    LRESULT OnNcHitTest(CPoint) { return Default(); }
    void OnTimer(UINT_PTR) { Default(); }
    BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
    void OnPaint() { Default(); }
    void OnMouseMove(UINT, CPoint) { Default(); }
    void OnLButtonDown(UINT, CPoint) { Default(); }
    void OnLButtonUp(UINT, CPoint) { Default(); }
    void OnMouseHover(UINT, CPoint) { Default(); }
    void OnMouseLeave() { Default(); }

    static LRESULT CALLBACK StaticWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // TRUE for windows this object created (dialogs): its destructor destroys them too.
    bool m_bCreatedHere = false;

  private:
    struct Frame {
        MSG msg;
        bool deleted;
        Frame* previous;
    };
    WNDPROC m_pfnSuper = nullptr;
    Frame* m_pFrame = nullptr;
};
