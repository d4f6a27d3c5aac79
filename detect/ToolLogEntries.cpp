#include "detect/ToolLogEntries.h"

#include "log/ToolLog.h"

void WriteDetectorLogEntry(DetectorLogEntry entry) {
    switch (entry) {
    case DetectorLogEntry::ThreadCreationFailed:
        WriteToolLog(kToolLogCreateDetectThreadFailed);
        break;
    case DetectorLogEntry::DetectionFailed:
        WriteToolLog(kToolLogDetectModernStandbyFailed);
        break;
    case DetectorLogEntry::NotSupported:
        WriteToolLog(kToolLogModernStandbyNotSupported);
        break;
    }
}
