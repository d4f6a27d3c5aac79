// What the feedback service needs from Windows: its own folder and settings file, the common
// application data folder, appending to files, and opening a page in the default browser.
// The recording test build (FEEDBACK_SERVICE_RECORDING) records calls and page openings to
// the file named by MSDT_FEEDBACK_RECORD instead of opening anything.
#pragma once

#include <string>
#include <vector>

// Folder of this library, without trailing backslash; empty when it cannot be read whole.
std::wstring LibraryFolder();

// A value of the settings file beside the library; empty when absent.
std::wstring ReadServiceSetting(const wchar_t* section, const wchar_t* key);

// The address of a page of the string block: the settings file's, else the built-in one.
std::wstring PageAddress(int page);

// "<common application data>\TarselFeedbackInformation\CustomerFeedback.txt"; the folder is
// created on the way. Empty when the common folder is unknown.
std::wstring FeedbackRecordPath();

// Appends the bytes in one write, creating the file if needed.
bool AppendToFile(const std::wstring& path, const std::string& bytes);

// Opens an openable web address (see IsOpenableWebAddress) with the shell's "open" verb.
// 1 when handed over, 0 when refused or the shell failed.
int OpenWebPage(const std::wstring& address);

// Records one export call in the recording build; nothing in the shipped one.
void RecordCall(const char* name, const std::vector<std::wstring>& args);
