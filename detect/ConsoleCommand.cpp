#include "detect/ConsoleCommand.h"

#include <atomic>
#include <vector>

namespace {

typedef BOOL(WINAPI* IsWow64ProcessFn)(HANDLE, PBOOL);

// Filled by the first successful lookup; two threads filling it at once store the same value.
std::atomic<IsWow64ProcessFn> g_pfnIsWow64Process{nullptr};

constexpr DWORD kReadBufferSize = 4096;
constexpr size_t kCommandLineChars = 2048;

// Owns a kernel handle; closes it once.
class ScopedHandle {
  public:
    explicit ScopedHandle(HANDLE h = nullptr) : m_h(h) {}
    ~ScopedHandle() { Close(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    HANDLE Get() const { return m_h; }
    HANDLE* Out() { return &m_h; }
    void Close() {
        if (m_h && m_h != INVALID_HANDLE_VALUE)
            CloseHandle(m_h);
        m_h = nullptr;
    }

  private:
    HANDLE m_h;
};

// Switches WOW64 file-system redirection off for this thread and back on when it goes.
class RedirectionOff {
  public:
    RedirectionOff() {
        if (Is64BitSystem()) {
            m_active = Wow64DisableWow64FsRedirection(&m_old) == TRUE;
            m_failed = !m_active;
        }
    }
    ~RedirectionOff() {
        if (m_active)
            Wow64RevertWow64FsRedirection(m_old);
    }
    RedirectionOff(const RedirectionOff&) = delete;
    RedirectionOff& operator=(const RedirectionOff&) = delete;
    bool Failed() const { return m_failed; }

  private:
    PVOID m_old = nullptr;
    bool m_active = false;
    bool m_failed = false;
};

// Ends the job (the command and all it started) if the run is not over by the deadline.
class Watchdog {
  public:
    Watchdog(HANDLE job, HANDLE process, DWORD timeoutMs)
        : m_job(job), m_process(process), m_timeoutMs(timeoutMs) {
        m_done.Out()[0] = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (m_done.Get())
            m_thread.Out()[0] = CreateThread(nullptr, 0, &Watchdog::ThreadProc, this, 0, nullptr);
    }
    ~Watchdog() {
        if (m_done.Get())
            SetEvent(m_done.Get());
        if (m_thread.Get())
            WaitForSingleObject(m_thread.Get(), INFINITE);
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;
    bool Fired() const { return m_fired.load(); }

  private:
    static DWORD WINAPI ThreadProc(LPVOID param) {
        auto* self = static_cast<Watchdog*>(param);
        if (WaitForSingleObject(self->m_done.Get(), self->m_timeoutMs) == WAIT_TIMEOUT) {
            self->m_fired = true;
            if (!self->m_job || !TerminateJobObject(self->m_job, 1))
                TerminateProcess(self->m_process, 1);
        }
        return 0;
    }

    HANDLE m_job;     // borrowed
    HANDLE m_process; // borrowed
    DWORD m_timeoutMs;
    ScopedHandle m_done;
    ScopedHandle m_thread;
    std::atomic<bool> m_fired{false};
};

} // namespace

BOOL CallIsWow64Process(HANDLE hProcess, PBOOL pbWow64) {
    IsWow64ProcessFn fn = g_pfnIsWow64Process.load();
    if (!fn) {
        HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
        if (!kernel)
            return FALSE;
        fn = reinterpret_cast<IsWow64ProcessFn>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
        g_pfnIsWow64Process.store(fn);
        if (!fn)
            return FALSE;
    }
    return fn(hProcess, pbWow64);
}

BOOL Is64BitSystem() {
    BOOL wow64 = FALSE;
    return (CallIsWow64Process(GetCurrentProcess(), &wow64) && wow64) ? TRUE : FALSE;
}

std::wstring NativeInterpreterPath() {
    wchar_t dir[MAX_PATH] = {};
    UINT n = GetSystemDirectoryW(dir, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return std::wstring();
    return std::wstring(dir, n) + L"\\cmd.exe";
}

std::wstring ConvertOutputChunk(const char* chunk) {
    int n = MultiByteToWideChar(CP_ACP, 0, chunk, -1, nullptr, 0);
    if (n <= 1)
        return std::wstring();
    std::wstring text(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, chunk, -1, &text[0], n);
    text.resize(static_cast<size_t>(n - 1));
    return text;
}

BOOL RunConsoleCommand(std::wstring command, std::wstring* pOutput) {
    return RunConsoleCommand(std::move(command), pOutput, ConsoleRunOptions());
}

BOOL RunConsoleCommand(std::wstring command, std::wstring* pOutput,
                       const ConsoleRunOptions& options) {
    RedirectionOff redirection;
    if (redirection.Failed())
        return FALSE;

    // Only the write end is inherited: the child has no use for the read end.
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    ScopedHandle readEnd, writeEnd;
    if (!CreatePipe(readEnd.Out(), writeEnd.Out(), &sa, 0))
        return FALSE;
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW si;
    ZeroMemory(&si, sizeof(si));
    si.cb = sizeof(si);
    GetStartupInfoW(&si);
    si.hStdOutput = writeEnd.Get();
    si.hStdError = writeEnd.Get();
    si.wShowWindow = SW_HIDE;
    si.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;

    std::vector<wchar_t> commandLine(kCommandLineChars, L'\0');
    std::wstring formatted = L"cmd /C " + command;
    if (formatted.size() >= kCommandLineChars)
        return FALSE;
    wsprintfW(commandLine.data(), L"%s", formatted.c_str());

    // The interpreter comes from the native system folder and starts there, so that neither
    // the current folder nor the tool's folder can supply cmd.exe or the command it runs.
    const std::wstring interpreter =
        options.interpreterPath.empty() ? NativeInterpreterPath() : options.interpreterPath;
    wchar_t systemDir[MAX_PATH] = {};
    GetSystemDirectoryW(systemDir, MAX_PATH);

    // Started suspended inside a job, so that everything the command starts can be ended
    // together at the time bound.
    ScopedHandle job(CreateJobObjectW(nullptr, nullptr));
    PROCESS_INFORMATION pi = {};
    if (interpreter.empty() ||
        !CreateProcessW(interpreter.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                        CREATE_SUSPENDED, nullptr, systemDir, &si, &pi))
        return FALSE;
    ScopedHandle process(pi.hProcess), thread(pi.hThread);
    if (job.Get() && !AssignProcessToJobObject(job.Get(), process.Get()))
        job.Close();
    ResumeThread(thread.Get());

    writeEnd.Close();

    std::wstring captured;
    {
        Watchdog watchdog(job.Get(), process.Get(), options.timeoutMs);
        std::vector<char> buffer(kReadBufferSize);
        for (;;) {
            ZeroMemory(buffer.data(), buffer.size());
            DWORD read = 0;
            if (!ReadFile(readEnd.Get(), buffer.data(), kReadBufferSize - 1, &read, nullptr))
                break;
            captured += ConvertOutputChunk(buffer.data());
            if (watchdog.Fired())
                break;
            Sleep(options.chunkPauseMs);
        }
        readEnd.Close();
        WaitForSingleObject(process.Get(), INFINITE);
        if (watchdog.Fired())
            return FALSE;
    }
    *pOutput += captured;
    return TRUE;
}
