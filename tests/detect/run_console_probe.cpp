// Test helper: runs one console command through the runner and writes "<result>\n<output>"
// (UTF-8) to the file named by the first argument. Copied into planted folders by the tests.
#include "detect/ConsoleCommand.h"

#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc < 3)
        return 2;
    std::wstring output;
    BOOL ok = RunConsoleCommand(argv[2], &output);
    std::wstring text = (ok ? L"1\n" : L"0\n") + output;
    int len = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(len), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &utf8[0], len, nullptr, nullptr);
    HANDLE h = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return 3;
    DWORD done = 0;
    WriteFile(h, utf8.data(), static_cast<DWORD>(len - 1), &done, nullptr);
    CloseHandle(h);
    return 0;
}
