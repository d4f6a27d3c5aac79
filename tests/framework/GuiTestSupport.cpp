#include "GuiTestSupport.h"

#include <objidl.h>

#include <gdiplus.h>

#include <cstdlib>

namespace guitest {

void PumpPending() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs)
            return done();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpPending();
    }
    return true;
}

ScopedGdiplus::ScopedGdiplus() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&m_token, &input, nullptr);
}

ScopedGdiplus::~ScopedGdiplus() {
    if (m_token)
        Gdiplus::GdiplusShutdown(m_token);
}

namespace {
INPUT AbsoluteMouse(int x, int y, DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = static_cast<LONG>((x * 65535.0) / (::GetSystemMetrics(SM_CXSCREEN) - 1) + 0.5);
    in.mi.dy = static_cast<LONG>((y * 65535.0) / (::GetSystemMetrics(SM_CYSCREEN) - 1) + 0.5);
    in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return in;
}
} // namespace

void MoveCursorTo(int x, int y) {
    // Absolute moves through the input queue so that windows get WM_MOUSEMOVE as from a mouse.
    INPUT in = AbsoluteMouse(x, y, 0);
    ::SetCursorPos(x, y);
    ::SendInput(1, &in, sizeof(in));
}

void LeftButton(bool down) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &in, sizeof(in));
}

void PressKey(WORD vk) {
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, in, sizeof(INPUT));
}

COLORREF PixelAt(HWND hWnd, int x, int y) {
    HDC dc = ::GetDC(hWnd);
    COLORREF c = ::GetPixel(dc, x, y);
    ::ReleaseDC(hWnd, dc);
    return c;
}

bool SameColor(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(int(GetRValue(a)) - int(GetRValue(b))) <= tolerance &&
           std::abs(int(GetGValue(a)) - int(GetGValue(b))) <= tolerance &&
           std::abs(int(GetBValue(a)) - int(GetBValue(b))) <= tolerance;
}

POINT ClientCentreOnScreen(HWND hWnd) {
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    POINT p{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ::ClientToScreen(hWnd, &p);
    return p;
}

} // namespace guitest
