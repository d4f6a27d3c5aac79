// Helpers for the window tests: pumping messages while waiting, GDI+ for drawing, real mouse and
// keyboard input, and reading back what a window shows.
#pragma once

#include <windows.h>

#include <functional>

namespace guitest {

// Dispatches messages until done() holds or the time-out passes; returns done()'s last value.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
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

// Real input through the system's input queue.
void MoveCursorTo(int x, int y);
void LeftButton(bool down);
void PressKey(WORD vk);

// The colour a window shows at a client point (read from its DC).
COLORREF PixelAt(HWND hWnd, int x, int y);
// Each channel within tolerance.
bool SameColor(COLORREF a, COLORREF b, int tolerance = 8);

// Centre of a window's client area in screen coordinates.
POINT ClientCentreOnScreen(HWND hWnd);

} // namespace guitest
