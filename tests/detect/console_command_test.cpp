// The console command runner against the fake console tools installed in the test prefix.
#include "detect/ConsoleCommand.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// Quick runs: the chunk pause is a fixed cost that these tests need not pay.
ConsoleRunOptions FastOptions() {
    ConsoleRunOptions options;
    options.chunkPauseMs = 10;
    options.timeoutMs = 30000;
    return options;
}

// Machine field of a PE file's header, as this thread sees the path.
WORD PeMachine(const std::wstring& path) {
    std::string bytes = ReadBytes(path);
    if (bytes.size() < 0x40)
        return 0;
    DWORD peOffset = *reinterpret_cast<const DWORD*>(&bytes[0x3C]);
    if (bytes.size() < peOffset + 6)
        return 0;
    return *reinterpret_cast<const WORD*>(&bytes[peOffset + 4]);
}

std::wstring SystemCmdPath() {
    wchar_t dir[MAX_PATH] = {};
    GetSystemDirectoryW(dir, MAX_PATH);
    return std::wstring(dir) + L"\\cmd.exe";
}

class ConsoleCommandTest : public ::testing::Test {
  protected:
    // Runs "powercfg /a" with the fake printing exactly these bytes.
    BOOL RunWithFixture(const std::string& bytes, std::wstring* output) {
        const std::wstring fixture = dir / L"fixture.bin";
        EXPECT_TRUE(WriteBytes(fixture, bytes));
        ScopedEnv mode(L"MSDT_FAKE_POWERCFG", L"file:" + fixture);
        return RunConsoleCommand(L"powercfg /a", output, FastOptions());
    }

    TempDir dir;
};

struct OutputCase {
    const char* name;
    std::string bytes;
    std::wstring expected;
};

TEST_F(ConsoleCommandTest, CapturesOutputChunkByChunk) {
    std::string longText;
    for (int i = 0; longText.size() < 10000; ++i)
        longText += "line " + std::to_string(i) + "\r\n";

    const OutputCase cases[] = {
        {"nothing printed", "", L""},
        {"GBK text", ToGbk(L"待机 (S0 低电量待机) 连接的网络\r\n"),
         L"待机 (S0 低电量待机) 连接的网络\r\n"},
        {"longer than one chunk, in order", longText, FromUtf8(longText)},
        {"zero byte ends the chunk's text", std::string("abc\0def", 7), L"abc"},
        {"zero byte drops only the rest of its own chunk",
         std::string(4000, 'x') + std::string(1, '\0') + std::string(94, 'z') + "tail",
         std::wstring(4000, L'x') + L"tail"},
    };
    for (const OutputCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::wstring output;
        EXPECT_TRUE(RunWithFixture(c.bytes, &output));
        EXPECT_EQ(c.expected, output);
    }
}

TEST_F(ConsoleCommandTest, DoubleByteCharacterSplitAcrossChunksIsNotRejoined) {
    // 4094 single bytes, then the two bytes of 中: the chunk boundary falls between them.
    const std::string bytes = std::string(4094, 'a') + ToGbk(L"中") + "\r\n";
    std::wstring output;
    ASSERT_TRUE(RunWithFixture(bytes, &output));
    EXPECT_EQ(std::wstring(4094, L'a'), output.substr(0, 4094));
    EXPECT_EQ(std::wstring::npos, output.find(L"中"));
    EXPECT_EQ(L'\n', output.back());
}

TEST_F(ConsoleCommandTest, AppendsToWhatTheCallerPassed) {
    std::wstring output = L"before|";
    ASSERT_TRUE(RunWithFixture("after", &output));
    EXPECT_EQ(L"before|after", output);
}

TEST_F(ConsoleCommandTest, InterpreterThatCannotStartLeavesNothingBehind) {
    ConsoleRunOptions options = FastOptions();
    options.interpreterPath = dir / L"missing\\cmd.exe";
    std::wstring output = L"untouched";
    DWORD handlesBefore = 0, handlesAfter = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handlesBefore);

    EXPECT_FALSE(RunConsoleCommand(L"powercfg /a", &output, options));

    GetProcessHandleCount(GetCurrentProcess(), &handlesAfter);
    EXPECT_EQ(L"untouched", output);
    EXPECT_EQ(handlesBefore, handlesAfter);
    // Redirection is back on: this 32-bit thread sees the 32-bit cmd.exe in system32 again.
    EXPECT_EQ(IMAGE_FILE_MACHINE_I386, PeMachine(SystemCmdPath()));
}

TEST_F(ConsoleCommandTest, RunsTheNativeInterpreterAndRestoresRedirection) {
    ASSERT_TRUE(Is64BitSystem()) << "the test prefix is a 64-bit one";
    for (int run = 0; run < 2; ++run) {
        std::wstring output;
        ASSERT_TRUE(RunConsoleCommand(L"echo %PROCESSOR_ARCHITECTURE%", &output, FastOptions()));
        EXPECT_NE(std::wstring::npos, output.find(L"AMD64")) << "a 32-bit cmd.exe ran";
        EXPECT_EQ(IMAGE_FILE_MACHINE_I386, PeMachine(SystemCmdPath()));
    }
}

TEST_F(ConsoleCommandTest, HungCommandIsEndedWithEverythingItStartedAtTheBound) {
    const std::wstring log = dir / L"fake.log";
    ScopedEnv logEnv(L"MSDT_FAKE_LOG", log);
    ScopedEnv mode(L"MSDT_FAKE_POWERCFG", L"spawn-hang");
    ConsoleRunOptions options = FastOptions();
    options.timeoutMs = 1500;
    std::wstring output = L"untouched";

    EXPECT_FALSE(RunConsoleCommand(L"powercfg /a", &output, options));
    EXPECT_EQ(L"untouched", output);

    const std::vector<std::string> lines = ReadLines(log);
    ASSERT_EQ(2u, lines.size()) << "the fake and the copy it started";
    for (const std::string& line : lines) {
        const DWORD pid = static_cast<DWORD>(std::stoul(line.substr(line.find('\t') + 1)));
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
        if (process) {
            EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process, 5000)) << line;
            CloseHandle(process);
        }
    }
}

TEST_F(ConsoleCommandTest, PlantedInterpreterAndCommandBesideTheToolDoNotRun) {
    // The tool's folder and current folder hold a cmd.exe and a powercfg.exe of their own.
    const std::wstring fake = BuildFile(L"tests\\fakes\\fake_console.exe");
    ASSERT_TRUE(CopyFileW(BuildFile(L"tests\\detect\\run_console_probe.exe").c_str(),
                          (dir / L"probe.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(fake.c_str(), (dir / L"cmd.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(fake.c_str(), (dir / L"powercfg.exe").c_str(), FALSE));
    const std::wstring log = dir / L"fake.log";
    ScopedEnv logEnv(L"MSDT_FAKE_LOG", log);

    ASSERT_EQ(0, RunProcess(dir / L"probe.exe",
                            L"\"" + (dir / L"result.txt") + L"\" \"powercfg /a\"", dir.Path()));

    const std::wstring result = FromUtf8(ReadBytes(dir / L"result.txt"));
    EXPECT_EQ(0u, result.find(L"1\n"));
    EXPECT_NE(std::wstring::npos, result.find(L"待机 (S0 低电量待机) 连接的网络"));
    const std::vector<std::string> lines = ReadLines(log);
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ(0u, lines[0].find("POWERCFG\t"));
    EXPECT_EQ(std::wstring::npos, FromUtf8(lines[0]).find(dir.Path() + L"\\powercfg.exe"));
}

} // namespace
