// Loads the measuring library into another running process of ours and asks it for its
// figures: memory, kernel handles, GDI and USER objects.
#pragma once

#include "bench/ProcessFigures.h"

#include <string>

class ProcessProbe {
  public:
    // process: needs thread-creation and memory rights (a handle from CreateProcess has them).
    // libraryPath: full path of the measuring library. False when it could not be loaded
    // there; it then stays loaded until the process ends.
    bool Attach(HANDLE process, const std::wstring& libraryPath);
    // False when the process did not answer within the time-out.
    bool Measure(ProcessFigures* figures, DWORD timeoutMs = 60000) const;
    // Measures until two samples in a row agree on the GDI and USER counts (at most eight): a
    // sample taken while the process paints also counts the objects of that paint.
    bool MeasureSettled(ProcessFigures* figures) const;

  private:
    bool RunRemote(ULONG_PTR proc, LPVOID param, DWORD timeoutMs, DWORD* exitCode) const;

    HANDLE m_process = nullptr; // borrowed
    ULONG_PTR m_measure = 0;    // address inside the process
};

// The measuring library beside this program.
std::wstring MeasureLibraryBesideThisProgram();
