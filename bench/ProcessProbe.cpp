#include "bench/ProcessProbe.h"

namespace {

// Owns a kernel handle.
class Handle {
  public:
    explicit Handle(HANDLE h) : m_h(h) {}
    ~Handle() {
        if (m_h)
            CloseHandle(m_h);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE Get() const { return m_h; }

  private:
    HANDLE m_h;
};

// Memory inside another process, released when the object goes.
class RemoteMemory {
  public:
    RemoteMemory(HANDLE process, SIZE_T size)
        : m_process(process), m_address(VirtualAllocEx(process, nullptr, size,
                                                       MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~RemoteMemory() {
        if (m_address)
            VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    void* Get() const { return m_address; }

  private:
    HANDLE m_process; // borrowed
    void* m_address;
};

} // namespace

std::wstring MeasureLibraryBesideThisProgram() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder + MSDT_MEASURE_DLL;
}

bool ProcessProbe::RunRemote(ULONG_PTR proc, LPVOID param, DWORD timeoutMs, DWORD* exitCode) const {
    Handle thread(CreateRemoteThread(
        m_process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(proc), param, 0, nullptr));
    if (!thread.Get() || WaitForSingleObject(thread.Get(), timeoutMs) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeThread(thread.Get(), exitCode) != 0;
}

bool ProcessProbe::Attach(HANDLE process, const std::wstring& libraryPath) {
    m_process = process;
    m_measure = 0;
    // Take the procedure's offset in the library here and add it to the library's base there:
    // the two bases need not be the same.
    HMODULE local = LoadLibraryW(libraryPath.c_str());
    if (!local)
        return false;
    const ULONG_PTR localBase = reinterpret_cast<ULONG_PTR>(local);
    const ULONG_PTR measure = reinterpret_cast<ULONG_PTR>(GetProcAddress(local, MSDT_MEASURE_PROC));
    if (!measure)
        return false;

    const SIZE_T bytes = (libraryPath.size() + 1) * sizeof(wchar_t);
    RemoteMemory name(process, bytes);
    if (!name.Get() ||
        !WriteProcessMemory(process, name.Get(), libraryPath.c_str(), bytes, nullptr))
        return false;
    // kernel32 lies at the same address in every process of the session.
    const ULONG_PTR loadLibrary = reinterpret_cast<ULONG_PTR>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW"));
    DWORD remoteBase = 0;
    if (!RunRemote(loadLibrary, name.Get(), 30000, &remoteBase) || remoteBase == 0)
        return false;
    m_measure = remoteBase + (measure - localBase);
    return true;
}

bool ProcessProbe::Measure(ProcessFigures* figures, DWORD timeoutMs) const {
    if (!m_measure)
        return false;
    RemoteMemory out(m_process, sizeof(ProcessFigures));
    DWORD filled = 0;
    if (!out.Get() || !RunRemote(m_measure, out.Get(), timeoutMs, &filled) || filled != 1)
        return false;
    SIZE_T read = 0;
    return ReadProcessMemory(m_process, out.Get(), figures, sizeof(*figures), &read) &&
           read == sizeof(*figures);
}

bool ProcessProbe::MeasureSettled(ProcessFigures* figures) const {
    ProcessFigures previous = {};
    if (!Measure(&previous))
        return false;
    for (int sample = 1; sample < 8; ++sample) {
        if (!Measure(figures))
            return false;
        if (figures->gdiObjects == previous.gdiObjects &&
            figures->UserObjects() == previous.UserObjects())
            return true;
        previous = *figures;
    }
    return true;
}
