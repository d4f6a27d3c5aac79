#include "log/LogRecord.h"

#include <cstdio>

namespace {

constexpr UINT kLogCodePage = 936;

} // namespace

SYSTEMTIME LocalTimeNow() {
    SYSTEMTIME time;
    GetLocalTime(&time);
    return time;
}

std::string FormatLogTimeStamp(const SYSTEMTIME& time) {
    char stamp[64];
    const int n = std::snprintf(stamp, sizeof(stamp), "[%04d-%02d-%02d %02d:%02d:%02d %03dms]   ",
                                time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute,
                                time.wSecond, time.wMilliseconds);
    return std::string(stamp, n > 0 ? static_cast<size_t>(n) : 0);
}

std::string FormatLogRecord(const SYSTEMTIME& time, const std::string& text) {
    return FormatLogTimeStamp(time) + text + "\r\n";
}

std::string FormatHexText(const unsigned char* data, int count) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    if (!data || count <= 0)
        return text;
    text.reserve(static_cast<size_t>(count) * 3);
    for (int i = 0; i < count; ++i) {
        text += kDigits[data[i] >> 4];
        text += kDigits[data[i] & 0x0F];
        text += ' ';
    }
    return text;
}

std::wstring LogBackupPath(const std::wstring& path) {
    return path + L"bak";
}

std::wstring WideFromGbk(const std::string& text) {
    if (text.empty())
        return std::wstring();
    const int length = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(kLogCodePage, 0, text.data(), length, nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(kLogCodePage, 0, text.data(), length, &wide[0], n);
    return wide;
}

std::string GbkFromWide(const std::wstring& text) {
    if (text.empty())
        return std::string();
    const int length = static_cast<int>(text.size());
    const int n =
        WideCharToMultiByte(kLogCodePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return std::string();
    std::string narrow(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(kLogCodePage, 0, text.data(), length, &narrow[0], n, nullptr, nullptr);
    return narrow;
}
