// Record format and the two file writers: bytes on disk, size rule, failures, threads.
#include "log/LogRecord.h"
#include "log/LogSaveCloseFile.h"
#include "log/LogSaveOpenFile.h"

#include "log/LogTestHelpers.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <clocale>
#include <map>
#include <set>
#include <thread>

using namespace testsupport;
using namespace logtest;

namespace {

TEST(LogRecordFormat, StampAndRecordBytes) {
    const struct {
        SYSTEMTIME time;
        const char* stamp;
    } cases[] = {
        {MakeTime(2024, 3, 5, 14, 7, 9, 42), "[2024-03-05 14:07:09 042ms]   "},
        {MakeTime(1, 1, 1, 0, 0, 0, 0), "[0001-01-01 00:00:00 000ms]   "},
        {MakeTime(2099, 12, 31, 23, 59, 59, 999), "[2099-12-31 23:59:59 999ms]   "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stamp);
        EXPECT_EQ(c.stamp, FormatLogTimeStamp(c.time));
        const std::string text = ToGbk(L"本机不支持Modern Standby功能");
        EXPECT_EQ(std::string(c.stamp) + text + "\r\n", FormatLogRecord(c.time, text));
    }
}

TEST(LogRecordFormat, HexText) {
    const unsigned char bytes[] = {0x01, 0xAB, 0x00, 0xFF, 0x0A};
    const struct {
        const char* name;
        const unsigned char* data;
        int count;
        const char* expected;
    } cases[] = {
        {"two bytes", bytes, 2, "01 AB "},
        {"zero, high and line feed bytes", bytes + 2, 3, "00 FF 0A "},
        {"count 0", bytes, 0, ""},
        {"negative count", bytes, -3, ""},
        {"no data", nullptr, 4, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, FormatHexText(c.data, c.count));
    }
}

TEST(LogRecordFormat, BackupNameAndCodePage936Texts) {
    EXPECT_EQ(L"C:\\ProgramData\\ToolLog\\a.txtbak",
              LogBackupPath(L"C:\\ProgramData\\ToolLog\\a.txt"));
    const std::wstring wide = L"Modern Standby检测工具.txt";
    EXPECT_EQ(ToGbk(wide), GbkFromWide(wide));
    EXPECT_EQ(wide, WideFromGbk(ToGbk(wide)));
    EXPECT_EQ(L"", WideFromGbk(""));
}

// One writer of each kind in a fresh folder.
class WriterTest : public ::testing::TestWithParam<WriterKind> {
  protected:
    void SetUp() override { writer = GetParam().make(folder.Path() + L"\\"); }
    std::wstring PathOf(const std::wstring& name) const { return folder / name; }

    TempDir folder;
    std::unique_ptr<CLogBase> writer;
};

TEST_P(WriterTest, FirstRecordCreatesTheFileLaterRecordsAppend) {
    const SYSTEMTIME time = MakeTime(2024, 3, 5, 14, 7, 9, 42);
    writer->SetClock(FixedClock(time));
    const std::string text = ToGbk(L"本机不支持Modern Standby功能");
    const std::string record = "[2024-03-05 14:07:09 042ms]   " + text + "\r\n";

    // A Chinese file name, created by the first record; no byte-order mark.
    writer->WriteText(text, ToGbk(L"检测日志.txt"));
    EXPECT_EQ(record, ReadBytes(PathOf(L"检测日志.txt")));
    writer->WriteText(text, ToGbk(L"检测日志.txt"));
    EXPECT_EQ(record + record, ReadBytes(PathOf(L"检测日志.txt")));

    // An existing file keeps what it had.
    const std::string old = "[2020-01-01 00:00:00 000ms]   old\r\nno line end";
    ASSERT_TRUE(WriteBytes(PathOf(L"old.txt"), old));
    writer->WriteText("x", "old.txt");
    EXPECT_EQ(old + "[2024-03-05 14:07:09 042ms]   x\r\n", ReadBytes(PathOf(L"old.txt")));
}

TEST_P(WriterTest, PacketsAndHexRecords) {
    writer->SetClock(FixedClock(MakeTime(2024, 3, 5, 14, 7, 9, 42)));
    const std::string stamp = "[2024-03-05 14:07:09 042ms]   ";
    CPacketLog packet;
    packet.SetFileName("p.txt");
    packet.SetText("packet text");
    writer->WritePacket(packet);
    const unsigned char bytes[] = {0x01, 0xAB};
    writer->WriteHex(bytes, 2, "p.txt");
    writer->WriteHex(bytes, 0, "p.txt");
    writer->WriteHex(nullptr, 5, "p.txt");
    EXPECT_EQ(stamp + "packet text\r\n" + stamp + "01 AB \r\n" + stamp + "\r\n" + stamp + "\r\n",
              ReadBytes(PathOf(L"p.txt")));
}

TEST_P(WriterTest, SizeLimitMovesTheFileToItsBackup) {
    const std::string text = "over the limit?";
    const size_t recordLength = kStampLength + text.size() + 2;
    const struct {
        const char* name;
        size_t sizeAfterRecord;
        bool moved;
    } cases[] = {
        {"exactly the limit stays", LOG_FILE_MAX_SIZE, false},
        {"one byte more moves", LOG_FILE_MAX_SIZE + 1u, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // A fresh writer per case: the keep-open one holds the file of the case before.
        writer.reset();
        writer = GetParam().make(folder.Path() + L"\\");
        const std::wstring path = PathOf(L"size.txt");
        const std::string before(c.sizeAfterRecord - recordLength, 'x');
        ASSERT_TRUE(WriteBytes(path, before));
        ASSERT_TRUE(WriteBytes(path + L"bak", "an older backup\r\n"));

        writer->WriteText(text, "size.txt");
        if (!c.moved) {
            EXPECT_EQ(c.sizeAfterRecord, ReadBytes(path).size());
            EXPECT_EQ("an older backup\r\n", ReadBytes(path + L"bak"));
            continue;
        }
        EXPECT_FALSE(FileExists(path));
        const std::string backup = ReadBytes(path + L"bak");
        ASSERT_EQ(c.sizeAfterRecord, backup.size());
        EXPECT_EQ(before, backup.substr(0, before.size()));
        EXPECT_EQ(text + "\r\n", backup.substr(before.size() + kStampLength));

        writer->WriteText("next", "size.txt");
        std::vector<std::string> records;
        ASSERT_TRUE(SplitRecords(ReadBytes(path), &records));
        ASSERT_EQ(1u, records.size());
        EXPECT_EQ("next", records[0].substr(kStampLength));
        EXPECT_EQ(c.sizeAfterRecord, ReadBytes(path + L"bak").size());
    }
}

TEST_P(WriterTest, BlockedBackupMoveIsRetriedAndLosesNothing) {
    const std::wstring path = PathOf(L"held.txt");
    const std::string before(LOG_FILE_MAX_SIZE - 10, 'x');
    ASSERT_TRUE(WriteBytes(path, before));

    // Another program reads the file without allowing it to be moved or deleted.
    HANDLE holder = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    writer->WriteText("first", "held.txt");
    writer->WriteText("second", "held.txt");
    EXPECT_FALSE(FileExists(path + L"bak"));
    EXPECT_GT(ReadBytes(path).size(), static_cast<size_t>(LOG_FILE_MAX_SIZE));
    CloseHandle(holder);

    writer->WriteText("third", "held.txt");
    EXPECT_FALSE(FileExists(path));
    const std::string backup = ReadBytes(path + L"bak");
    ASSERT_GT(backup.size(), before.size());
    EXPECT_EQ(before, backup.substr(0, before.size()));
    std::vector<std::string> records;
    ASSERT_TRUE(SplitRecords(backup.substr(before.size()), &records));
    ASSERT_EQ(3u, records.size());
    EXPECT_EQ("first", records[0].substr(kStampLength));
    EXPECT_EQ("second", records[1].substr(kStampLength));
    EXPECT_EQ("third", records[2].substr(kStampLength));

    writer->WriteText("fourth", "held.txt");
    ASSERT_TRUE(SplitRecords(ReadBytes(path), &records));
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ("fourth", records[0].substr(kStampLength));
}

TEST_P(WriterTest, UnopenableFileDropsTheRecordAndTheWriterStaysUsable) {
    const std::string localeBefore = std::setlocale(LC_CTYPE, nullptr);
    ASSERT_TRUE(CreateDirectoryW(PathOf(L"dir.txt").c_str(), nullptr));
    writer->WriteText("into a folder", "dir.txt");
    writer->WriteText("into a missing folder", "missing\\a.txt");
    EXPECT_FALSE(FileExists(PathOf(L"missing")));
    EXPECT_EQ(localeBefore, std::setlocale(LC_CTYPE, nullptr));

    // The next record tries again: once the folder is there, it lands.
    ASSERT_TRUE(CreateDirectoryW(PathOf(L"missing").c_str(), nullptr));
    writer->WriteText("now it works", "missing\\a.txt");
    std::vector<std::string> records;
    ASSERT_TRUE(SplitRecords(ReadBytes(PathOf(L"missing\\a.txt")), &records));
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ("now it works", records[0].substr(kStampLength));
}

TEST_P(WriterTest, ThreadsWritingAtOnceKeepEveryRecordWhole) {
    const int kThreads = 4, kRecords = 150;
    for (int fileCount : {1, 3}) {
        SCOPED_TRACE(testing::Message() << fileCount << " file(s)");
        TempDir dir;
        std::unique_ptr<CLogBase> w = GetParam().make(dir.Path() + L"\\");
        auto fileName = [](int t, int files) { return "f" + std::to_string(t % files) + ".txt"; };
        // Texts of different lengths, with GBK double-byte letters, tell each record apart.
        auto textOf = [](int t, int i) {
            return "t" + std::to_string(t) + " r" + std::to_string(i) + " " + ToGbk(L"检测") +
                   std::string(static_cast<size_t>(i % 41), 'z');
        };
        HANDLE go = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t)
            threads.emplace_back([&, t] {
                WaitForSingleObject(go, INFINITE);
                for (int i = 0; i < kRecords; ++i)
                    w->WriteText(textOf(t, i), fileName(t, fileCount));
            });
        SetEvent(go);
        for (std::thread& th : threads)
            th.join();
        CloseHandle(go);

        // Each file holds exactly its threads' records, whole, each thread's in its order.
        for (int f = 0; f < fileCount; ++f) {
            std::vector<std::string> records;
            ASSERT_TRUE(SplitRecords(ReadBytes(dir / FromUtf8("f" + std::to_string(f) + ".txt")),
                                     &records));
            std::map<int, int> nextOfThread;
            size_t expected = 0;
            for (int t = 0; t < kThreads; ++t)
                if (t % fileCount == f)
                    nextOfThread[t] = 0, expected += kRecords;
            ASSERT_EQ(expected, records.size());
            for (const std::string& record : records) {
                ASSERT_TRUE(HasStamp(record)) << record;
                const std::string text = record.substr(kStampLength);
                const int t = std::atoi(text.c_str() + 1);
                ASSERT_EQ(1u, nextOfThread.count(t)) << text;
                ASSERT_EQ(textOf(t, nextOfThread[t]), text);
                ++nextOfThread[t];
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothWriters, WriterTest, ::testing::ValuesIn(AllWriters()),
                         [](const testing::TestParamInfo<WriterKind>& info) {
                             return std::string(info.param.name);
                         });

TEST(Writers, ProduceByteIdenticalFilesForTheSameRecords) {
    std::vector<std::wstring> folders;
    std::vector<std::unique_ptr<TempDir>> dirs;
    for (const WriterKind& kind : AllWriters()) {
        dirs.push_back(std::make_unique<TempDir>());
        std::unique_ptr<CLogBase> writer = kind.make(dirs.back()->Path() + L"\\");
        int tick = 0;
        writer->SetClock(
            [&tick] { return MakeTime(2024, 12, 31, 23, 59, 58, static_cast<WORD>(tick++)); });
        const unsigned char bytes[] = {0xDE, 0xAD, 0x00};
        writer->WriteText(ToGbk(L"检测Modern Standby失败"), ToGbk(L"工具.txt"));
        writer->WriteHex(bytes, 3, ToGbk(L"工具.txt"));
        CPacketLog packet;
        packet.SetText("");
        packet.SetFileName("other.txt");
        writer->WritePacket(packet);
        writer->WriteText("last", ToGbk(L"工具.txt"));
    }
    for (const std::wstring name : {L"工具.txt", L"other.txt"}) {
        SCOPED_TRACE(ToUtf8(name));
        const std::string first = ReadBytes(*dirs[0] / name);
        EXPECT_FALSE(first.empty());
        EXPECT_EQ(first, ReadBytes(*dirs[1] / name));
    }
}

TEST(KeepOpenWriter, OneEntryPerExactPath) {
    TempDir dir;
    CLogSaveOpenFile writer(dir.Path() + L"\\");
    CLogSaveOpenFile::CLogFile* lower = writer.FindLogFile(L"a.txt");
    ASSERT_NE(nullptr, lower);
    EXPECT_EQ(dir / L"a.txt", lower->GetFilePath());
    EXPECT_EQ(lower, writer.FindLogFile(L"a.txt"));
    // Names differing only in letter case are two entries, even if the file system joins them.
    CLogSaveOpenFile::CLogFile* upper = writer.FindLogFile(L"A.txt");
    EXPECT_NE(lower, upper);
    EXPECT_EQ(upper, writer.FindLogFile(L"A.txt"));
}

TEST(KeepOpenWriter, ThreadsAskingForNewNamesAtOnceShareOneEntry) {
    TempDir dir;
    CLogSaveOpenFile writer(dir.Path() + L"\\");
    // Enough names that the threads, walking them in the same order, overlap for a while.
    const int kThreads = 4, kNames = 1500;
    std::vector<std::vector<CLogSaveOpenFile::CLogFile*>> seen(kThreads);
    HANDLE go = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            WaitForSingleObject(go, INFINITE);
            for (int n = 0; n < kNames; ++n)
                seen[t].push_back(writer.FindLogFile(L"n" + std::to_wstring(n) + L".txt"));
        });
    SetEvent(go);
    for (std::thread& th : threads)
        th.join();
    CloseHandle(go);

    std::set<CLogSaveOpenFile::CLogFile*> distinct;
    for (int n = 0; n < kNames; ++n) {
        for (int t = 1; t < kThreads; ++t)
            ASSERT_EQ(seen[0][n], seen[t][n]) << "name " << n;
        EXPECT_EQ(dir / (L"n" + std::to_wstring(n) + L".txt"), seen[0][n]->GetFilePath());
        distinct.insert(seen[0][n]);
    }
    EXPECT_EQ(static_cast<size_t>(kNames), distinct.size());
}

TEST(KeepOpenWriter, LogFileReportsWhetherItWrote) {
    TempDir dir;
    CLogSaveOpenFile::CLogFile file(dir / L"no-such-folder\\x.txt", LOG_FILE_MAX_SIZE);
    CPacketLog packet;
    packet.SetText("t");
    EXPECT_FALSE(file.Write(packet));
    CLogSaveOpenFile::CLogFile good(dir / L"x.txt", LOG_FILE_MAX_SIZE);
    EXPECT_TRUE(good.Write(packet));
    // While the writer holds it open, others can still read it.
    EXPECT_EQ(kStampLength + 3, ReadBytes(dir / L"x.txt").size());
}

} // namespace
