#include "dialogs/CLayeredShellDlg.h"

#include "dialogs/CControlLayerDlg.h"

CLayeredShellDlg::CLayeredShellDlg(UINT nIDTemplate, const WindowPairGeometry& pair,
                                   UINT nShellPicture, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_pair(pair), m_nShellPicture(nShellPicture) {}

CLayeredShellDlg::~CLayeredShellDlg() {
    delete m_pChildDlg;
    ReleasePicture(m_pShellImage);
}

float CLayeredShellDlg::ScreenScale() {
    HDC screen = ::GetDC(nullptr);
    const int logPixelsY = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ::ReleaseDC(nullptr, screen);
    return ScaleFromLogPixelsY(logPixelsY);
}

BOOL CLayeredShellDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!PaintShell(ShellSize(m_pair, m_fScale))) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    CRect shell;
    GetWindowRect(&shell);
    CreateControlLayer(shell);
    return TRUE;
}

BOOL CLayeredShellDlg::PaintShell(CSize size) {
    ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, static_cast<LONG>(GetExStyle() | WS_EX_LAYERED));
    if (!m_pShellImage && !LoadPngResource(&m_pShellImage, m_nShellPicture))
        return FALSE;
    if (size.cx <= 0 || size.cy <= 0)
        return TRUE;

    // A top-down 32-bit DIB that GDI+ fills with premultiplied alpha, as the layered window
    // takes it.
    CClientDC screen(nullptr);
    CDC memory;
    if (!memory.CreateCompatibleDC(&screen))
        return TRUE;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = size.cx;
    bi.bmiHeader.biHeight = -size.cy;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    CBitmap bitmap;
    bitmap.Attach(::CreateDIBSection(memory, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap.m_hObject || !bits)
        return TRUE;
    {
        Gdiplus::Bitmap canvas(size.cx, size.cy, size.cx * 4, PixelFormat32bppPARGB,
                               static_cast<BYTE*>(bits));
        Gdiplus::Graphics graphics(&canvas);
        graphics.Clear(Gdiplus::Color(0, 0, 0, 0));
        DrawPicturePart(graphics, m_pShellImage, CRect(0, 0, size.cx, size.cy),
                        CRect(0, 0, static_cast<int>(m_pShellImage->GetWidth()),
                              static_cast<int>(m_pShellImage->GetHeight())));
    }
    ScopedSelect select(memory, bitmap);
    CRect window;
    GetWindowRect(&window);
    POINT destination = window.TopLeft();
    SIZE extent = size;
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::UpdateLayeredWindow(m_hWnd, screen, &destination, &extent, memory, &source, 0, &blend,
                          ULW_ALPHA);
    return TRUE;
}

void CLayeredShellDlg::CreateControlLayer(const CRect& shellRect) {
    m_pChildDlg = NewControlLayer();
    if (!m_pChildDlg)
        return;
    m_pChildDlg->m_fScale = m_fScale;
    if (!m_pChildDlg->CreateLayer(this))
        return;
    m_pChildDlg->MoveWindow(LayerRectAtCreation(shellRect, m_pair.insets, m_fScale), TRUE);
    m_pChildDlg->ShowWindow(SW_SHOW);
}

BOOL CLayeredShellDlg::PreTranslateMessage(MSG* pMsg) {
    if (IsSwallowedKey(*pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

LRESULT CLayeredShellDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_MOVE:
        OnMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_WINDOWPOSCHANGED: {
        const LRESULT result = Default();
        const UINT flags = reinterpret_cast<const WINDOWPOS*>(lParam)->flags;
        if (flags & SWP_SHOWWINDOW)
            KeepLayerAbove();
        // An owned window stays up when its owner is hidden: the layer goes with its shell.
        if ((flags & SWP_HIDEWINDOW) && m_pChildDlg && ::IsWindow(m_pChildDlg->m_hWnd))
            m_pChildDlg->ShowWindow(SW_HIDE);
        return result;
    }
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}

// The shell goes: its picture and its layer go with it.
void CLayeredShellDlg::OnDestroy() {
    CDialog::OnDestroy();
    ReleasePicture(m_pShellImage);
    delete m_pChildDlg;
    m_pChildDlg = nullptr;
}

// The layer is shown before its shell, and some window systems (Wine's X11 driver) map the shell
// on top of the layer they already show, although an owned window belongs above its owner: the
// layer would then lie hidden under the shell and the shell would take its clicks. Showing the
// layer again once the shell is shown puts it back on top everywhere.
void CLayeredShellDlg::KeepLayerAbove() {
    if (!m_pChildDlg || !::IsWindow(m_pChildDlg->m_hWnd) || !m_pChildDlg->IsWindowVisible())
        return;
    m_pChildDlg->SetWindowPos(nullptr, 0, 0, 0, 0,
                              SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                                  SWP_NOACTIVATE);
    m_pChildDlg->SetWindowPos(HWND_TOP, 0, 0, 0, 0,
                              SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The shell moved (centred by the framework): the layer follows until it leads itself.
void CLayeredShellDlg::OnMove(int x, int y) {
    CDialog::OnMove(x, y);
    if (!m_bMoveChild || !m_pChildDlg || !::IsWindow(m_pChildDlg->m_hWnd))
        return;
    CRect shell;
    GetWindowRect(&shell);
    m_pChildDlg->MoveWindow(LayerRectFollowing(shell, m_pair.insets, m_fScale), TRUE);
}
