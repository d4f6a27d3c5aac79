// Stand-in for the console tools the detector runs (powercfg, wmic, timeout). One program,
// installed under each name; what it does is chosen by the environment variable
// MSDT_FAKE_<NAME> (NAME is the upper-case file name without extension):
//   unset          built-in default output (a supported Simplified Chinese machine, Windows 10)
//   file:PATH      copy the bytes of PATH to standard output unchanged (fixtures are GBK)
//   hang           never end
//   spawn-hang     start a copy of itself that never ends, then never end
//   exit:N         print nothing and end with code N
// When MSDT_FAKE_LOG names a file, one UTF-8 line "<NAME>\t<pid>\t<own path>\t<current
// folder>\t<command line>" is appended to it, so tests see which program ran, from where,
// and with what.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

std::wstring Env(const wchar_t* name) {
    wchar_t buf[32768];
    DWORD n = GetEnvironmentVariableW(name, buf, 32768);
    return (n > 0 && n < 32768) ? std::wstring(buf, n) : std::wstring();
}

std::wstring OwnName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        name = name.substr(slash + 1);
    size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos)
        name = name.substr(0, dot);
    CharUpperW(&name[0]);
    return name;
}

void WriteAll(HANDLE h, const char* data, DWORD size) {
    while (size > 0) {
        DWORD done = 0;
        if (!WriteFile(h, data, size, &done, nullptr) || done == 0)
            return;
        data += done;
        size -= done;
    }
}

void AppendLog(const std::wstring& name) {
    std::wstring logPath = Env(L"MSDT_FAKE_LOG");
    if (logPath.empty())
        return;
    wchar_t cwd[MAX_PATH] = {}, self[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, cwd);
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring line = name + L"\t" + std::to_wstring(GetCurrentProcessId()) + L"\t" + self +
                        L"\t" + cwd + L"\t" + GetCommandLineW() + L"\r\n";
    int len = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(len, '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, &utf8[0], len, nullptr, nullptr);
    // Several fakes may log at once: append under a retry loop on sharing violations.
    for (int attempt = 0; attempt < 200; ++attempt) {
        HANDLE h = CreateFileW(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            WriteAll(h, utf8.data(), static_cast<DWORD>(utf8.size() - 1));
            CloseHandle(h);
            return;
        }
        Sleep(10);
    }
}

const char* DefaultOutput(const std::wstring& name) {
    if (name == L"POWERCFG")
        return "此系统上有以下睡眠状态:\r\n"
               "    待机 (S0 低电量待机) 连接的网络\r\n"
               "    休眠\r\n"
               "    快速启动\r\n\r\n"
               "此系统上没有以下睡眠状态:\r\n"
               "    待机 (S1)\r\n"
               "        系统固件不支持此待机状态。\r\n";
    if (name == L"WMIC")
        return "Name                                                                    Status  "
               "\r\r\n"
               "Microsoft Windows 10 专业版|C:\\WINDOWS|\\Device\\Harddisk0\\Partition3  OK      "
               "\r\r\n"
               "\r\r\n";
    return "";
}

int TimeoutSeconds() {
    // "timeout /t N /nobreak": sleep N seconds, like the real tool.
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    int seconds = 0;
    for (int i = 1; argv && i + 1 < argc; ++i)
        if (lstrcmpiW(argv[i], L"/t") == 0)
            seconds = _wtoi(argv[i + 1]);
    LocalFree(argv);
    return seconds;
}

} // namespace

int wmain() {
    const std::wstring name = OwnName();
    AppendLog(name);
    const std::wstring mode = Env((L"MSDT_FAKE_" + name).c_str());
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);

    if (mode.empty()) {
        if (name == L"TIMEOUT") {
            Sleep(static_cast<DWORD>(TimeoutSeconds()) * 1000);
            return 0;
        }
        const char* text = DefaultOutput(name);
        WriteAll(out, text, lstrlenA(text));
        return 0;
    }
    if (mode.compare(0, 5, L"file:") == 0) {
        HANDLE f = CreateFileW(mode.c_str() + 5, GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
        if (f == INVALID_HANDLE_VALUE)
            return 2;
        std::vector<char> data(GetFileSize(f, nullptr));
        DWORD got = 0;
        if (!data.empty())
            ReadFile(f, data.data(), static_cast<DWORD>(data.size()), &got, nullptr);
        CloseHandle(f);
        WriteAll(out, data.data(), got);
        return 0;
    }
    if (mode.compare(0, 5, L"exit:") == 0)
        return _wtoi(mode.c_str() + 5);
    if (mode == L"spawn-hang") {
        SetEnvironmentVariableW((L"MSDT_FAKE_" + name).c_str(), L"hang");
        wchar_t self[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring cmd = L"\"" + std::wstring(self) + L"\"";
        STARTUPINFOW si = {};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi = {};
        if (CreateProcessW(self, &cmd[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
            CloseHandle(pi.hThread);
            CloseHandle(pi.hProcess);
        }
    }
    Sleep(INFINITE); // "hang" and "spawn-hang"
    return 0;
}
