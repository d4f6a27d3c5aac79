#include "detect/ModernStandbyDetector.h"

#include "detect/ToolLogEntries.h"


const wchar_t* const kModernStandbyMarker = L"待机 (S0 低电量待机) 连接的网络";

namespace {

struct RefusedVersion {
    DWORD major;
    DWORD minor;
};

// Windows 2000 to 8.1: refused without asking anything else.
constexpr RefusedVersion kRefusedVersions[] = {{5, 0}, {5, 1}, {5, 2}, {6, 0},
                                               {6, 1}, {6, 2}, {6, 3}};

BOOL RunDefault(const std::wstring& command, std::wstring* output) {
    return RunConsoleCommand(command, output);
}

HANDLE CreateDefaultThread(LPTHREAD_START_ROUTINE proc, LPVOID param) {
    return CreateThread(nullptr, 0, proc, param, 0, nullptr);
}

} // namespace

OsVersionNumbers ReadOsVersionFromPeb() {
    // 32-bit process environment block: OSMajorVersion at 0xA4, OSMinorVersion at 0xA8.
    // The thread block at fs:0 holds the environment block's address at 0x30.
    DWORD pebAddress = 0;
    __asm__("movl %%fs:0x30, %0" : "=r"(pebAddress));
    const BYTE* peb = reinterpret_cast<const BYTE*>(pebAddress);
    return {*reinterpret_cast<const ULONG*>(peb + 0xA4),
            *reinterpret_cast<const ULONG*>(peb + 0xA8)};
}

BOOL IsSupportedSystemVersion(OsVersionNumbers version, const CommandRunner& run) {
    for (const RefusedVersion& refused : kRefusedVersions)
        if (refused.major == version.major && refused.minor == version.minor)
            return FALSE;
    if (version.major == 10 && version.minor == 0)
        return TRUE;

    std::wstring output;
    if (!run(L"WMIC OS List status", &output))
        return FALSE;
    return output.find(L"Windows 11") != std::wstring::npos ? TRUE : FALSE;
}

int VerdictFromProbe(BOOL ran, const std::wstring& output) {
    if (!ran)
        return DETECT_FAILED;
    return output.find(kModernStandbyMarker) != std::wstring::npos ? DETECT_SUPPORTED
                                                                   : DETECT_NOT_SUPPORTED;
}

CModernStandbyDetector::CModernStandbyDetector()
    : m_hNotifyWnd(nullptr), m_runCommand(RunDefault), m_createThread(CreateDefaultThread),
      m_readOsVersion(ReadOsVersionFromPeb) {}

BOOL CModernStandbyDetector::SetNotifyWindow(HWND hWnd) {
    if (!hWnd)
        return FALSE;
    m_hNotifyWnd = hWnd;
    return TRUE;
}

BOOL CModernStandbyDetector::CheckSystemVersion() {
    return IsSupportedSystemVersion(m_readOsVersion(), m_runCommand);
}

BOOL CModernStandbyDetector::StartDetectThread() {
    HANDLE thread = m_createThread(DetectThreadProc, this);
    if (!thread) {
        WriteDetectorLogEntry(DetectorLogEntry::ThreadCreationFailed);
        return FALSE;
    }
    CloseHandle(thread); // detached: nothing waits for the worker
    return TRUE;
}

BOOL CModernStandbyDetector::DetectModernStandby() {
    std::wstring output;
    const BOOL ran = m_runCommand(L"powercfg /a", &output);
    const int verdict = VerdictFromProbe(ran, output);

    // Both sends return only after the window handled them; the verdict prompt is modal, so
    // the log entry below is written after the user has closed it.
    SendMessageW(m_hNotifyWnd, WM_CLOSE_EXECUTE_PROMPT, 0, 0);
    SendMessageW(m_hNotifyWnd, WM_DETECT_RESULT, static_cast<WPARAM>(verdict), 0);

    if (verdict == DETECT_FAILED)
        WriteDetectorLogEntry(DetectorLogEntry::DetectionFailed);
    if (verdict == DETECT_NOT_SUPPORTED)
        WriteDetectorLogEntry(DetectorLogEntry::NotSupported);
    return verdict == DETECT_SUPPORTED ? TRUE : FALSE;
}

DWORD WINAPI DetectThreadProc(LPVOID lpParameter) {
    static_cast<CModernStandbyDetector*>(lpParameter)->DetectModernStandby();
    return 1;
}
