// The floor for start-up: the least a skinned window of ours must do. It starts GDI+, loads
// the tool's main shell picture from its resources and shows it once as a layered window with
// per-pixel alpha, then waits for WM_CLOSE. Nothing else: no controls, no library, no checks.
#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

namespace {

constexpr wchar_t kClassName[] = L"MsdtBenchFloor";

Gdiplus::Bitmap* LoadPicture(HINSTANCE instance) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(1), L"PNG");
    if (!found)
        return nullptr;
    const DWORD size = SizeofResource(instance, found);
    const void* bytes = LockResource(LoadResource(instance, found));
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!bytes || !copy)
        return nullptr;
    CopyMemory(GlobalLock(copy), bytes, size);
    GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(copy, TRUE, &stream) != S_OK) {
        GlobalFree(copy);
        return nullptr;
    }
    Gdiplus::Bitmap* picture = Gdiplus::Bitmap::FromStream(stream);
    stream->Release();
    return picture;
}

// Draws the picture into a 32-bit DIB and hands it to the layered window, centred on screen.
void Paint(HWND hWnd, Gdiplus::Bitmap* picture) {
    const int width = static_cast<int>(picture->GetWidth());
    const int height = static_cast<int>(picture->GetHeight());
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    {
        Gdiplus::Graphics graphics(memory);
        graphics.DrawImage(picture, 0, 0, width, height);
    }
    POINT at = {(GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                (GetSystemMetrics(SM_CYSCREEN) - height) / 2};
    SIZE size = {width, height};
    POINT origin = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(hWnd, screen, &at, &size, memory, &origin, 0, &blend, ULW_ALPHA);
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return 1;
    int result = 1;
    if (Gdiplus::Bitmap* picture = LoadPicture(instance)) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kClassName;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        RegisterClassW(&windowClass);
        HWND hWnd = CreateWindowExW(WS_EX_LAYERED, kClassName, L"floor", WS_POPUP, 0, 0, 0, 0,
                                    nullptr, nullptr, instance, nullptr);
        if (hWnd) {
            Paint(hWnd, picture);
            ShowWindow(hWnd, SW_SHOW);
            MSG msg;
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            result = 0;
        }
        delete picture;
    }
    Gdiplus::GdiplusShutdown(token);
    return result;
}
