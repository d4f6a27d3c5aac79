// CRemedoModernStandbyDetectionToolApp: the application object. It starts GDI+ and the common
// controls, runs the host window modally and shuts GDI+ down when the host has closed.
#pragma once

#include "framework/CWinApp.h"

class CRemedoModernStandbyDetectionToolApp : public CWinApp {
  public:
    CRemedoModernStandbyDetectionToolApp();
    // FALSE: the tool has done its work once the host dialog has closed.
    BOOL InitInstance() override;
};
