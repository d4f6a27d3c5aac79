// The version gate, the verdict and the worker's messages to its window.
#include "DetectorWindowFixture.h"
#include "detect/ModernStandbyDetector.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

using namespace testsupport;

namespace {

// Records every command it is asked to run and answers with a fixed result and output.
struct FakeRunner {
    BOOL result = TRUE;
    std::wstring output;
    std::vector<std::wstring> commands;

    CommandRunner AsRunner() {
        return [this](const std::wstring& command, std::wstring* out) {
            commands.push_back(command);
            if (result)
                *out += output;
            return result;
        };
    }
};

struct VersionCase {
    DWORD major, minor;
    BOOL runnerResult;
    const wchar_t* wmicOutput;
    BOOL expected;
    bool expectWmic;
};

TEST(VersionGate, DecisionTable) {
    const wchar_t* win11 = L"Name\r\r\nMicrosoft Windows 11 专业版|C:\\WINDOWS  OK\r\r\n";
    const VersionCase cases[] = {
        {5, 0, TRUE, win11, FALSE, false},
        {5, 1, TRUE, win11, FALSE, false},
        {5, 2, TRUE, win11, FALSE, false},
        {6, 0, TRUE, win11, FALSE, false},
        {6, 1, TRUE, win11, FALSE, false},
        {6, 2, TRUE, win11, FALSE, false},
        {6, 3, TRUE, win11, FALSE, false},
        {10, 0, FALSE, L"", TRUE, false},
        {6, 4, TRUE, win11, TRUE, true},
        {10, 1, TRUE, win11, TRUE, true},
        {11, 0, TRUE, win11, TRUE, true},
        {11, 0, TRUE, L"Microsoft Windows 10", FALSE, true},
        {11, 0, TRUE, L"microsoft windows 11", FALSE, true},
        {11, 0, TRUE, L"WINDOWS 11", FALSE, true},
        {11, 0, TRUE, L"", FALSE, true},
        {11, 0, FALSE, win11, FALSE, true}, // the runner failed: unsupported
    };
    for (const VersionCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.major << "." << c.minor << " output "
                                        << ToUtf8(c.wmicOutput) << " ran " << c.runnerResult);
        FakeRunner runner;
        runner.result = c.runnerResult;
        runner.output = c.wmicOutput;
        EXPECT_EQ(c.expected, IsSupportedSystemVersion({c.major, c.minor}, runner.AsRunner()));
        if (c.expectWmic) {
            ASSERT_EQ(1u, runner.commands.size());
            EXPECT_EQ(L"WMIC OS List status", runner.commands[0]);
        } else {
            EXPECT_TRUE(runner.commands.empty());
        }
    }
}

TEST(VersionGate, DetectorReadsVersionThroughItsSeam) {
    CModernStandbyDetector detector;
    FakeRunner runner;
    runner.output = L"Windows 11";
    detector.SetCommandRunner(runner.AsRunner());
    detector.SetOsVersionReader([] { return OsVersionNumbers{6, 1}; });
    EXPECT_FALSE(detector.CheckSystemVersion());
    detector.SetOsVersionReader([] { return OsVersionNumbers{10, 22}; });
    EXPECT_TRUE(detector.CheckSystemVersion());
}

TEST(VersionGate, PebHoldsTheVersionWindowsReports) {
    // The test prefix is Windows 10; RtlGetVersion is not subject to compatibility shims.
    typedef LONG(WINAPI * RtlGetVersionFn)(OSVERSIONINFOW*);
    auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    ASSERT_NE(nullptr, rtlGetVersion);
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    ASSERT_EQ(0, rtlGetVersion(&info));
    const OsVersionNumbers peb = ReadOsVersionFromPeb();
    EXPECT_EQ(info.dwMajorVersion, peb.major);
    EXPECT_EQ(info.dwMinorVersion, peb.minor);
    EXPECT_EQ(10u, peb.major);
}

TEST(VersionGate, RealWmicRunOnAnUnlistedVersion) {
    // Through the real runner and the fake WMIC: its default output names Windows 10.
    CModernStandbyDetector detector;
    detector.SetOsVersionReader([] { return OsVersionNumbers{10, 1}; });
    EXPECT_FALSE(detector.CheckSystemVersion());
}

TEST(Verdict, FromProbeOutput) {
    const struct {
        const char* name;
        BOOL ran;
        std::wstring output;
        int expected;
    } cases[] = {
        {"marker alone", TRUE, L"待机 (S0 低电量待机) 连接的网络", DETECT_SUPPORTED},
        {"marker inside other text", TRUE,
         L"此系统上有以下睡眠状态:\r\n    待机 (S0 低电量待机) 连接的网络\r\n    休眠\r\n",
         DETECT_SUPPORTED},
        {"marker glued to other text", TRUE, L"xx待机 (S0 低电量待机) 连接的网络yy",
         DETECT_SUPPORTED},
        {"other spacing", TRUE, L"待机 (S0低电量待机) 连接的网络", DETECT_NOT_SUPPORTED},
        {"full-width parentheses", TRUE, L"待机 （S0 低电量待机） 连接的网络",
         DETECT_NOT_SUPPORTED},
        {"English output", TRUE, L"Standby (S0 Low Power Idle) Network Connected",
         DETECT_NOT_SUPPORTED},
        {"empty output", TRUE, L"", DETECT_NOT_SUPPORTED},
        {"error text", TRUE, L"'powercfg' 不是内部或外部命令，也不是可运行的程序",
         DETECT_NOT_SUPPORTED},
        {"runner failed", FALSE, L"待机 (S0 低电量待机) 连接的网络", DETECT_FAILED},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, VerdictFromProbe(c.ran, c.output));
    }
}

// A real window on this thread that records what the worker sends it. While it handles the
// verdict it checks that the worker is still inside its send.
class DetectorWindowTest : public DetectorWindowFixture {
  protected:
    struct Received {
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
    };

    bool OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        if (msg != WM_CLOSE_EXECUTE_PROMPT && msg != WM_DETECT_RESULT)
            return false;
        received.push_back({msg, wParam, lParam});
        if (msg == WM_DETECT_RESULT)
            workerWaitedInSend = WaitForSingleObject(worker, 300) == WAIT_TIMEOUT;
        *result = 1;
        return true;
    }

    std::vector<Received> received;
    bool workerWaitedInSend = false;
};

TEST_F(DetectorWindowTest, SetNotifyWindowRefusesNull) {
    EXPECT_FALSE(detector.SetNotifyWindow(nullptr));
    EXPECT_EQ(nullptr, detector.m_hNotifyWnd);
    EXPECT_TRUE(detector.SetNotifyWindow(window));
    EXPECT_FALSE(detector.SetNotifyWindow(nullptr));
    EXPECT_EQ(window, detector.m_hNotifyWnd);
}

TEST_F(DetectorWindowTest, EveryOutcomeSendsCloseThenVerdictAndWaitsInTheSecondSend) {
    const struct {
        const char* name;
        BOOL ran;
        std::wstring output;
        int verdict;
    } cases[] = {
        {"supported", TRUE, L"  待机 (S0 低电量待机) 连接的网络\r\n", DETECT_SUPPORTED},
        {"not supported", TRUE, L"Standby (S3)\r\n", DETECT_NOT_SUPPORTED},
        {"failed", FALSE, L"", DETECT_FAILED},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        received.clear();
        workerWaitedInSend = false;
        ForgetWorker();
        FakeRunner runner;
        runner.result = c.ran;
        runner.output = c.output;
        detector.SetCommandRunner(runner.AsRunner());
        ASSERT_TRUE(detector.SetNotifyWindow(window));

        ASSERT_TRUE(detector.StartDetectThread());
        ASSERT_TRUE(PumpUntilWorkerEnds(10000));

        ASSERT_EQ(1u, runner.commands.size());
        EXPECT_EQ(L"powercfg /a", runner.commands[0]);
        ASSERT_EQ(2u, received.size());
        EXPECT_EQ(WM_CLOSE_EXECUTE_PROMPT, received[0].msg);
        EXPECT_EQ(0u, received[0].wParam);
        EXPECT_EQ(0, received[0].lParam);
        EXPECT_EQ(WM_DETECT_RESULT, received[1].msg);
        EXPECT_EQ(static_cast<WPARAM>(c.verdict), received[1].wParam);
        EXPECT_EQ(0, received[1].lParam);
        EXPECT_TRUE(workerWaitedInSend);
        DWORD exitCode = 0;
        GetExitCodeThread(worker, &exitCode);
        EXPECT_EQ(1u, exitCode);
    }
}

TEST_F(DetectorWindowTest, RealPowercfgRunThroughTheFakeCommand) {
    const struct {
        const char* name;
        std::wstring fixture; // empty: the fake's default output, a supported machine
        int verdict;
    } cases[] = {
        {"supported machine", L"", DETECT_SUPPORTED},
        {"English system",
         L"The following sleep states are available on this system:\r\n"
         L"    Standby (S0 Low Power Idle) Network Connected\r\n",
         DETECT_NOT_SUPPORTED},
    };
    TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        received.clear();
        ForgetWorker();
        ASSERT_TRUE(WriteBytes(dir / L"out.txt", ToGbk(c.fixture)));
        ScopedEnv mode(L"MSDT_FAKE_POWERCFG",
                       c.fixture.empty() ? L"" : L"file:" + (dir / L"out.txt"));
        ASSERT_TRUE(detector.SetNotifyWindow(window));
        ASSERT_TRUE(detector.StartDetectThread());
        ASSERT_TRUE(PumpUntilWorkerEnds(30000));
        ASSERT_EQ(2u, received.size());
        EXPECT_EQ(static_cast<WPARAM>(c.verdict), received[1].wParam);
    }
}

TEST_F(DetectorWindowTest, FailedThreadCreationSendsNothing) {
    bool runnerCalled = false;
    detector.SetCommandRunner([&](const std::wstring&, std::wstring*) {
        runnerCalled = true;
        return TRUE;
    });
    detector.SetThreadCreator([](LPTHREAD_START_ROUTINE, LPVOID) -> HANDLE {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    });
    ASSERT_TRUE(detector.SetNotifyWindow(window));
    EXPECT_FALSE(detector.StartDetectThread());
    PumpUntilWorkerEnds(300);
    EXPECT_TRUE(received.empty());
    EXPECT_FALSE(runnerCalled);
}

} // namespace
