#include "dialogs/CControlLayerDlg.h"

#include "dialogs/CLayeredShellDlg.h"

CControlLayerDlg::CControlLayerDlg(UINT nIDTemplate, const WindowPairGeometry& pair,
                                   UINT nBkPicture)
    : CDialog(nIDTemplate), m_pair(pair), m_nBkPicture(nBkPicture) {}

CControlLayerDlg::~CControlLayerDlg() {
    ReleasePicture(m_pBkImage);
}

BOOL CControlLayerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Without its picture the layer keeps the template's places: there is nothing to lay out on.
    if (m_pBkImage || LoadPngResource(&m_pBkImage, m_nBkPicture)) {
        LayoutControls(TRUE);
        m_bInitDone = TRUE;
    }
    return TRUE;
}

BOOL CControlLayerDlg::PreTranslateMessage(MSG* pMsg) {
    if (IsSwallowedKey(*pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

LRESULT CControlLayerDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_ERASEBKGND: {
        CDC dc(reinterpret_cast<HDC>(wParam));
        return OnEraseBkgnd(&dc);
    }
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_MOVE:
        if (!m_pair.draggable)
            break;
        OnMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_NCHITTEST:
        if (!m_pair.draggable)
            break;
        return OnNcHitTest(CPoint(lParam));
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}

void CControlLayerDlg::OnDestroy() {
    CDialog::OnDestroy();
    ReleaseControlPictures();
    ReleasePicture(m_pBkImage);
}

// Paints the layer's picture stretched over the client area; the picture loads lazily.
BOOL CControlLayerDlg::OnEraseBkgnd(CDC* pDC) {
    if (!m_pBkImage && !LoadPngResource(&m_pBkImage, m_nBkPicture))
        return TRUE;
    CRect client;
    GetClientRect(&client);
    const CRect source(0, 0, static_cast<int>(m_pBkImage->GetWidth()),
                       static_cast<int>(m_pBkImage->GetHeight()));
    if (!m_bEraseOffscreen) {
        Gdiplus::Graphics graphics(pDC->m_hDC);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        DrawPicturePart(graphics, m_pBkImage, client, source);
        return TRUE;
    }
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(pDC) ||
        !bitmap.CreateCompatibleBitmap(pDC, client.Width(), client.Height()))
        return TRUE;
    ScopedSelect select(memory, bitmap);
    {
        Gdiplus::Graphics graphics(memory.m_hDC);
        DrawPicturePart(graphics, m_pBkImage, client, source);
    }
    pDC->BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
    return TRUE;
}

// Hit test of a draggable layer: its top strip drags the window like a caption.
LRESULT CControlLayerDlg::OnNcHitTest(CPoint point) {
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    m_bDragArea = DragStrip(client, m_pair.dragExcludedRight, m_fScale).PtInRect(point);
    if (m_bDragArea)
        return HTCAPTION;
    return CDialog::OnNcHitTest(point);
}

// The layer was dragged: from now on it leads and the shell follows around it.
void CControlLayerDlg::OnMove(int x, int y) {
    CDialog::OnMove(x, y);
    if (!m_bDragArea)
        return;
    HWND hShell = ::GetParent(m_hWnd);
    if (!hShell)
        return;
    float scale = m_fScale;
    if (auto* pShell = dynamic_cast<CLayeredShellDlg*>(CWnd::FromHandlePermanent(hShell))) {
        pShell->m_bMoveChild = FALSE;
        scale = pShell->m_fScale;
    }
    CRect layer;
    GetWindowRect(&layer);
    const CRect shell = ShellRectAround(layer, m_pair.insets, scale);
    ::MoveWindow(hShell, shell.left, shell.top, shell.Width(), shell.Height(), TRUE);
}

void CControlLayerDlg::OnSize(UINT nType, int cx, int cy) {
    CDialog::OnSize(nType, cx, cy);
    if (m_bInitDone)
        LayoutControls(FALSE);
}
