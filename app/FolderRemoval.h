// Removal of the tool's own folder after a normal close: the tool's own files go, then the
// folder if nothing else is left in it. A hidden command interpreter does it a few seconds
// after the tool has ended, because a running executable cannot delete itself.
#pragma once

#include <windows.h>

#include <string>

// File name of the feedback service library shipped beside the executable.
extern const wchar_t* const kShippedLibraryFileName;

struct ToolFolder {
    std::wstring folder; // the executable's folder, no trailing backslash
    std::wstring parent; // the folder that holds it, with a trailing backslash
    std::wstring leaf;   // the folder's own name
};

// Splits an executable's full path. FALSE for a path without folder or for a drive root,
// which is never removed.
BOOL SplitToolFolder(const std::wstring& exePath, ToolFolder* out);

// A for /d pattern that matches the folder's name without any character the command
// interpreter could take as syntax or expand: every such character becomes '?'.
std::wstring FolderNamePattern(const std::wstring& leaf);

// Parameters of cmd.exe. It starts in the parent folder; the folder's path never appears in
// the text: the for loop finds it by pattern and the marker file proves it is the tool's.
std::wstring BuildRemovalParameters(const std::wstring& systemDir, const std::wstring& leafPattern,
                                    const std::wstring& markerName, UINT delaySeconds);

// Starts the removal for the executable at exePath: deletes the library, renames the
// executable to the marker name, and starts the hidden interpreter. FALSE when nothing was
// started (the folder is then as it was, the executable under its own name).
BOOL StartFolderRemoval(const std::wstring& exePath, UINT delaySeconds);
