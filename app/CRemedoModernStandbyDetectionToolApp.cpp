#include "app/CRemedoModernStandbyDetectionToolApp.h"

#include "app/CRemedoModernStandbyDetectionToolDlg.h"
#include "controls/Gdiplus.h"

#include <commctrl.h>

namespace {

// Restart support only: the restart manager may restart the tool, nothing is recovered.
const DWORD kRestartSupportFlags = 1;

} // namespace

CRemedoModernStandbyDetectionToolApp::CRemedoModernStandbyDetectionToolApp() : CWinApp(nullptr) {
    m_dwRestartManagerSupportFlags = kRestartSupportFlags;
}

BOOL CRemedoModernStandbyDetectionToolApp::InitInstance() {
    // A failed start-up is not fatal here: the pictures then fail to load and the host ends.
    ULONG_PTR gdiplusToken = 0;
    Gdiplus::GdiplusStartupInput gdiplusInput;
    Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);

    INITCOMMONCONTROLSEX controls = {sizeof(controls), 0xFF};
    ::InitCommonControlsEx(&controls);

    CWinApp::InitInstance();
    SetRegistryKey(L"应用程序向导生成的本地应用程序");

    {
        CRemedoModernStandbyDetectionToolDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
        m_pMainWnd = nullptr;
    } // the host and every picture it held are gone before GDI+ shuts down

    Gdiplus::GdiplusShutdown(gdiplusToken);
    return FALSE;
}
