// The log front end in a folder of the test's own: print switch, log folder, configuration.
#include "log/LogSave.h"

#include "log/LogTestHelpers.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <climits>

using namespace testsupport;
using namespace logtest;

namespace {

std::wstring RootOf(const TempDir& dir) {
    return dir.Path() + L"\\";
}

// The records of a file as their texts; empty when the file is missing.
std::vector<std::string> TextsOf(const std::wstring& path) {
    std::vector<std::string> records, texts;
    EXPECT_TRUE(SplitRecords(ReadBytes(path), &records));
    for (const std::string& record : records) {
        EXPECT_TRUE(HasStamp(record)) << record;
        texts.push_back(record.substr(kStampLength));
    }
    return texts;
}

TEST(ConfigInteger, ConvertsLikeADecimalIntegerWithoutWrapping) {
    const struct {
        const wchar_t* value;
        long expected;
    } cases[] = {
        {L"1", 1},
        {L"01", 1},
        {L"1abc", 1},
        {L" 1", 1},
        {L"\t+1", 1},
        {L"-1", -1},
        {L"2", 2},
        {L"0", 0},
        {L"", 0},
        {L"yes", 0},
        {L"- 1", 0},
        {L"1 2", 1},
        {L"4294967297", LONG_MAX},
        {L"-99999999999999999999", LONG_MIN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.value));
        EXPECT_EQ(c.expected, ParseConfigInteger(c.value));
    }
}

TEST(LogSaveConfig, PrintSwitchDecidesOnlyForMessagesThatAreNotForced) {
    const struct {
        const char* name;
        const char* ini; // nullptr: no configuration file
        bool printOn;
    } cases[] = {
        {"1", "[Log]\r\nprint=1\r\n", true},
        {"01", "[Log]\r\nprint=01\r\n", true},
        {"1abc", "[Log]\r\nprint=1abc\r\n", true},
        {"blank before 1", "[Log]\r\nprint= 1\r\n", true},
        {"+1 among other keys", "[Other]\r\nx=0\r\n[Log]\r\nmode=3\r\nprint=+1\r\n", true},
        {"2", "[Log]\r\nprint=2\r\n", false},
        {"0", "[Log]\r\nprint=0\r\n", false},
        {"a word", "[Log]\r\nprint=yes\r\n", false},
        {"empty value", "[Log]\r\nprint=\r\n", false},
        {"-1", "[Log]\r\nprint=-1\r\n", false},
        {"digits that would wrap to 1", "[Log]\r\nprint=4294967297\r\n", false},
        {"missing key", "[Log]\r\nprinting=1\r\n", false},
        {"key in another section", "[Logs]\r\nprint=1\r\n", false},
        {"missing file", nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir root;
        if (c.ini) {
            ASSERT_TRUE(WriteBytes(root / L"logCfg.ini", c.ini));
        }
        CLogSave log(RootOf(root));
        log.WriteLog("plain", "plain.txt", false);
        log.WriteLog(ToGbk(L"此工具不支持当前系统"), ToGbk(L"强制.txt"), true);

        EXPECT_EQ(c.printOn, FileExists(root / L"ToolLog\\plain.txt"));
        if (c.printOn) {
            EXPECT_EQ(std::vector<std::string>{"plain"}, TextsOf(root / L"ToolLog\\plain.txt"));
        }
        EXPECT_EQ(std::vector<std::string>{ToGbk(L"此工具不支持当前系统")},
                  TextsOf(root / L"ToolLog\\强制.txt"));
    }
}

TEST(LogSaveConfig, ReadConfigStringTrimsAndFallsBackToTheDefault) {
    TempDir root;
    const std::wstring ini = root / L"logCfg.ini";
    const std::string longValue(150, '7');
    ASSERT_TRUE(WriteBytes(ini, "[Log]\r\nprint =  \t value with inner blanks \t \r\nempty=\r\n"
                                "long=" +
                                    longValue + "\r\n"));
    EXPECT_EQ(L"value with inner blanks", CLogSave::ReadConfigString(ini, L"Log", L"print", L"-1"));
    EXPECT_EQ(L"", CLogSave::ReadConfigString(ini, L"Log", L"empty", L"-1"));
    EXPECT_EQ(std::wstring(99, L'7'), CLogSave::ReadConfigString(ini, L"Log", L"long", L"-1"));
    EXPECT_EQ(L"-1", CLogSave::ReadConfigString(ini, L"Log", L"absent", L"-1"));
    EXPECT_EQ(L"-1", CLogSave::ReadConfigString(ini, L"Nope", L"print", L"-1"));
    EXPECT_EQ(L"-1", CLogSave::ReadConfigString(root / L"none.ini", L"Log", L"print", L"-1"));
}

TEST(LogSaveFolder, CreatedWhenMissingAndKeptWhenPresent) {
    TempDir root;
    {
        CLogSave log(RootOf(root));
        const DWORD attributes = GetFileAttributesW((root / L"ToolLog").c_str());
        ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes);
        EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
        log.WriteLog("one", "a.txt", true);
    }
    // A later process finds the folder with its earlier records and adds to them.
    CLogSave again(RootOf(root));
    again.WriteLog("two", "a.txt", true);
    EXPECT_EQ((std::vector<std::string>{"one", "two"}), TextsOf(root / L"ToolLog\\a.txt"));
}

TEST(LogSaveFolder, PlainFileNamedToolLogMeansNoRecordAndNoHarm) {
    TempDir root;
    ASSERT_TRUE(WriteBytes(root / L"ToolLog", "not a folder"));
    CLogSave log(RootOf(root));
    log.WriteLog("lost", "a.txt", true);
    log.WriteLog("lost too", "a.txt", false);
    EXPECT_EQ("not a folder", ReadBytes(root / L"ToolLog"));
    EXPECT_FALSE(FileExists(root / L"a.txt"));
    EXPECT_FALSE(FileExists(root / L"ToolLoga.txt"));
}

TEST(LogSaveFolder, UnknownRootFallsBackToTheCurrentFolder) {
    TempDir cwd;
    wchar_t saved[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, saved);
    ASSERT_TRUE(SetCurrentDirectoryW(cwd.Path().c_str()));
    {
        CLogSave log(L"");
        log.WriteLog("relative", "a.txt", true);
    }
    SetCurrentDirectoryW(saved);
    EXPECT_EQ(std::vector<std::string>{"relative"}, TextsOf(cwd / L"ToolLog\\a.txt"));
}

} // namespace
