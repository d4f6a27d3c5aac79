#include "support/GuiDriver.h"

#include <objidl.h>

#include <gdiplus.h>

#include <cstdlib>

namespace testsupport {

void PumpPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start >= timeoutMs)
            return condition();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
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

struct WindowSearch {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    if (pid == search->pid && IsWindowVisible(hWnd))
        search->found.push_back(hWnd);
    return TRUE;
}

} // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(DWORD processId, const std::wstring& title, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND hWnd : TopLevelWindows(processId))
                if (title.empty() || WindowText(hWnd) == title) {
                    found = hWnd;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

std::wstring WindowText(HWND hWnd) {
    wchar_t text[1024] = {};
    // WM_GETTEXT with a time-out: a hung window must not hang the test.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hWnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 2000, &length))
        return std::wstring();
    return std::wstring(text, static_cast<size_t>(length));
}

RECT ScreenRect(HWND hWnd) {
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    return rc;
}

POINT ClientCentreOnScreen(HWND hWnd) {
    RECT rc = {};
    GetClientRect(hWnd, &rc);
    POINT p{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ClientToScreen(hWnd, &p);
    return p;
}

namespace {

// Long enough for the input to reach the window under it, in this process or another.
constexpr DWORD kInputSettleMs = 30;

void SendSettled(INPUT* inputs, UINT count) {
    SendInput(count, inputs, sizeof(INPUT));
    Sleep(kInputSettleMs);
}

} // namespace

void MoveCursorTo(POINT screenPoint) {
    // Absolute moves through the input queue, so that windows get WM_MOUSEMOVE as from a mouse;
    // rounded, so that the move lands on the very pixel asked for.
    SetCursorPos(screenPoint.x, screenPoint.y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx =
        static_cast<LONG>(screenPoint.x * 65535.0 / (GetSystemMetrics(SM_CXSCREEN) - 1) + 0.5);
    input.mi.dy =
        static_cast<LONG>(screenPoint.y * 65535.0 / (GetSystemMetrics(SM_CYSCREEN) - 1) + 0.5);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendSettled(&input, 1);
}

void LeftButton(bool down) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendSettled(&input, 1);
}

void ClickAt(POINT screenPoint) {
    MoveCursorTo(screenPoint);
    LeftButton(true);
    LeftButton(false);
}

void ClickCenter(HWND hWnd) {
    const RECT rc = ScreenRect(hWnd);
    ClickAt({(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
}

void PressKey(WORD virtualKey) {
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = virtualKey;
    inputs[1].type = INPUT_KEYBOARD;
    inputs[1].ki.wVk = virtualKey;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendSettled(inputs, 2);
}

COLORREF PixelAt(HWND hWnd, int x, int y) {
    HDC dc = GetDC(hWnd);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(hWnd, dc);
    return colour;
}

bool SameColor(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(int(GetRValue(a)) - int(GetRValue(b))) <= tolerance &&
           std::abs(int(GetGValue(a)) - int(GetGValue(b))) <= tolerance &&
           std::abs(int(GetBValue(a)) - int(GetBValue(b))) <= tolerance;
}

ChildProcess::~ChildProcess() {
    if (m_pi.hProcess) {
        if (Running()) {
            TerminateProcess(m_pi.hProcess, 1);
            WaitForSingleObject(m_pi.hProcess, 5000);
        }
        CloseHandle(m_pi.hProcess);
        CloseHandle(m_pi.hThread);
    }
}

bool ChildProcess::Start(const std::wstring& exe, const std::wstring& cwd) {
    std::wstring cmd = L"\"" + exe + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    return CreateProcessW(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr,
                          cwd.empty() ? nullptr : cwd.c_str(), &si, &m_pi) != FALSE;
}

int ChildProcess::WaitExit(DWORD timeoutMs) {
    if (!m_pi.hProcess || WaitForSingleObject(m_pi.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(m_pi.hProcess, &code);
    return static_cast<int>(code);
}

bool ChildProcess::Running() const {
    return m_pi.hProcess && WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

} // namespace testsupport
