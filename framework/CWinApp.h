// CWinApp: the one application object of the process, its main window and the module whose
// resources (dialog templates, pictures) the windows load.
#pragma once

#include "framework/CWnd.h"

class CWinApp {
  public:
    // The object registers itself as the process's application; one at a time.
    explicit CWinApp(const wchar_t* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Returns FALSE when the application has done its work (a dialog application) and should end.
    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
    // A plain message loop with PreTranslateMessage, for applications that keep running.
    virtual int Run();

    // Remembers the key name; nothing is written under it.
    void SetRegistryKey(const wchar_t* key) { m_strRegistryKey = key; }

    CWnd* m_pMainWnd = nullptr; // borrowed: the window whose popups own NULL-parent dialogs
    HINSTANCE m_hInstance = nullptr;
    CString m_strAppName;
    CString m_strRegistryKey;
    DWORD m_dwRestartManagerSupportFlags = 0;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
// The module that holds the dialog templates and pictures (this executable unless set).
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hResource);

// The program's start: InitInstance, then Run or ExitInstance. wWinMain returns its result.
int AfxWinMain(HINSTANCE hInstance);
