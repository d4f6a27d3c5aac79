#include "feedback-service/FeedbackServicePlatform.h"

#include "feedback-service/FeedbackServiceRules.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

namespace {

// Reads a text whose length is unknown beforehand: grows the buffer until the value fits.
// read(buffer, size) returns the characters copied, as the Win32 calls used here do.
template <class Read> std::wstring ReadGrowing(Read read) {
    std::vector<wchar_t> buffer(512);
    for (;;) {
        DWORD n = read(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n + 2 < buffer.size())
            return std::wstring(buffer.data(), n);
        if (buffer.size() >= 32768)
            return std::wstring();
        buffer.resize(buffer.size() * 2);
    }
}

#ifdef FEEDBACK_SERVICE_RECORDING
// The record file named by the environment, or empty when nothing is to be recorded.
std::wstring RecordPath() {
    return ReadGrowing([](wchar_t* buffer, DWORD size) {
        DWORD n = GetEnvironmentVariableW(L"MSDT_FEEDBACK_RECORD", buffer, size);
        return n < size ? n : size; // too small: n is the size needed, so ask again
    });
}
#endif

} // namespace

std::wstring LibraryFolder() {
    HMODULE self = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&LibraryFolder), &self))
        return std::wstring();
    std::wstring path = ReadGrowing(
        [self](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(self, buffer, size); });
    size_t cut = path.find_last_of(L'\\');
    return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut);
}

std::wstring ReadServiceSetting(const wchar_t* section, const wchar_t* key) {
    std::wstring folder = LibraryFolder();
    if (folder.empty())
        return std::wstring();
    std::wstring ini = folder + L"\\" + kServiceIniName;
    return ReadGrowing([&](wchar_t* buffer, DWORD size) {
        return GetPrivateProfileStringW(section, key, L"", buffer, size, ini.c_str());
    });
}

std::wstring PageAddress(int page) {
    return ChoosePageAddress(page, ReadServiceSetting(kServiceIniPages, PageIniKey(page)));
}

std::wstring FeedbackRecordPath() {
    wchar_t common[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathW(nullptr, common, CSIDL_COMMON_APPDATA, TRUE))
        return L"";
    std::wstring folder = std::wstring(common) + L"\\" + kFeedbackRecordFolder;
    CreateDirectoryW(folder.c_str(), nullptr); // already there is fine
    return folder + L"\\" + kFeedbackRecordFile;
}

bool AppendToFile(const std::wstring& path, const std::string& bytes) {
    if (path.empty())
        return false;
    // Append access only: every write lands at the end, also with other writers at work.
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = bytes.empty() ||
              WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

int OpenWebPage(const std::wstring& address) {
    if (!IsOpenableWebAddress(address))
        return 0;
#ifdef FEEDBACK_SERVICE_RECORDING
    std::wstring record = RecordPath();
    if (record.empty())
        return 0; // the test build never opens a browser
    return AppendToFile(record, CallRecordLine("open", {address})) ? 1 : 0;
#else
    // Shell handlers may be COM objects; balance only an initialisation made here.
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    HINSTANCE result =
        ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (SUCCEEDED(hr))
        CoUninitialize();
    return reinterpret_cast<INT_PTR>(result) > 32 ? 1 : 0;
#endif
}

void RecordCall(const char* name, const std::vector<std::wstring>& args) {
#ifdef FEEDBACK_SERVICE_RECORDING
    std::wstring record = RecordPath();
    if (!record.empty())
        AppendToFile(record, CallRecordLine(name, args));
#else
    (void)name;
    (void)args;
#endif
}
