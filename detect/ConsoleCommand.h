// Runs a console command through the command interpreter in a hidden console and captures
// what it prints, plus the WOW64 questions the runner needs.
#pragma once

#include <windows.h>

#include <string>

struct ConsoleRunOptions {
    // The command and everything it started are ended after this long; the run then fails.
    DWORD timeoutMs = 60000;
    // Pause after each chunk of output read.
    DWORD chunkPauseMs = 500;
    // Interpreter to start; empty means cmd.exe in the native system folder.
    std::wstring interpreterPath;
};

// TRUE when the IsWow64Process entry point exists and the call succeeded.
BOOL CallIsWow64Process(HANDLE hProcess, PBOOL pbWow64);
// TRUE only when this 32-bit process runs on 64-bit Windows.
BOOL Is64BitSystem();

// Runs "cmd /C <command>" hidden and appends its output (ANSI code page, chunk by chunk) to
// *pOutput. TRUE when the command was started and its output drained; FALSE when nothing was
// started or the command had to be ended at the time bound. *pOutput is untouched on FALSE.
BOOL RunConsoleCommand(std::wstring command, std::wstring* pOutput);
BOOL RunConsoleCommand(std::wstring command, std::wstring* pOutput,
                       const ConsoleRunOptions& options);

// "<native system folder>\cmd.exe": never a cmd.exe from the current or the tool's folder.
std::wstring NativeInterpreterPath();

// Converts one chunk read from the pipe: the bytes up to the first zero byte, in the ANSI code
// page, each chunk by itself.
std::wstring ConvertOutputChunk(const char* chunk);
