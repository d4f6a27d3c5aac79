#include "framework/CWinApp.h"

namespace {
CWinApp* g_pApp = nullptr;
HINSTANCE g_hResource = nullptr;
} // namespace

CWinApp::CWinApp(const wchar_t* appName) : m_strAppName(appName) {
    m_hInstance = ::GetModuleHandleW(nullptr);
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this)
        g_pApp = nullptr;
}

int CWinApp::Run() {
    MSG msg;
    BOOL got;
    while ((got = ::GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        if (!CWnd::WalkPreTranslateTree(nullptr, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    int exitCode = ExitInstance();
    return got == 0 ? static_cast<int>(msg.wParam) : exitCode;
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

CWnd* AfxGetMainWnd() {
    return g_pApp ? g_pApp->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle() {
    return g_pApp && g_pApp->m_hInstance ? g_pApp->m_hInstance : ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
    return g_hResource ? g_hResource : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hResource) {
    g_hResource = hResource;
}

int AfxWinMain(HINSTANCE hInstance) {
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return -1;
    pApp->m_hInstance = hInstance;
    if (!pApp->InitInstance())
        return pApp->ExitInstance();
    return pApp->Run();
}
