#include "app/FolderRemoval.h"

const wchar_t* const kShippedLibraryFileName = L"TarselFeedbackInformation.dll";

namespace {

bool IsPlainNameChar(wchar_t c) {
    // Letters of other scripts are plain text to the interpreter; of ASCII only these are.
    if (c >= 0x80)
        return true;
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
           c == L'.' || c == L'-' || c == L'_';
}

std::wstring SystemDirectory() {
    wchar_t dir[MAX_PATH] = {};
    UINT n = GetSystemDirectoryW(dir, MAX_PATH);
    return (n > 0 && n < MAX_PATH) ? std::wstring(dir, n) : std::wstring();
}

} // namespace

BOOL SplitToolFolder(const std::wstring& exePath, ToolFolder* out) {
    const size_t exeSlash = exePath.find_last_of(L'\\');
    if (exeSlash == std::wstring::npos)
        return FALSE;
    const std::wstring folder = exePath.substr(0, exeSlash);
    const size_t slash = folder.find_last_of(L'\\');
    // "C:" (the executable sits in a root) or "\\server" has no folder of its own to remove.
    if (slash == std::wstring::npos || slash + 1 >= folder.size())
        return FALSE;
    if (folder.size() >= 2 && folder[0] == L'\\' && folder[1] == L'\\' &&
        folder.find(L'\\', 2) == slash)
        return FALSE;
    out->folder = folder;
    out->parent = folder.substr(0, slash + 1);
    out->leaf = folder.substr(slash + 1);
    return TRUE;
}

std::wstring FolderNamePattern(const std::wstring& leaf) {
    std::wstring pattern = leaf;
    for (wchar_t& c : pattern)
        if (!IsPlainNameChar(c))
            c = L'?';
    return pattern;
}

std::wstring BuildRemovalParameters(const std::wstring& systemDir, const std::wstring& leafPattern,
                                    const std::wstring& markerName, UINT delaySeconds) {
    // /D: no AutoRun commands; /V:OFF: '!' is plain text; /S: only the outer quotes go.
    // The loop variable's value is never parsed again, so the folder's real name is safe.
    const std::wstring dir = L"\"%~sF\\";
    return L"/D /V:OFF /S /C \"\"" + systemDir + L"\\timeout.exe\" /t " +
           std::to_wstring(delaySeconds) + L" /nobreak >nul & for /d %F in (" + leafPattern +
           L") do (if exist " + dir + markerName + L"\" (del /f /q " + dir + markerName + L"\" " +
           dir + kShippedLibraryFileName + L"\" & rmdir \"%~sF\"))\"";
}

BOOL StartFolderRemoval(const std::wstring& exePath, UINT delaySeconds) {
    ToolFolder tool;
    const std::wstring systemDir = SystemDirectory();
    if (!SplitToolFolder(exePath, &tool) || systemDir.empty())
        return FALSE;

    // The library was freed with the main window; whatever is left of it the interpreter
    // deletes by its fixed name.
    DeleteFileW((tool.folder + L"\\" + kShippedLibraryFileName).c_str());

    // A running executable may be renamed though not deleted. Under its marker name it names
    // itself safely and proves to the interpreter that the folder it finds is the tool's.
    const std::wstring marker =
        L"~ModernStandbyDetectionTool." + std::to_wstring(GetCurrentProcessId()) + L".remove";
    const std::wstring markerPath = tool.folder + L"\\" + marker;
    if (!MoveFileExW(exePath.c_str(), markerPath.c_str(), 0))
        return FALSE;

    std::wstring commandLine =
        L"cmd.exe " +
        BuildRemovalParameters(systemDir, FolderNamePattern(tool.leaf), marker, delaySeconds);
    const std::wstring interpreter = systemDir + L"\\cmd.exe";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    // The interpreter gets no variables but SystemRoot: it needs none (every program is named
    // by its full path), and a variable that is not there cannot be expanded into a name.
    wchar_t systemRoot[MAX_PATH] = {};
    GetEnvironmentVariableW(L"SystemRoot", systemRoot, MAX_PATH);
    std::wstring environment = L"SystemRoot=" + std::wstring(systemRoot);
    environment.push_back(L'\0');
    environment.push_back(L'\0');
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(interpreter.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                        CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT, &environment[0],
                        tool.parent.c_str(), &si, &pi)) {
        MoveFileExW(markerPath.c_str(), exePath.c_str(), 0);
        return FALSE;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return TRUE;
}
