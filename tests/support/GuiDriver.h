// Drives real windows as a person would: finds them, reads them and clicks them with real
// mouse and keyboard input. Used by every window test, the end-to-end tests and the bench.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Dispatches this thread's messages until the condition holds or the time is up, waking as soon
// as a message arrives. Returns the condition's last value.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
// Dispatches whatever is queued now.
void PumpPending();

// GDI+ started for the life of the object.
class ScopedGdiplus {
  public:
    ScopedGdiplus();
    ~ScopedGdiplus();
    ScopedGdiplus(const ScopedGdiplus&) = delete;
    ScopedGdiplus& operator=(const ScopedGdiplus&) = delete;

  private:
    ULONG_PTR m_token = 0;
};

// Visible top-level windows of one process, in Z order.
std::vector<HWND> TopLevelWindows(DWORD processId);

// The first visible top-level window of the process whose text is exactly title ("" = any),
// waiting up to timeoutMs; null if none appeared.
HWND WaitForWindow(DWORD processId, const std::wstring& title, DWORD timeoutMs = 10000);

// A window's text and its rectangle on the screen.
std::wstring WindowText(HWND hWnd);
RECT ScreenRect(HWND hWnd);
// Centre of a window's client area in screen coordinates.
POINT ClientCentreOnScreen(HWND hWnd);

// Real input through the system's input queue. Each call gives the input a moment to arrive
// before it returns, so a window in another process sees the events one by one and in order.
void MoveCursorTo(POINT screenPoint);
void LeftButton(bool down);
// Moves the cursor to a point on the screen and clicks the left button there.
void ClickAt(POINT screenPoint);
// Clicks the middle of a control (or any window).
void ClickCenter(HWND hWnd);
// Presses and releases one key (for example VK_ESCAPE) on the focused window.
void PressKey(WORD virtualKey);

// The colour a window shows at a client point (read from its DC).
COLORREF PixelAt(HWND hWnd, int x, int y);
// Each channel within tolerance.
bool SameColor(COLORREF a, COLORREF b, int tolerance = 8);

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
