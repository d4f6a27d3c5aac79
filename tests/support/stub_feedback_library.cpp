// A stand-in for the feedback library, built under the name the tool loads in two forms:
// - STUB_WITHOUT_CUSTOMER_FEEDBACK_EX: lacks CustomerFeedbackEx, the sixth export, so loading
//   it must resolve the five before it and stop there;
// - STUB_INIT_RESULT=0: has all eleven exports but its initialisation refuses, so the tool must
//   stop at its fourth start-up check.
// Every other call answers 1.
#ifndef STUB_INIT_RESULT
#define STUB_INIT_RESULT 1
#endif

#define STUB_EXPORT extern "C" __declspec(dllexport)

STUB_EXPORT int __cdecl InitFreedbackDll(void*) {
    return STUB_INIT_RESULT;
}
STUB_EXPORT int __cdecl FeedbackQuestion(const wchar_t*, const wchar_t*) {
    return 1;
}
STUB_EXPORT int __cdecl OpenUrl(wchar_t*) {
    return 1;
}
STUB_EXPORT int __cdecl GetInterNetState() {
    return 1;
}
STUB_EXPORT int __cdecl CustomerFeedback() {
    return 1;
}
#ifndef STUB_WITHOUT_CUSTOMER_FEEDBACK_EX
STUB_EXPORT int __cdecl CustomerFeedbackEx(const wchar_t*, const wchar_t*, int, const wchar_t*) {
    return 1;
}
#endif
STUB_EXPORT int __cdecl WriteCustomerFeedbackInfoFile() {
    return 1;
}
STUB_EXPORT int __cdecl GetToolIsNewVersion(const wchar_t*, const wchar_t*) {
    return 1;
}
STUB_EXPORT int __cdecl GetToolIsNewVersionDown() {
    return 1;
}
STUB_EXPORT int __cdecl OpenToolDownUrl() {
    return 1;
}
STUB_EXPORT int __cdecl OpenUseAgreementUrl() {
    return 1;
}
