// Decides whether this PC supports Modern Standby (S0 low-power idle) from the output of
// "powercfg /a", on a worker thread, and whether this Windows version is one the tool serves.
#pragma once

#include "detect/ConsoleCommand.h"
#include "detect/DetectMessages.h"

#include <functional>
#include <string>

// The line Simplified Chinese Windows prints for S0 low-power idle with network connected.
extern const wchar_t* const kModernStandbyMarker;

// Runs a console command into an output string; same contract as RunConsoleCommand.
using CommandRunner = std::function<BOOL(const std::wstring& command, std::wstring* output)>;

struct OsVersionNumbers {
    DWORD major;
    DWORD minor;
};

// The OS version numbers as the process environment block holds them.
OsVersionNumbers ReadOsVersionFromPeb();

// The version gate as a function of the numbers: 10.0 passes, the older versions of the table
// fail, any other pair passes only when "WMIC OS List status" prints "Windows 11".
BOOL IsSupportedSystemVersion(OsVersionNumbers version, const CommandRunner& run);

// The verdict code for one probe: DETECT_FAILED when the command did not run, otherwise
// whether the marker occurs anywhere in the output.
int VerdictFromProbe(BOOL ran, const std::wstring& output);

class CModernStandbyDetector {
  public:
    using ThreadCreator = std::function<HANDLE(LPTHREAD_START_ROUTINE proc, LPVOID param)>;
    using OsVersionReader = std::function<OsVersionNumbers()>;

    CModernStandbyDetector();

    // FALSE and no change for a null handle.
    BOOL SetNotifyWindow(HWND hWnd);
    // TRUE when this system is Windows 10 or Windows 11.
    BOOL CheckSystemVersion();
    // TRUE when the detached worker thread was created.
    BOOL StartDetectThread();
    // Runs the probe and sends the two messages; TRUE only for DETECT_SUPPORTED.
    BOOL DetectModernStandby();

    // Seams for the platform facts tests steer.
    void SetCommandRunner(CommandRunner run) { m_runCommand = std::move(run); }
    void SetThreadCreator(ThreadCreator create) { m_createThread = std::move(create); }
    void SetOsVersionReader(OsVersionReader read) { m_readOsVersion = std::move(read); }

    HWND m_hNotifyWnd;

  private:
    CommandRunner m_runCommand;
    ThreadCreator m_createThread;
    OsVersionReader m_readOsVersion;
};

// Worker thread procedure: the parameter is the detector. Always returns 1.
DWORD WINAPI DetectThreadProc(LPVOID lpParameter);
