// Drives real windows as a person would: finds them, reads them and clicks them with real
// mouse input. Used by the end-to-end tests of the tool and by window tests.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Polls the condition every 20 ms, pumping this thread's messages, until it holds or the time
// is up. Returns the condition's last value.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// Visible top-level windows of one process, in Z order.
std::vector<HWND> TopLevelWindows(DWORD processId);

// The first visible top-level window of the process whose text is exactly title ("" = any),
// waiting up to timeoutMs; null if none appeared.
HWND WaitForWindow(DWORD processId, const std::wstring& title, DWORD timeoutMs = 10000);

// A window's text and its rectangle on the screen.
std::wstring WindowText(HWND hWnd);
RECT ScreenRect(HWND hWnd);

// Moves the real cursor and clicks the left button at a point on the screen.
void MoveCursorTo(POINT screenPoint);
void ClickAt(POINT screenPoint);
// Clicks the middle of a control (or any window).
void ClickCenter(HWND hWnd);
// Presses and releases one key (for example VK_ESCAPE) on the focused window.
void PressKey(WORD virtualKey);

// A process started for a test; ended at the latest when the object goes.
class ChildProcess {
  public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Start(const std::wstring& exe, const std::wstring& cwd);
    DWORD Id() const { return m_pi.dwProcessId; }
    HANDLE Handle() const { return m_pi.hProcess; }
    // Waits for the end; returns the exit code, or -1 when it did not end in time.
    int WaitExit(DWORD timeoutMs);
    bool Running() const;

  private:
    PROCESS_INFORMATION m_pi = {};
};

} // namespace testsupport
