#include "support/TestSupport.h"

#include <shellapi.h>

namespace testsupport {

TempDir::TempDir() {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    static LONG counter = 0;
    for (;;) {
        m_path = std::wstring(base) + L"msdt-test-" + std::to_wstring(GetCurrentProcessId()) +
                 L"-" + std::to_wstring(InterlockedIncrement(&counter));
        if (CreateDirectoryW(m_path.c_str(), nullptr))
            break;
    }
}

TempDir::~TempDir() {
    RemoveTree(m_path);
}

ScopedEnv::ScopedEnv(const std::wstring& name, const std::wstring& value) : m_name(name) {
    wchar_t buf[32768];
    DWORD n = GetEnvironmentVariableW(name.c_str(), buf, 32768);
    m_had = n > 0 && n < 32768;
    if (m_had)
        m_old.assign(buf, n);
    SetEnvironmentVariableW(name.c_str(), value.c_str());
}

ScopedEnv::~ScopedEnv() {
    SetEnvironmentVariableW(m_name.c_str(), m_had ? m_old.c_str() : nullptr);
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD done = 0;
    BOOL ok = bytes.empty() ||
              WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    CloseHandle(h);
    return ok && done == bytes.size();
}

std::string ReadBytes(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::string();
    std::string data(GetFileSize(h, nullptr), '\0');
    DWORD got = 0;
    if (!data.empty())
        ReadFile(h, &data[0], static_cast<DWORD>(data.size()), &got, nullptr);
    CloseHandle(h);
    data.resize(got);
    return data;
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileW(child.c_str());
        } while (FindNextFileW(find, &fd));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

std::wstring ExeDir() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir = path;
    return dir.substr(0, dir.find_last_of(L'\\'));
}

std::wstring BuildFile(const std::wstring& relative) {
    return std::wstring(MSDT_BINARY_DIR_W) + L"\\" + relative;
}

static std::wstring Widen(UINT cp, const std::string& s) {
    if (s.empty())
        return std::wstring();
    int n = MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), &w[0], n);
    return w;
}

static std::string Narrow(UINT cp, const std::wstring& w) {
    if (w.empty())
        return std::string();
    int n = WideCharToMultiByte(cp, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(cp, 0, w.data(), static_cast<int>(w.size()), &s[0], n, nullptr, nullptr);
    return s;
}

std::wstring FromUtf8(const std::string& s) {
    return Widen(CP_UTF8, s);
}
std::string ToUtf8(const std::wstring& s) {
    return Narrow(CP_UTF8, s);
}
std::string ToGbk(const std::wstring& s) {
    return Narrow(936, s);
}
std::wstring FromGbk(const std::string& s) {
    return Widen(936, s);
}

int RunProcess(const std::wstring& exe, const std::wstring& args, const std::wstring& cwd,
               DWORD timeoutMs) {
    std::wstring cmd = L"\"" + exe + L"\" " + args;
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr,
                        cwd.empty() ? nullptr : cwd.c_str(), &si, &pi))
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &code);
    else
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}

std::vector<std::string> ReadLines(const std::wstring& path) {
    std::vector<std::string> lines;
    std::string data = ReadBytes(path), line;
    for (char c : data) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

} // namespace testsupport
