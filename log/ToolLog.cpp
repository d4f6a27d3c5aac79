#include "log/ToolLog.h"

#include "log/LogSave.h"

void WriteToolLog(const char* message) {
    try {
        CLogSave::GetInstance()->WriteLog(message ? message : "", kToolLogFileName, true);
    } catch (...) {
        // Out of memory: the entry is lost, the failure it reports is handled by the caller.
    }
}
