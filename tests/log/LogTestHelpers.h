// Helpers the log tests share: fixed clocks, record parsing, writer kinds.
#pragma once

#include "log/LogSaveCloseFile.h"
#include "log/LogSaveOpenFile.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace logtest {

inline SYSTEMTIME MakeTime(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second,
                           WORD ms) {
    SYSTEMTIME t = {};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    t.wHour = hour;
    t.wMinute = minute;
    t.wSecond = second;
    t.wMilliseconds = ms;
    return t;
}

inline LogClock FixedClock(const SYSTEMTIME& t) {
    return [t] { return t; };
}

// Both writers, so every behaviour they share is checked on each.
struct WriterKind {
    const char* name;
    std::function<std::unique_ptr<CLogBase>(const std::wstring& folder)> make;
};

inline void PrintTo(const WriterKind& kind, std::ostream* os) {
    *os << kind.name;
}

inline std::vector<WriterKind> AllWriters() {
    return {
        {"CloseFile",
         [](const std::wstring& f) { return std::unique_ptr<CLogBase>(new CLogSaveCloseFile(f)); }},
        {"OpenFile",
         [](const std::wstring& f) { return std::unique_ptr<CLogBase>(new CLogSaveOpenFile(f)); }},
    };
}

// Splits a file's bytes at CR LF; false when the bytes do not end with CR LF or hold a bare LF.
inline bool SplitRecords(const std::string& bytes, std::vector<std::string>* records) {
    records->clear();
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos)
            return false;
        const std::string line = bytes.substr(start, end - start);
        if (line.find('\n') != std::string::npos)
            return false;
        records->push_back(line);
        start = end + 2;
    }
    return true;
}

// True when the line begins with a well-formed "[YYYY-MM-DD hh:mm:ss mmmms]   " stamp.
inline bool HasStamp(const std::string& line) {
    const std::string pattern = "[dddd-dd-dd dd:dd:dd dddms]   ";
    if (line.size() < pattern.size())
        return false;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == 'd' ? !(line[i] >= '0' && line[i] <= '9') : line[i] != pattern[i])
            return false;
    }
    return true;
}

constexpr size_t kStampLength = 30;

} // namespace logtest
