#include "support/GuiDriver.h"

namespace testsupport {

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return condition();
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(20);
    }
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

void MoveCursorTo(POINT screenPoint) {
    SetCursorPos(screenPoint.x, screenPoint.y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = screenPoint.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = screenPoint.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(INPUT));
    Sleep(30);
}

void ClickAt(POINT screenPoint) {
    MoveCursorTo(screenPoint);
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &inputs[0], sizeof(INPUT));
    Sleep(30);
    SendInput(1, &inputs[1], sizeof(INPUT));
    Sleep(30);
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
    SendInput(2, inputs, sizeof(INPUT));
    Sleep(30);
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
