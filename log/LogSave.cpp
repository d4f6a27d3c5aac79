#include "log/LogSave.h"

#include "log/LogSaveCloseFile.h"
#include "log/LogSaveOpenFile.h"

#include <shlobj.h>

#include <climits>
#include <cwctype>
#include <new>

namespace {

constexpr wchar_t kLogFolderName[] = L"ToolLog";
constexpr wchar_t kConfigFileName[] = L"logCfg.ini";
constexpr wchar_t kConfigSection[] = L"Log";
constexpr wchar_t kConfigPrintKey[] = L"print";
constexpr wchar_t kConfigDefault[] = L"-1";
// 1 would select the keep-open writer; the tool always opens the file per record.
constexpr wchar_t kWriterMode[] = L"0";

bool IsConfigSpace(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

} // namespace

long ParseConfigInteger(const std::wstring& value) {
    size_t i = 0;
    while (i < value.size() && IsConfigSpace(value[i]))
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == L'+' || value[i] == L'-'))
        negative = value[i++] == L'-';
    long result = 0;
    for (; i < value.size() && value[i] >= L'0' && value[i] <= L'9'; ++i) {
        const int digit = value[i] - L'0';
        if (result > (LONG_MAX - digit) / 10)
            return negative ? LONG_MIN : LONG_MAX;
        result = result * 10 + digit;
    }
    return negative ? -result : result;
}

CLogSave* CLogSave::GetInstance() {
    // Built once, by whichever thread comes first; the others wait for it.
    static CLogSave instance(GetCommonAppDataPath());
    return &instance;
}

CLogSave::CLogSave(const std::wstring& strRootPath)
    : m_bPrint(false), m_strLogPath(strRootPath + kLogFolderName) {
    // A plain file of that name is left alone: the records then fail to open and are dropped.
    if (GetFileAttributesW(m_strLogPath.c_str()) == INVALID_FILE_ATTRIBUTES)
        CreateDirectoryW(m_strLogPath.c_str(), nullptr);
    m_strLogPath += L'\\';

    const std::wstring configPath = strRootPath + kConfigFileName;
    m_bPrint = ParseConfigInteger(ReadConfigString(configPath, kConfigSection, kConfigPrintKey,
                                                   kConfigDefault)) == 1;

    if (ParseConfigInteger(kWriterMode) == 1)
        m_pLog.reset(new (std::nothrow) CLogSaveOpenFile(m_strLogPath));
    else
        m_pLog.reset(new (std::nothrow) CLogSaveCloseFile(m_strLogPath));
}

void CLogSave::WriteLog(std::string strMessage, std::string strFileName, bool bForce) {
    if (!m_pLog || !(bForce || m_bPrint))
        return;
    try {
        m_pLog->WriteText(std::move(strMessage), std::move(strFileName));
    } catch (...) {
        // Out of memory while building the record: the record is dropped, the caller goes on.
    }
}

std::wstring CLogSave::GetCommonAppDataPath() {
    wchar_t path[1024] = {};
    if (!SHGetSpecialFolderPathW(nullptr, path, CSIDL_COMMON_APPDATA, FALSE))
        return std::wstring();
    return std::wstring(path) + L'\\';
}

std::wstring CLogSave::ReadConfigString(const std::wstring& strPath, const std::wstring& strSection,
                                        const std::wstring& strKey,
                                        const std::wstring& strDefault) {
    wchar_t value[100] = {};
    GetPrivateProfileStringW(strSection.c_str(), strKey.c_str(), strDefault.c_str(), value, 100,
                             strPath.c_str());
    std::wstring text = value;
    const size_t first = text.find_first_not_of(L" \t\r\n\v\f");
    if (first == std::wstring::npos)
        return std::wstring();
    const size_t last = text.find_last_not_of(L" \t\r\n\v\f");
    return text.substr(first, last - first + 1);
}
