// TarselFeedbackInformation.dll: the feedback service the tool loads from its own folder.
// Eleven cdecl exports with undecorated names; nothing here may throw across the boundary.
#include "feedback-service/FeedbackServicePlatform.h"
#include "feedback-service/FeedbackServiceRules.h"
#include "feedback/FeedbackDll.h"

#include <windows.h>

#include <oleauto.h>
#include <wininet.h>

#include <type_traits>

#define FEEDBACK_EXPORT extern "C" __declspec(dllexport)

FEEDBACK_EXPORT int __cdecl InitFreedbackDll(CString* pStrFeedbackInfo);
FEEDBACK_EXPORT int __cdecl FeedbackQuestion(const wchar_t* toolId, const wchar_t* version);
FEEDBACK_EXPORT int __cdecl OpenUrl(BSTR url);
FEEDBACK_EXPORT int __cdecl GetInterNetState();
FEEDBACK_EXPORT int __cdecl CustomerFeedback();
FEEDBACK_EXPORT int __cdecl CustomerFeedbackEx(const wchar_t* toolId, const wchar_t* version,
                                               int answer, const wchar_t* timeText);
FEEDBACK_EXPORT int __cdecl WriteCustomerFeedbackInfoFile();
FEEDBACK_EXPORT int __cdecl GetToolIsNewVersion(const wchar_t* toolId, const wchar_t* version);
FEEDBACK_EXPORT int __cdecl GetToolIsNewVersionDown();
FEEDBACK_EXPORT int __cdecl OpenToolDownUrl();
FEEDBACK_EXPORT int __cdecl OpenUseAgreementUrl();

// The tool calls through these types; a mismatch would break the stack or the arguments.
static_assert(std::is_same<decltype(&InitFreedbackDll), PFN_InitFreedbackDll>::value, "");
static_assert(std::is_same<decltype(&FeedbackQuestion), PFN_FeedbackQuestion>::value, "");
static_assert(std::is_same<decltype(&OpenUrl), PFN_OpenUrl>::value, "");
static_assert(std::is_same<decltype(&GetInterNetState), PFN_GetInterNetState>::value, "");
static_assert(std::is_same<decltype(&CustomerFeedback), PFN_CustomerFeedback>::value, "");
static_assert(std::is_same<decltype(&CustomerFeedbackEx), PFN_CustomerFeedbackEx>::value, "");
static_assert(std::is_same<decltype(&WriteCustomerFeedbackInfoFile),
                           PFN_WriteCustomerFeedbackInfoFile>::value,
              "");
static_assert(std::is_same<decltype(&GetToolIsNewVersion), PFN_GetToolIsNewVersion>::value, "");
static_assert(std::is_same<decltype(&GetToolIsNewVersionDown), PFN_GetToolIsNewVersionDown>::value,
              "");
static_assert(std::is_same<decltype(&OpenToolDownUrl), PFN_OpenToolDownUrl>::value, "");
static_assert(std::is_same<decltype(&OpenUseAgreementUrl), PFN_OpenUseAgreementUrl>::value, "");

namespace {

// Runs an export's body; an exception (out of memory) becomes the failure result 0.
template <class Body> int Guarded(Body body) {
    try {
        return body();
    } catch (...) {
        return 0;
    }
}

// The system string handed to OpenUrl is ours from the moment of the call.
class OwnedBstr {
  public:
    explicit OwnedBstr(BSTR text) : m_text(text) {}
    ~OwnedBstr() { SysFreeString(m_text); }
    OwnedBstr(const OwnedBstr&) = delete;
    OwnedBstr& operator=(const OwnedBstr&) = delete;
    // The whole string, embedded zeros included: the address check must see them.
    std::wstring Text() const {
        return m_text ? std::wstring(m_text, SysStringLen(m_text)) : std::wstring();
    }

  private:
    BSTR m_text;
};

} // namespace

int __cdecl InitFreedbackDll(CString* pStrFeedbackInfo) {
    return Guarded([&] {
        RecordCall("InitFreedbackDll", {});
        if (!pStrFeedbackInfo)
            return 0;
        // The strings belong to the tool; their characters live on the process heap, so
        // replacing them here and freeing them there is safe.
        for (int page = 0; page < kPageCount; ++page)
            pStrFeedbackInfo[page] = PageAddress(page).c_str();
        return 1;
    });
}

int __cdecl FeedbackQuestion(const wchar_t* toolId, const wchar_t* version) {
    return Guarded([&] {
        RecordCall("FeedbackQuestion", {RecordArg(toolId), RecordArg(version)});
        return OpenWebPage(
            FeedbackQuestionAddress(PageAddress(kPageFeedbackQuestion), toolId, version));
    });
}

int __cdecl OpenUrl(BSTR url) {
    OwnedBstr owned(url); // freed on every path, refused addresses included
    return Guarded([&] {
        std::wstring address = owned.Text();
        RecordCall("OpenUrl", {url ? address : RecordArg(nullptr)});
        return OpenWebPage(address);
    });
}

int __cdecl GetInterNetState() {
    return Guarded([] {
        RecordCall("GetInterNetState", {});
        DWORD flags = 0;
        return InternetGetConnectedState(&flags, 0) ? 1 : 0;
    });
}

int __cdecl CustomerFeedback() {
    return Guarded([] {
        RecordCall("CustomerFeedback", {});
        return 0; // without an answer there is nothing to record; see CustomerFeedbackEx
    });
}

int __cdecl CustomerFeedbackEx(const wchar_t* toolId, const wchar_t* version, int answer,
                               const wchar_t* timeText) {
    return Guarded([&] {
        RecordCall("CustomerFeedbackEx",
                   {RecordArg(toolId), RecordArg(version), RecordArg(answer), RecordArg(timeText)});
        std::string line = FeedbackRecordLine(toolId, version, answer, timeText);
        return AppendToFile(FeedbackRecordPath(), line) ? 1 : 0;
    });
}

int __cdecl WriteCustomerFeedbackInfoFile() {
    return Guarded([] {
        RecordCall("WriteCustomerFeedbackInfoFile", {});
        // Makes sure the record exists, so whoever collects it finds a file.
        return AppendToFile(FeedbackRecordPath(), std::string()) ? 1 : 0;
    });
}

int __cdecl GetToolIsNewVersion(const wchar_t* toolId, const wchar_t* version) {
    return Guarded([&] {
        RecordCall("GetToolIsNewVersion", {RecordArg(toolId), RecordArg(version)});
        // Settings only: the tool waits for this answer on its user-interface thread.
        std::wstring latest = ReadServiceSetting(kServiceIniUpdate, kServiceIniLatestKey);
        return NewVersionResult(latest, version ? version : L"");
    });
}

int __cdecl GetToolIsNewVersionDown() {
    return Guarded([] {
        RecordCall("GetToolIsNewVersionDown", {});
        return 0; // this library downloads nothing; the download page does
    });
}

int __cdecl OpenToolDownUrl() {
    return Guarded([] {
        RecordCall("OpenToolDownUrl", {});
        return OpenWebPage(PageAddress(kPageToolDownload));
    });
}

int __cdecl OpenUseAgreementUrl() {
    return Guarded([] {
        RecordCall("OpenUseAgreementUrl", {});
        return OpenWebPage(PageAddress(kPageUseAgreement));
    });
}
