// Renders the tool's windows for the README: drives the real tool as the end-to-end tests do
// and saves what lies on the screen under each window as a PNG.
// Usage: e2e_screenshots.exe OUTPUT_FOLDER DPI
#include "e2e/ToolDriver.h"

#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace e2e;
using namespace testsupport;

namespace {

const int kClose = 1010, kDetect = 1014, kBusyText = 1000, kFeedbackSolved = 1003;

bool PngEncoder(CLSID* clsid) {
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    std::vector<BYTE> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    Gdiplus::GetImageEncoders(count, size, codecs);
    for (UINT i = 0; i < count; ++i)
        if (std::wstring(codecs[i].MimeType) == L"image/png") {
            *clsid = codecs[i].Clsid;
            return true;
        }
    return false;
}

// Saves the screen under the window (a shell: its picture's shadow included).
bool Capture(HWND hWnd, const std::wstring& path) {
    const RECT rc = ScreenRect(hWnd);
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, rc.left, rc.top, SRCCOPY | CAPTUREBLT);
    SelectObject(memory, old);
    bool saved = false;
    CLSID png;
    if (PngEncoder(&png)) {
        Gdiplus::Bitmap image(bitmap, nullptr);
        saved = image.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    wprintf(L"%ls %ls\n", saved ? L"saved" : L"FAILED", path.c_str());
    return saved;
}

// Lets the windows paint before the picture is taken.
void Settle() {
    WaitUntil([] { return false; }, 700);
}

HWND ShellOf(HWND layer) {
    return GetWindow(layer, GW_OWNER);
}

bool Fail(const char* what) {
    std::printf("screenshots: %s\n", what);
    return false;
}

// One run of the tool with powercfg steered by mode; shoots what the caller asks for.
bool Run(const std::wstring& powercfg, const std::wstring& out, const std::wstring& dpi,
         bool mainAndFeedback, bool busy, const std::wstring& verdictName) {
    ScopedEnv fake(L"MSDT_FAKE_POWERCFG", powercfg);
    ToolCopy copy;
    RunningTool tool(copy);
    if (!tool.WaitForMainWindow())
        return Fail("no main window");
    Settle();
    if (mainAndFeedback && !Capture(tool.Host(), out + L"\\main-" + dpi + L".png"))
        return false;
    if (!ClickControl(tool.Control(kDetect)))
        return Fail("detect button not clickable");
    if (busy) {
        HWND layer = WaitForLayerWithControl(tool.Id(), kBusyText);
        if (!layer)
            return Fail("no busy prompt");
        Settle();
        Capture(ShellOf(layer), out + L"\\busy-" + dpi + L".png");
    }
    HWND prompt = WaitForMessagePrompt(tool.Id(), 120000);
    if (!prompt)
        return Fail("no verdict prompt");
    Settle();
    Capture(ShellOf(prompt), out + L"\\verdict-" + verdictName + L"-" + dpi + L".png");
    ConfirmPrompt(tool.Id(), prompt);
    if (mainAndFeedback) {
        ClickControl(tool.Control(kClose));
        HWND feedback = WaitForLayerWithControl(tool.Id(), kFeedbackSolved);
        if (!feedback)
            return Fail("no feedback dialog");
        Settle();
        Capture(ShellOf(feedback), out + L"\\feedback-" + dpi + L".png");
    }
    return true;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3)
        return 2;
    const std::wstring out = argv[1], dpi = argv[2];
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    bool ok;
    {
        ScopedToolLog log;
        ScopedRegistryValue logPixels(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels",
                                      static_cast<DWORD>(_wtoi(dpi.c_str())));
        TempDir fixtures;
        const std::wstring notSupported = fixtures / L"not-supported.txt";
        WriteBytes(notSupported,
                   ToGbk(L"此系统上有以下睡眠状态:\r\n    待机 (S3)\r\n    休眠\r\n"));
        ok = Run(L"", out, dpi, true, false, L"supported") &&
             Run(L"file:" + notSupported, out, dpi, false, false, L"not-supported") &&
             Run(L"hang", out, dpi, false, true, L"failed");
    }
    Gdiplus::GdiplusShutdown(token);
    return ok ? 0 : 1;
}
