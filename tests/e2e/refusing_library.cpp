// A feedback library with all eleven exports whose initialisation refuses: the tool must stop
// at its fourth start-up check.
#define REFUSING_EXPORT extern "C" __declspec(dllexport)

REFUSING_EXPORT int __cdecl InitFreedbackDll(void*) {
    return 0;
}
REFUSING_EXPORT int __cdecl FeedbackQuestion(const wchar_t*, const wchar_t*) {
    return 1;
}
REFUSING_EXPORT int __cdecl OpenUrl(wchar_t*) {
    return 1;
}
REFUSING_EXPORT int __cdecl GetInterNetState() {
    return 1;
}
REFUSING_EXPORT int __cdecl CustomerFeedback() {
    return 1;
}
REFUSING_EXPORT int __cdecl CustomerFeedbackEx(const wchar_t*, const wchar_t*, int,
                                               const wchar_t*) {
    return 1;
}
REFUSING_EXPORT int __cdecl WriteCustomerFeedbackInfoFile() {
    return 1;
}
REFUSING_EXPORT int __cdecl GetToolIsNewVersion(const wchar_t*, const wchar_t*) {
    return 1;
}
REFUSING_EXPORT int __cdecl GetToolIsNewVersionDown() {
    return 1;
}
REFUSING_EXPORT int __cdecl OpenToolDownUrl() {
    return 1;
}
REFUSING_EXPORT int __cdecl OpenUseAgreementUrl() {
    return 1;
}
