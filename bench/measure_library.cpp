// Loaded into a running tool by the bench and the soak tests; fills a ProcessFigures about the
// process it runs in. Never shipped.
//
// Wine answers a handle whose upper word is 0 with whatever object sits at that index of its
// table, whatever the handle's generation, so each table can be walked index by index.
#include "bench/ProcessFigures.h"

#include <psapi.h>

namespace {

constexpr unsigned kGdiHandleCount = 0x10000;
// Wine's user handles: index i has the value 0x20 + 2 i.
constexpr unsigned kFirstUserHandle = 0x20;
constexpr unsigned kUserHandleCount = 0x7FF0;

void CountGdiObjects(ProcessFigures* figures) {
    for (unsigned i = 0; i < kGdiHandleCount; ++i) {
        const DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(i)));
        if (type == 0)
            continue;
        ++figures->gdiObjects;
        if (type < sizeof(figures->gdiOfType) / sizeof(figures->gdiOfType[0]))
            ++figures->gdiOfType[type];
    }
}

void CountUserObjects(ProcessFigures* figures) {
    const DWORD self = GetCurrentProcessId();
    for (unsigned i = 0; i < kUserHandleCount; ++i) {
        const ULONG_PTR value = kFirstUserHandle + 2 * i;
        HWND hWnd = reinterpret_cast<HWND>(value);
        if (IsWindow(hWnd)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(hWnd, &owner);
            if (owner == self)
                ++figures->windows;
            continue;
        }
        // Menus and icons of other processes cannot be seen from here: these are ours.
        if (IsMenu(reinterpret_cast<HMENU>(value))) {
            ++figures->menus;
            continue;
        }
        ICONINFO info;
        if (GetIconInfo(reinterpret_cast<HICON>(value), &info)) {
            ++figures->icons;
            if (info.hbmMask)
                DeleteObject(info.hbmMask);
            if (info.hbmColor)
                DeleteObject(info.hbmColor);
        }
    }
}

// Wine's kernel handles are multiples of 4 from 4 up; GetProcessHandleCount answers 0 there.
DWORD CountKernelHandles() {
    constexpr ULONG_PTR kLastHandle = 4 * 0x10000;
    DWORD count = 0;
    for (ULONG_PTR value = 4; value <= kLastHandle; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags))
            ++count;
    }
    return count;
}

DWORD CommittedPrivateBytes() {
    DWORD total = 0;
    MEMORY_BASIC_INFORMATION region;
    ULONG_PTR address = 0;
    while (VirtualQuery(reinterpret_cast<LPCVOID>(address), &region, sizeof(region)) ==
           sizeof(region)) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += static_cast<DWORD>(region.RegionSize);
        const ULONG_PTR next = reinterpret_cast<ULONG_PTR>(region.BaseAddress) + region.RegionSize;
        if (next <= address)
            break;
        address = next;
    }
    return total;
}

} // namespace

extern "C" __declspec(dllexport) DWORD WINAPI MeasureProcess(LPVOID param) {
    auto* figures = static_cast<ProcessFigures*>(param);
    ZeroMemory(figures, sizeof(*figures));
    // Icons are probed through GetIconInfo, which makes bitmaps for a moment: count GDI first.
    CountGdiObjects(figures);
    CountUserObjects(figures);
    figures->handles = CountKernelHandles();
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))) {
        figures->workingSet = static_cast<DWORD>(counters.WorkingSetSize);
        figures->peakWorkingSet = static_cast<DWORD>(counters.PeakWorkingSetSize);
    }
    figures->privateBytes = CommittedPrivateBytes();
    return 1;
}
