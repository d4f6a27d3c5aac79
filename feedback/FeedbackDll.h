// Access to the feedback service library, TarselFeedbackInformation.dll: its module handle and
// its eleven entry points, plus the calls the tool makes with its own identity.
#pragma once

#include "framework/CString.h"

#include <windows.h>

#include <oleauto.h>

#include <ctime>
#include <string>

// The tool's identity as the feedback service knows it.
extern const wchar_t* const kFeedbackToolId;
extern const wchar_t* const kFeedbackToolVersion;
// "\TarselFeedbackInformation.dll", appended to the folder the library is loaded from.
extern const wchar_t* const kFeedbackLibraryName;

// The string block the library fills at start: six CString objects side by side. Only the
// two addresses below are read by the tool.
const int kFeedbackInfoCount = 6;
const int kFeedbackInfoMoreTools = 3;
const int kFeedbackInfoMoreSolutions = 4;

// Answers reported with CustomerFeedbackEx.
const int kFeedbackAnswerSolved = 1;
const int kFeedbackAnswerNotSolved = 2;
const int kFeedbackAnswerClosed = 3;
// What GetToolIsNewVersion returns when a newer version exists.
const int kFeedbackNewVersionExists = 3;

// The exports: cdecl, wide zero-terminated texts, int results. The library and the tool both
// use these types, so a signature can only change on both sides at once.
typedef int(__cdecl* PFN_InitFreedbackDll)(CString* pStrFeedbackInfo);
typedef int(__cdecl* PFN_FeedbackQuestion)(const wchar_t* toolId, const wchar_t* version);
typedef int(__cdecl* PFN_OpenUrl)(BSTR url); // the library frees the string
typedef int(__cdecl* PFN_GetInterNetState)();
typedef int(__cdecl* PFN_CustomerFeedback)();
typedef int(__cdecl* PFN_CustomerFeedbackEx)(const wchar_t* toolId, const wchar_t* version,
                                             int answer, const wchar_t* timeText);
typedef int(__cdecl* PFN_WriteCustomerFeedbackInfoFile)();
typedef int(__cdecl* PFN_GetToolIsNewVersion)(const wchar_t* toolId, const wchar_t* version);
typedef int(__cdecl* PFN_GetToolIsNewVersionDown)();
typedef int(__cdecl* PFN_OpenToolDownUrl)();
typedef int(__cdecl* PFN_OpenUseAgreementUrl)();

// The time text CustomerFeedbackEx expects: seconds since 1970 (UTC), low 32 bits as "%d".
CString FeedbackTimeText(__time64_t seconds);

// Folder of this executable, without trailing backslash; empty when the path cannot be read
// whole (a cut path would name some other folder).
std::wstring ExecutableFolder();

class CFeedbackDll {
  public:
    CFeedbackDll() = default;
    ~CFeedbackDll() { Free(); }
    CFeedbackDll(const CFeedbackDll&) = delete;
    CFeedbackDll& operator=(const CFeedbackDll&) = delete;

    // Loads the library beside the executable. FALSE at the first export that cannot be
    // resolved; a library that is absent therefore fails at the first one.
    BOOL LoadFeedbackDll();
    // The same from a given folder (tests load from their own folders). The handle is kept
    // even when resolving fails; it is freed with the object or by the next load.
    BOOL LoadFrom(const std::wstring& folder);
    // Frees the library and clears the handle and every entry point.
    void Free();

    // The calls the tool makes. Each does nothing (FALSE) while its entry point is missing.
    BOOL CallInitFreedbackDll(CString* pStrFeedbackInfo) const;
    void CallFeedbackQuestion() const;
    // Hands the library a system string copy of the address; the library frees it.
    void CallOpenUrl(const CString& address) const;
    void CallCustomerFeedbackEx(int answer, __time64_t now) const;
    BOOL CallGetToolIsNewVersion() const; // TRUE when a newer version exists
    void CallOpenToolDownUrl() const;
    void CallOpenUseAgreementUrl() const;

    // Handle, then one entry point per export in the library's table order.
    HMODULE m_hModule = nullptr;
    PFN_InitFreedbackDll m_pfnInitFreedbackDll = nullptr;
    PFN_FeedbackQuestion m_pfnFeedbackQuestion = nullptr;
    PFN_OpenUrl m_pfnOpenUrl = nullptr;
    PFN_GetInterNetState m_pfnGetInterNetState = nullptr;
    PFN_CustomerFeedback m_pfnCustomerFeedback = nullptr;
    PFN_CustomerFeedbackEx m_pfnCustomerFeedbackEx = nullptr;
    PFN_WriteCustomerFeedbackInfoFile m_pfnWriteCustomerFeedbackInfoFile = nullptr;
    PFN_GetToolIsNewVersion m_pfnGetToolIsNewVersion = nullptr;
    PFN_GetToolIsNewVersionDown m_pfnGetToolIsNewVersionDown = nullptr;
    PFN_OpenToolDownUrl m_pfnOpenToolDownUrl = nullptr;
    PFN_OpenUseAgreementUrl m_pfnOpenUseAgreementUrl = nullptr;

  private:
    void ClearEntryPoints();
};
