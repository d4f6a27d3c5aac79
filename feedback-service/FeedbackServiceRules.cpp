#include "feedback-service/FeedbackServiceRules.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>

const wchar_t* const kServiceIniName = L"TarselFeedbackInformation.ini";
const wchar_t* const kServiceIniPages = L"Pages";
const wchar_t* const kServiceIniUpdate = L"Update";
const wchar_t* const kServiceIniLatestKey = L"LatestVersion";
const wchar_t* const kFeedbackRecordFolder = L"TarselFeedbackInformation";
const wchar_t* const kFeedbackRecordFile = L"CustomerFeedback.txt";

namespace {

struct PageSetting {
    const wchar_t* iniKey;
    const wchar_t* defaultAddress;
};

// Built-in addresses; a deployment points them at its own site through the settings file.
const PageSetting kPages[kPageCount] = {
    {L"Home", L"https://service.example.com/"},
    {L"FeedbackQuestion", L"https://service.example.com/feedback"},
    {L"UseAgreement", L"https://service.example.com/agreement"},
    {L"MoreTools", L"https://service.example.com/tools"},
    {L"MoreSolutions", L"https://service.example.com/solutions"},
    {L"ToolDownload", L"https://service.example.com/download"},
};

// Longer addresses are cut by some browsers and shell paths; nothing of ours needs them.
const size_t kMaxAddressLength = 2048;

bool StartsWithNoCase(const std::wstring& text, const wchar_t* prefix) {
    size_t n = wcslen(prefix);
    return text.size() >= n && _wcsnicmp(text.c_str(), prefix, n) == 0;
}

std::string ToUtf8(const std::wstring& text) {
    if (text.empty())
        return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    if (n <= 0)
        return std::string();
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr,
                        nullptr);
    return out;
}

std::wstring PercentEncode(const wchar_t* text) {
    std::wstring out;
    if (!text)
        return out;
    for (unsigned char c : ToUtf8(text)) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~') {
            out += static_cast<wchar_t>(c);
        } else {
            wchar_t hex[4];
            swprintf(hex, 4, L"%%%02X", c);
            out += hex;
        }
    }
    return out;
}

} // namespace

const wchar_t* PageIniKey(int page) {
    return page >= 0 && page < kPageCount ? kPages[page].iniKey : L"";
}

const wchar_t* DefaultPageAddress(int page) {
    return page >= 0 && page < kPageCount ? kPages[page].defaultAddress : L"";
}

bool IsOpenableWebAddress(const std::wstring& address) {
    if (address.size() > kMaxAddressLength)
        return false;
    size_t hostStart;
    if (StartsWithNoCase(address, L"http://"))
        hostStart = 7;
    else if (StartsWithNoCase(address, L"https://"))
        hostStart = 8;
    else
        return false;
    if (hostStart >= address.size())
        return false;
    wchar_t first = address[hostStart];
    if (first == L'/' || first == L'?' || first == L'#')
        return false;
    for (wchar_t c : address) {
        if (c <= 0x20 || c >= 0x7F)
            return false;
        if (wcschr(L"\"<>\\^`{|}", c))
            return false;
    }
    return true;
}

std::wstring ChoosePageAddress(int page, const std::wstring& configured) {
    if (IsOpenableWebAddress(configured))
        return configured;
    return DefaultPageAddress(page);
}

std::wstring FeedbackQuestionAddress(const std::wstring& page, const wchar_t* toolId,
                                     const wchar_t* version) {
    std::wstring address = page;
    address += page.find(L'?') == std::wstring::npos ? L'?' : L'&';
    address += L"toolId=" + PercentEncode(toolId) + L"&version=" + PercentEncode(version);
    return address;
}

bool ParseDottedVersion(const std::wstring& text, std::vector<uint32_t>* parts) {
    std::vector<uint32_t> numbers;
    uint64_t value = 0;
    size_t digits = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == L'.') {
            if (digits == 0)
                return false;
            numbers.push_back(static_cast<uint32_t>(value));
            value = 0;
            digits = 0;
        } else if (text[i] >= L'0' && text[i] <= L'9') {
            value = value * 10 + static_cast<uint64_t>(text[i] - L'0');
            if (value > 0xFFFFFFFFull)
                return false;
            ++digits;
        } else {
            return false;
        }
    }
    if (parts)
        *parts = numbers;
    return true;
}

int NewVersionResult(const std::wstring& latest, const std::wstring& current) {
    std::vector<uint32_t> a, b;
    if (!ParseDottedVersion(latest, &a) || !ParseDottedVersion(current, &b))
        return kVersionUnknown;
    for (size_t i = 0; i < a.size() || i < b.size(); ++i) {
        uint32_t x = i < a.size() ? a[i] : 0;
        uint32_t y = i < b.size() ? b[i] : 0;
        if (x != y)
            return x > y ? kVersionNewer : kVersionCurrent;
    }
    return kVersionCurrent;
}

std::string FeedbackRecordLine(const wchar_t* toolId, const wchar_t* version, int answer,
                               const wchar_t* timeText) {
    auto field = [](const wchar_t* text) {
        std::wstring value = text ? text : L"";
        for (wchar_t& c : value)
            if (c < 0x20 || c == 0x7F)
                c = L' ';
        return ToUtf8(value);
    };
    return field(toolId) + "\t" + field(version) + "\t" + std::to_string(answer) + "\t" +
           field(timeText) + "\r\n";
}

std::string CallRecordLine(const char* name, const std::vector<std::wstring>& args) {
    std::string line = name;
    for (const std::wstring& arg : args) {
        std::wstring escaped;
        for (wchar_t c : arg) {
            if (c < 0x20 || c == 0x7F) {
                wchar_t hex[5];
                swprintf(hex, 5, L"\\x%02X", static_cast<unsigned>(c));
                escaped += hex;
            } else {
                escaped += c;
            }
        }
        line += "\t" + ToUtf8(escaped);
    }
    return line + "\r\n";
}

std::wstring RecordArg(const wchar_t* text) {
    return text ? std::wstring(text) : L"<null>";
}

std::wstring RecordArg(int value) {
    return std::to_wstring(value);
}
