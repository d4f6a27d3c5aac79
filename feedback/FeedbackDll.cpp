#include "feedback/FeedbackDll.h"

#include <cstdint>
#include <vector>

const wchar_t* const kFeedbackToolId = L"10130";
const wchar_t* const kFeedbackToolVersion = L"1.0.21.908";
const wchar_t* const kFeedbackLibraryName = L"\\TarselFeedbackInformation.dll";

namespace {

// FALSE and a null entry point when the export is missing (or there is no module).
template <class Fn> BOOL Resolve(HMODULE hModule, const char* name, Fn* pfn) {
    FARPROC proc = hModule ? GetProcAddress(hModule, name) : nullptr;
    // Through the generic function pointer type: the export's real type is Fn.
    *pfn = reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
    return proc != nullptr;
}

} // namespace

CString FeedbackTimeText(__time64_t seconds) {
    CString text;
    text.Format(L"%d", static_cast<int32_t>(static_cast<uint32_t>(seconds & 0xFFFFFFFF)));
    return text;
}

std::wstring ExecutableFolder() {
    // Grow past MAX_PATH: a path cut short would put the library search in another folder.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return std::wstring();
        if (n < path.size()) {
            std::wstring full(path.data(), n);
            size_t cut = full.find_last_of(L'\\');
            return cut == std::wstring::npos ? std::wstring() : full.substr(0, cut);
        }
        if (path.size() >= 32768)
            return std::wstring();
        path.resize(path.size() * 2);
    }
}

BOOL CFeedbackDll::LoadFeedbackDll() {
    std::wstring folder = ExecutableFolder();
    if (folder.empty()) {
        Free();
        return FALSE;
    }
    return LoadFrom(folder);
}

BOOL CFeedbackDll::LoadFrom(const std::wstring& folder) {
    Free();
    m_hModule = LoadLibraryW((folder + kFeedbackLibraryName).c_str());
    // Table order; the first missing export stops the rest.
    return Resolve(m_hModule, "InitFreedbackDll", &m_pfnInitFreedbackDll) &&
           Resolve(m_hModule, "FeedbackQuestion", &m_pfnFeedbackQuestion) &&
           Resolve(m_hModule, "OpenUrl", &m_pfnOpenUrl) &&
           Resolve(m_hModule, "GetInterNetState", &m_pfnGetInterNetState) &&
           Resolve(m_hModule, "CustomerFeedback", &m_pfnCustomerFeedback) &&
           Resolve(m_hModule, "CustomerFeedbackEx", &m_pfnCustomerFeedbackEx) &&
           Resolve(m_hModule, "WriteCustomerFeedbackInfoFile",
                   &m_pfnWriteCustomerFeedbackInfoFile) &&
           Resolve(m_hModule, "GetToolIsNewVersion", &m_pfnGetToolIsNewVersion) &&
           Resolve(m_hModule, "GetToolIsNewVersionDown", &m_pfnGetToolIsNewVersionDown) &&
           Resolve(m_hModule, "OpenToolDownUrl", &m_pfnOpenToolDownUrl) &&
           Resolve(m_hModule, "OpenUseAgreementUrl", &m_pfnOpenUseAgreementUrl);
}

void CFeedbackDll::Free() {
    // Entry points first: none may outlive the code they point into.
    ClearEntryPoints();
    if (m_hModule)
        FreeLibrary(m_hModule);
    m_hModule = nullptr;
}

void CFeedbackDll::ClearEntryPoints() {
    m_pfnInitFreedbackDll = nullptr;
    m_pfnFeedbackQuestion = nullptr;
    m_pfnOpenUrl = nullptr;
    m_pfnGetInterNetState = nullptr;
    m_pfnCustomerFeedback = nullptr;
    m_pfnCustomerFeedbackEx = nullptr;
    m_pfnWriteCustomerFeedbackInfoFile = nullptr;
    m_pfnGetToolIsNewVersion = nullptr;
    m_pfnGetToolIsNewVersionDown = nullptr;
    m_pfnOpenToolDownUrl = nullptr;
    m_pfnOpenUseAgreementUrl = nullptr;
}

BOOL CFeedbackDll::CallInitFreedbackDll(CString* pStrFeedbackInfo) const {
    if (!m_pfnInitFreedbackDll || !pStrFeedbackInfo)
        return FALSE;
    return m_pfnInitFreedbackDll(pStrFeedbackInfo) != 0;
}

void CFeedbackDll::CallFeedbackQuestion() const {
    if (m_pfnFeedbackQuestion)
        m_pfnFeedbackQuestion(kFeedbackToolId, kFeedbackToolVersion);
}

void CFeedbackDll::CallOpenUrl(const CString& address) const {
    if (!m_pfnOpenUrl)
        return;
    BSTR url = address.AllocSysString();
    if (url)
        m_pfnOpenUrl(url);
}

void CFeedbackDll::CallCustomerFeedbackEx(int answer, __time64_t now) const {
    if (!m_pfnCustomerFeedbackEx)
        return;
    CString timeText = FeedbackTimeText(now);
    m_pfnCustomerFeedbackEx(kFeedbackToolId, kFeedbackToolVersion, answer, timeText);
}

BOOL CFeedbackDll::CallGetToolIsNewVersion() const {
    if (!m_pfnGetToolIsNewVersion)
        return FALSE;
    return m_pfnGetToolIsNewVersion(kFeedbackToolId, kFeedbackToolVersion) ==
           kFeedbackNewVersionExists;
}

void CFeedbackDll::CallOpenToolDownUrl() const {
    if (m_pfnOpenToolDownUrl)
        m_pfnOpenToolDownUrl();
}

void CFeedbackDll::CallOpenUseAgreementUrl() const {
    if (m_pfnOpenUseAgreementUrl)
        m_pfnOpenUseAgreementUrl();
}
