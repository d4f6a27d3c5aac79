// A feedback library that lacks CustomerFeedbackEx, the sixth export: loading it must resolve
// the five before it and stop there.
#define PARTIAL_EXPORT extern "C" __declspec(dllexport)

PARTIAL_EXPORT int __cdecl InitFreedbackDll(void*) {
    return 1;
}
PARTIAL_EXPORT int __cdecl FeedbackQuestion(const wchar_t*, const wchar_t*) {
    return 1;
}
PARTIAL_EXPORT int __cdecl OpenUrl(wchar_t*) {
    return 1;
}
PARTIAL_EXPORT int __cdecl GetInterNetState() {
    return 1;
}
PARTIAL_EXPORT int __cdecl CustomerFeedback() {
    return 1;
}
PARTIAL_EXPORT int __cdecl WriteCustomerFeedbackInfoFile() {
    return 1;
}
PARTIAL_EXPORT int __cdecl GetToolIsNewVersion(const wchar_t*, const wchar_t*) {
    return 1;
}
PARTIAL_EXPORT int __cdecl GetToolIsNewVersionDown() {
    return 1;
}
PARTIAL_EXPORT int __cdecl OpenToolDownUrl() {
    return 1;
}
PARTIAL_EXPORT int __cdecl OpenUseAgreementUrl() {
    return 1;
}
