#include "detect/ToolLogEntries.h"

// The logging library is wired in here when it arrives; until then the entries go nowhere.
void WriteDetectorLogEntry(DetectorLogEntry) {}
