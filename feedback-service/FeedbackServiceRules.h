// The feedback service's decisions and formats as plain functions: which addresses may reach
// the shell, which page address is used, how versions compare, what a record line holds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The pages of the string block, in block order. The tool reads only the two addresses it
// opens itself (more tools, more solutions); the library opens the others.
enum FeedbackPage {
    kPageHome = 0,
    kPageFeedbackQuestion = 1,
    kPageUseAgreement = 2,
    kPageMoreTools = 3,
    kPageMoreSolutions = 4,
    kPageToolDownload = 5,
    kPageCount = 6
};

// The settings file beside the library, its sections and keys.
extern const wchar_t* const kServiceIniName;      // "TarselFeedbackInformation.ini"
extern const wchar_t* const kServiceIniPages;     // section of the page addresses
extern const wchar_t* const kServiceIniUpdate;    // section of the version check
extern const wchar_t* const kServiceIniLatestKey; // "LatestVersion"
// Where answers are recorded, under the common application data folder.
extern const wchar_t* const kFeedbackRecordFolder; // "TarselFeedbackInformation"
extern const wchar_t* const kFeedbackRecordFile;   // "CustomerFeedback.txt"

// The settings key and the built-in address of a page (0 to kPageCount - 1).
const wchar_t* PageIniKey(int page);
const wchar_t* DefaultPageAddress(int page);

// The process runs elevated, so only plain web addresses may be handed to the shell: http or
// https with a host, printable ASCII without blanks, quotes or other characters a command line
// could split on, and of a sane length.
bool IsOpenableWebAddress(const std::wstring& address);

// The configured address when it is an openable web address, otherwise the built-in one.
std::wstring ChoosePageAddress(int page, const std::wstring& configured);

// The feedback page with the tool's identity as query parameters (percent-encoded UTF-8).
std::wstring FeedbackQuestionAddress(const std::wstring& page, const wchar_t* toolId,
                                     const wchar_t* version);

// "1.0.21.908" into its numbers; false for anything but dot-separated decimal numbers that
// fit 32 bits.
bool ParseDottedVersion(const std::wstring& text, std::vector<uint32_t>* parts);

// What GetToolIsNewVersion answers: 3 when latest is newer than current (compared number by
// number, missing numbers counting as 0), 1 when it is not, 0 when either cannot be read.
const int kVersionNewer = 3;
const int kVersionCurrent = 1;
const int kVersionUnknown = 0;
int NewVersionResult(const std::wstring& latest, const std::wstring& current);

// One line of the local feedback record, UTF-8 with CR LF: tool id, version, answer code and
// time text separated by tabs. Control characters inside a field become blanks, so one answer
// is always exactly one line.
std::string FeedbackRecordLine(const wchar_t* toolId, const wchar_t* version, int answer,
                               const wchar_t* timeText);

// One line of a call record (test build): the export's name and its arguments separated by
// tabs, UTF-8, CR LF. Control characters are written as \xNN so a line stays a line.
std::string CallRecordLine(const char* name, const std::vector<std::wstring>& args);
// An argument as a call record shows it; a null pointer is "<null>".
std::wstring RecordArg(const wchar_t* text);
std::wstring RecordArg(int value);
