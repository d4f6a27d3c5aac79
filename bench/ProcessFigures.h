// Figures a process of ours reports about itself when the bench or the soak tests load the
// measuring library into it. Measured from inside because Wine answers GetGuiResources with 0
// and reports no memory or handle figures for another process.
#pragma once

#include <windows.h>

struct ProcessFigures {
    DWORD gdiObjects; // live GDI objects: DCs, bitmaps, brushes, pens, fonts, regions, ...
    DWORD windows;    // windows of the process, message-only ones included
    DWORD menus;      // menus
    DWORD icons;      // icons and cursors
    DWORD handles;    // kernel handles
    DWORD workingSet; // bytes
    DWORD peakWorkingSet;
    DWORD privateBytes; // committed private pages (Wine reports PrivateUsage as 0)
    // The GDI objects by GetObjectType's answer (OBJ_PEN 1 to OBJ_COLORSPACE 14), so that a
    // growth says what grows.
    DWORD gdiOfType[15];

    DWORD UserObjects() const { return windows + menus + icons; }
};

// The library and its thread procedure: the parameter is the address of a ProcessFigures in
// the measured process; the thread's exit code is 1 when it was filled.
#define MSDT_MEASURE_DLL L"msdt_measure.dll"
#define MSDT_MEASURE_PROC "MeasureProcess"
