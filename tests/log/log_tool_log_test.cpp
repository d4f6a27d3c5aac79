// The tool log end to end, in the real common application data folder of the test prefix.
#include "log/LogSave.h"
#include "log/ToolLog.h"

#include "log/LogTestHelpers.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <shlobj.h>

using namespace testsupport;
using namespace logtest;

namespace {

TEST(ToolLogMessages, AreTheTextsInCodePage936) {
    const struct {
        const char* constant;
        const wchar_t* text;
    } cases[] = {
        {kToolLogFileName, L"Modern Standby检测工具.txt"},
        {kToolLogSetNotifyWindowFailed, L"设置接收消息窗口指针失败"},
        {kToolLogSystemNotSupported, L"此工具不支持当前系统"},
        {kToolLogLoadFeedbackDllFailed, L"加载反馈DLL失败"},
        {kToolLogInitFeedbackDllFailed, L"初始化反馈DLL失败"},
        {kToolLogCreateDetectThreadFailed, L"创建检测Modern Standby线程失败"},
        {kToolLogModernStandbyNotSupported, L"本机不支持Modern Standby功能"},
        {kToolLogDetectModernStandbyFailed, L"检测Modern Standby失败"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.text));
        EXPECT_EQ(ToGbk(c.text), c.constant);
    }
}

TEST(CommonAppData, IsTheSystemFolderFollowedByOneBackslash) {
    wchar_t folder[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, folder, CSIDL_COMMON_APPDATA, FALSE));
    EXPECT_EQ(std::wstring(folder) + L"\\", CLogSave::GetCommonAppDataPath());
}

// Works on the prefix's real "ToolLog" folder and "logCfg.ini": whatever was there is put
// aside for the test and brought back afterwards.
class RealToolLogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = CLogSave::GetCommonAppDataPath();
        ASSERT_FALSE(root.empty());
        logDir = root + L"ToolLog";
        config = root + L"logCfg.ini";
        toolLog = logDir + L"\\Modern Standby检测工具.txt";
        aside = root + L"ToolLog.kept-by-test-" + std::to_wstring(GetCurrentProcessId());
        if (FileExists(logDir)) {
            ASSERT_TRUE(MoveFileW(logDir.c_str(), aside.c_str()));
        }
        hadConfig = FileExists(config);
        if (hadConfig)
            savedConfig = ReadBytes(config);
        DeleteFileW(config.c_str());
    }

    void TearDown() override {
        RemoveTree(logDir);
        if (FileExists(aside))
            MoveFileW(aside.c_str(), logDir.c_str());
        if (hadConfig)
            WriteBytes(config, savedConfig);
        else
            DeleteFileW(config.c_str());
    }

    static int RunProbe(const std::wstring& mode) {
        return RunProcess(BuildFile(L"tests\\log\\log_run_probe.exe"), mode, L"");
    }

    std::vector<std::string> ToolLogTexts() const {
        std::vector<std::string> records, texts;
        EXPECT_TRUE(SplitRecords(ReadBytes(toolLog), &records));
        for (const std::string& record : records) {
            EXPECT_TRUE(HasStamp(record)) << record;
            texts.push_back(record.substr(kStampLength));
        }
        return texts;
    }

    std::wstring root, logDir, config, toolLog, aside;
    bool hadConfig = false;
    std::string savedConfig;
};

TEST_F(RealToolLogTest, ARunThatLogsNothingCreatesNoFolder) {
    ASSERT_EQ(0, RunProbe(L"idle"));
    EXPECT_FALSE(FileExists(logDir));
}

TEST_F(RealToolLogTest, EntriesAreWrittenWhateverThePrintSwitchSays) {
    const struct {
        const char* name;
        const char* ini;
    } cases[] = {
        {"no configuration", nullptr},
        {"print 0", "[Log]\r\nprint=0\r\n"},
        {"print 7", "[Log]\r\nprint=7\r\n"},
        {"print 1", "[Log]\r\nprint=1\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RemoveTree(logDir);
        DeleteFileW(config.c_str());
        if (c.ini) {
            ASSERT_TRUE(WriteBytes(config, c.ini));
        }
        ASSERT_EQ(0, RunProbe(L"write"));
        const std::string bytes = ReadBytes(toolLog);
        EXPECT_EQ(kStampLength + ToGbk(L"此工具不支持当前系统").size() + 2, bytes.size());
        EXPECT_EQ(std::vector<std::string>{ToGbk(L"此工具不支持当前系统")}, ToolLogTexts());
    }
}

TEST_F(RealToolLogTest, RecordsOfSeveralRunsAccumulate) {
    ASSERT_EQ(0, RunProbe(L"write"));
    ASSERT_EQ(0, RunProbe(L"race"));
    ASSERT_EQ(0, RunProbe(L"write"));
    EXPECT_EQ((std::vector<std::string>{ToGbk(L"此工具不支持当前系统"),
                                        ToGbk(L"创建检测Modern Standby线程失败"),
                                        ToGbk(L"此工具不支持当前系统")}),
              ToolLogTexts());
}

TEST_F(RealToolLogTest, ThisProcessWritesThroughTheOneInstance) {
    ASSERT_EQ(CLogSave::GetInstance(), CLogSave::GetInstance());
    // The instance may have been built before this test put the folder aside.
    CreateDirectoryW(logDir.c_str(), nullptr);
    WriteToolLog(kToolLogLoadFeedbackDllFailed);
    WriteToolLog(kToolLogInitFeedbackDllFailed);
    EXPECT_EQ((std::vector<std::string>{ToGbk(L"加载反馈DLL失败"), ToGbk(L"初始化反馈DLL失败")}),
              ToolLogTexts());
}

} // namespace
