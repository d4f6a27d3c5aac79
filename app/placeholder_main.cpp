// Entry point. Until the main window exists the tool shows a placeholder message.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    MessageBoxW(nullptr, L"Modern Standby检测工具", L"Modern Standby检测工具", MB_OK);
    return 0;
}
