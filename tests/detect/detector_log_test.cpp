// The detector's entries in the tool log: which outcome writes what, and when.
#include "DetectorWindowFixture.h"
#include "detect/ModernStandbyDetector.h"
#include "log/LogSave.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// A window on this thread receives the worker's messages; the prefix's real tool log is read.
// Whatever the log folder held before is put aside and brought back afterwards.
class DetectorLogTest : public DetectorWindowFixture {
  protected:
    void SetUp() override {
        const std::wstring root = CLogSave::GetCommonAppDataPath();
        ASSERT_FALSE(root.empty());
        logDir = root + L"ToolLog";
        toolLog = logDir + L"\\Modern Standby检测工具.txt";
        aside = root + L"ToolLog.kept-by-test-" + std::to_wstring(GetCurrentProcessId());
        if (FileExists(logDir)) {
            ASSERT_TRUE(MoveFileW(logDir.c_str(), aside.c_str()));
        }
        // The log instance of this process may already exist and will not create it again.
        ASSERT_TRUE(CreateDirectoryW(logDir.c_str(), nullptr));

        DetectorWindowFixture::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(detector.SetNotifyWindow(window));
    }

    void TearDown() override {
        DetectorWindowFixture::TearDown();
        RemoveTree(logDir);
        if (FileExists(aside))
            MoveFileW(aside.c_str(), logDir.c_str());
    }

    std::vector<std::string> LogTexts() const {
        std::vector<std::string> texts;
        // Each line: the 30-byte stamp, then the text.
        for (const std::string& line : ReadLines(toolLog))
            texts.push_back(line.size() >= 30 ? line.substr(30) : "short line: " + line);
        return texts;
    }

    // While the verdict is being handled (the user looks at the prompt), the log has no entry.
    bool OnWindowMessage(UINT msg, WPARAM, LPARAM, LRESULT* result) override {
        if (msg != WM_DETECT_RESULT)
            return false;
        verdictHandled = true;
        entriesWhileHandlingVerdict = LogTexts().size();
        *result = 0;
        return true;
    }

    std::wstring logDir, toolLog, aside;
    bool verdictHandled = false;
    size_t entriesWhileHandlingVerdict = 0;
};

TEST_F(DetectorLogTest, VerdictsTwoAndThreeWriteOneEntryAfterTheVerdictWasHandled) {
    const struct {
        const char* name;
        BOOL ran;
        std::wstring output;
        std::vector<std::string> entries;
    } cases[] = {
        {"supported", TRUE, L"    待机 (S0 低电量待机) 连接的网络\r\n", {}},
        {"not supported", TRUE, L"    待机 (S3)\r\n", {ToGbk(L"本机不支持Modern Standby功能")}},
        {"failed", FALSE, L"", {ToGbk(L"检测Modern Standby失败")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileW(toolLog.c_str());
        verdictHandled = false;
        entriesWhileHandlingVerdict = 99;
        ForgetWorker();
        detector.SetCommandRunner([&c](const std::wstring&, std::wstring* out) {
            *out = c.output;
            return c.ran;
        });

        ASSERT_TRUE(detector.StartDetectThread());
        ASSERT_TRUE(PumpUntilWorkerEnds(10000));
        ASSERT_TRUE(verdictHandled);
        EXPECT_EQ(0u, entriesWhileHandlingVerdict);
        EXPECT_EQ(c.entries, LogTexts());
        EXPECT_EQ(c.entries.empty(), !FileExists(toolLog));
    }
}

TEST_F(DetectorLogTest, FailedThreadCreationWritesItsEntryBeforeReturning) {
    detector.SetThreadCreator([](LPTHREAD_START_ROUTINE, LPVOID) -> HANDLE { return nullptr; });
    EXPECT_FALSE(detector.StartDetectThread());
    EXPECT_EQ(std::vector<std::string>{ToGbk(L"创建检测Modern Standby线程失败")}, LogTexts());
}

} // namespace
