// The detector's entries in the tool log.
#pragma once

enum class DetectorLogEntry { ThreadCreationFailed, DetectionFailed, NotSupported };

// Writes the entry's text to the tool log; never fails toward the caller.
void WriteDetectorLogEntry(DetectorLogEntry entry);
