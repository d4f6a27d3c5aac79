// The detector's entries in the tool log: which outcome writes what, and when.
#include "detect/ModernStandbyDetector.h"
#include "log/LogSave.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// A window on this thread receives the worker's messages; the prefix's real tool log is read.
// Whatever the log folder held before is put aside and brought back afterwards.
class DetectorLogTest : public ::testing::Test {
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

        WNDCLASSW wc = {};
        wc.lpfnWndProc = &DetectorLogTest::WndProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"DetectorLogTestWindow";
        RegisterClassW(&wc);
        window = CreateWindowW(wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               wc.hInstance, nullptr);
        ASSERT_NE(nullptr, window);
        current = this;
        ASSERT_TRUE(detector.SetNotifyWindow(window));
        detector.SetThreadCreator([this](LPTHREAD_START_ROUTINE proc, LPVOID param) -> HANDLE {
            HANDLE thread = CreateThread(nullptr, 0, proc, param, 0, nullptr);
            if (thread)
                DuplicateHandle(GetCurrentProcess(), thread, GetCurrentProcess(), &worker, 0, FALSE,
                                DUPLICATE_SAME_ACCESS);
            return thread;
        });
    }

    void TearDown() override {
        if (window)
            DestroyWindow(window);
        if (worker)
            CloseHandle(worker);
        current = nullptr;
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

    // Pumps messages until the worker has ended (or the time is up).
    bool PumpUntilWorkerEnds(DWORD timeoutMs) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < timeoutMs) {
            if (worker &&
                MsgWaitForMultipleObjects(1, &worker, FALSE, 20, QS_ALLINPUT) == WAIT_OBJECT_0)
                return true;
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
        }
        return false;
    }

    // While the verdict is being handled (the user looks at the prompt), the log has no entry.
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (current && msg == WM_DETECT_RESULT) {
            current->verdictHandled = true;
            current->entriesWhileHandlingVerdict = current->LogTexts().size();
            return 0;
        }
        return DefWindowProcW(hWnd, msg, wParam, lParam);
    }

    static DetectorLogTest* current;
    std::wstring logDir, toolLog, aside;
    HWND window = nullptr;
    HANDLE worker = nullptr;
    CModernStandbyDetector detector;
    bool verdictHandled = false;
    size_t entriesWhileHandlingVerdict = 0;
};

DetectorLogTest* DetectorLogTest::current = nullptr;

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
        if (worker)
            CloseHandle(worker), worker = nullptr;
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
