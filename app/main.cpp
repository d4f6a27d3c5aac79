// Entry point: the one application object runs the tool.
#include "app/CRemedoModernStandbyDetectionToolApp.h"

// Built before wWinMain runs, destroyed at exit.
CRemedoModernStandbyDetectionToolApp theApp;

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int) {
    return AfxWinMain(hInstance);
}
