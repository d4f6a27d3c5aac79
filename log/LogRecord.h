// The bytes of one log record and the names around a log file, as plain functions.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

// A file longer than this after a record moves to its backup name (decimal, not 6 MiB).
constexpr std::uint32_t LOG_FILE_MAX_SIZE = 6020000;

// Where a writer reads the local time; tests give a fixed one.
using LogClock = std::function<SYSTEMTIME()>;
SYSTEMTIME LocalTimeNow();

// "[2024-03-05 14:07:09 042ms]" followed by exactly three blanks.
std::string FormatLogTimeStamp(const SYSTEMTIME& time);

// Stamp, the text's bytes unchanged, CR LF. The text is already code page 936, so writing it
// as given keeps every byte the caller passed.
std::string FormatLogRecord(const SYSTEMTIME& time, const std::string& text);

// Two upper-case hex digits and one blank per byte; no data or a count below 1 gives "".
std::string FormatHexText(const unsigned char* data, int count);

// The path with "bak" appended right after the extension.
std::wstring LogBackupPath(const std::wstring& path);

// The system's narrow texts are code page 936 whatever the ANSI code page of the machine is.
std::wstring WideFromGbk(const std::string& text);
std::string GbkFromWide(const std::wstring& text);
