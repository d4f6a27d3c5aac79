// Load on the pieces below the window: many threads logging across the size limit, with and
// without another program holding the file, and a command that prints 10 MB.
//
// The single faults have their own tests beside the code: tests/detect (no output, zero bytes,
// split double-byte characters, a hung command, an interpreter that cannot start) and
// tests/log (unopenable file, "ToolLog" being a file, a held file at the limit, threads).
#include "detect/ConsoleCommand.h"
#include "log/LogRecord.h"

#include "log/LogTestHelpers.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <thread>

using namespace testsupport;
using namespace logtest;

namespace {

struct LimitCase {
    const char* name;
    bool held; // another program holds the file without delete sharing while the limit passes
};

class LogAtTheLimit : public ::testing::TestWithParam<WriterKind> {};

// Several threads write enough to carry the file over the limit once. Every record must be
// somewhere, whole, with each thread's records in the order written, in the file or its backup.
TEST_P(LogAtTheLimit, ThreadsCrossingTheLimitLoseNoRecord) {
    const LimitCase cases[] = {{"free file", false}, {"file held open", true}};
    const int kThreads = 6, kRecords = 200;
    for (const LimitCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::wstring path = dir / L"limit.txt";
        // About half of what the threads write fits below the limit.
        const std::string before(LOG_FILE_MAX_SIZE - kThreads * kRecords * 40, 'x');
        ASSERT_TRUE(WriteBytes(path, before + "\r\n"));
        HANDLE holder = INVALID_HANDLE_VALUE;
        if (c.held) {
            holder = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(INVALID_HANDLE_VALUE, holder);
        }
        auto textOf = [](int t, int i) {
            return "t" + std::to_string(t) + " r" + std::to_string(i) + " " +
                   ToGbk(L"本机不支持Modern Standby功能") +
                   std::string(static_cast<size_t>(i % 17), 'z');
        };
        {
            std::unique_ptr<CLogBase> writer = GetParam().make(dir.Path() + L"\\");
            HANDLE go = CreateEventW(nullptr, TRUE, FALSE, nullptr);
            std::vector<std::thread> threads;
            for (int t = 0; t < kThreads; ++t)
                threads.emplace_back([&, t] {
                    WaitForSingleObject(go, INFINITE);
                    for (int i = 0; i < kRecords; ++i)
                        writer->WriteText(textOf(t, i), "limit.txt");
                });
            SetEvent(go);
            for (std::thread& th : threads)
                th.join();
            CloseHandle(go);
            if (c.held) {
                EXPECT_FALSE(FileExists(path + L"bak")) << "the held file cannot move";
                CloseHandle(holder);
                // The next record finds the file over the limit and moves it now.
                writer->WriteText(textOf(kThreads, 0), "limit.txt");
            }
        }

        // The old content opens the backup; the records follow it there and in the new file.
        const std::string backup = ReadBytes(path + L"bak");
        ASSERT_GT(backup.size(), static_cast<size_t>(LOG_FILE_MAX_SIZE));
        ASSERT_EQ(before + "\r\n", backup.substr(0, before.size() + 2));
        std::vector<std::string> inBackup, inFile;
        ASSERT_TRUE(SplitRecords(backup.substr(before.size() + 2), &inBackup));
        ASSERT_TRUE(SplitRecords(FileExists(path) ? ReadBytes(path) : "", &inFile));
        if (c.held) {
            EXPECT_TRUE(inFile.empty()) << "the record that moved the file was its last";
        }
        std::vector<std::string> all = inBackup;
        all.insert(all.end(), inFile.begin(), inFile.end());

        std::map<int, int> next;
        for (const std::string& record : all) {
            ASSERT_TRUE(HasStamp(record)) << record;
            const std::string text = record.substr(kStampLength);
            const int t = std::atoi(text.c_str() + 1);
            ASSERT_EQ(textOf(t, next[t]), text);
            ++next[t];
        }
        for (int t = 0; t < kThreads; ++t)
            EXPECT_EQ(kRecords, next[t]) << "thread " << t;
        EXPECT_EQ(c.held ? 1 : 0, next[kThreads]);
    }
}

INSTANTIATE_TEST_SUITE_P(BothWriters, LogAtTheLimit, ::testing::ValuesIn(AllWriters()),
                         [](const ::testing::TestParamInfo<WriterKind>& info) {
                             return std::string(info.param.name);
                         });

// 10 MB of output arrives whole and in order, chunk by chunk. Lines are numbered so a lost,
// doubled or reordered chunk shows.
TEST(CommandOutputLoad, TenMegabytesArriveWholeAndInOrder) {
    TempDir dir;
    std::string bytes;
    bytes.reserve(10 * 1024 * 1024 + 64);
    for (int i = 0; bytes.size() < 10 * 1024 * 1024; ++i)
        bytes += "line " + std::to_string(i) + " of the long output\r\n";
    const std::wstring fixture = dir / L"ten.bin";
    ASSERT_TRUE(WriteBytes(fixture, bytes));
    ScopedEnv mode(L"MSDT_FAKE_POWERCFG", L"file:" + fixture);
    ConsoleRunOptions options;
    options.chunkPauseMs = 0;
    options.timeoutMs = 300000;

    std::wstring output;
    ASSERT_TRUE(RunConsoleCommand(L"powercfg /a", &output, options));
    ASSERT_EQ(bytes.size(), output.size());
    EXPECT_TRUE(output == FromUtf8(bytes)) << "the output differs from what was printed";
}

} // namespace
