// A run of a program that links the logging library, for the tool-log tests:
//   idle   logs nothing
//   write  writes one tool-log entry
//   race   eight threads make the first GetInstance call at once; exit code 2 if they got
//          different instances, else one entry is written
#include "log/LogSave.h"
#include "log/ToolLog.h"

#include <windows.h>

#include <string>
#include <thread>
#include <vector>

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"idle")
        return 0;
    if (mode == L"write") {
        WriteToolLog(kToolLogSystemNotSupported);
        return 0;
    }
    if (mode == L"race") {
        HANDLE go = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        std::vector<CLogSave*> seen(8, nullptr);
        std::vector<std::thread> threads;
        for (size_t i = 0; i < seen.size(); ++i)
            threads.emplace_back([&, i] {
                WaitForSingleObject(go, INFINITE);
                seen[i] = CLogSave::GetInstance();
            });
        SetEvent(go);
        for (std::thread& t : threads)
            t.join();
        for (CLogSave* instance : seen)
            if (!instance || instance != seen[0])
                return 2;
        WriteToolLog(kToolLogCreateDetectThreadFailed);
        return 0;
    }
    return 1;
}
