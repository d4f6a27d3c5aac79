// Run on a system whose ANSI code page is not 936: the tool warns there but keeps running, and
// its log must still hold the right file name and text.
#include "log/LogSave.h"
#include "log/ToolLog.h"

#include "log/LogTestHelpers.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace testsupport;
using namespace logtest;

namespace {

TEST(OtherAnsiCodePage, WritersKeepCodePage936NamesAndTexts) {
    ASSERT_NE(936u, GetACP()) << "this test must run with another ANSI code page";
    const std::string stamp = "[2024-03-05 14:07:09 042ms]   ";
    const unsigned char bytes[] = {0x01, 0xAB};
    for (const WriterKind& kind : AllWriters()) {
        SCOPED_TRACE(kind.name);
        TempDir dir;
        std::unique_ptr<CLogBase> writer = kind.make(dir.Path() + L"\\");
        writer->SetClock(FixedClock(MakeTime(2024, 3, 5, 14, 7, 9, 42)));
        writer->WriteText(kToolLogModernStandbyNotSupported, kToolLogFileName);
        writer->WriteHex(bytes, 2, kToolLogFileName);
        EXPECT_EQ(stamp + ToGbk(L"本机不支持Modern Standby功能") + "\r\n" + stamp + "01 AB \r\n",
                  ReadBytes(dir / L"Modern Standby检测工具.txt"));
    }
}

TEST(OtherAnsiCodePage, FrontEndWritesTheToolLogByItsName) {
    ASSERT_NE(936u, GetACP());
    TempDir root;
    {
        CLogSave log(root.Path() + L"\\");
        log.WriteLog(kToolLogDetectModernStandbyFailed, kToolLogFileName, true);
    }
    std::vector<std::string> records;
    ASSERT_TRUE(SplitRecords(ReadBytes(root / L"ToolLog\\Modern Standby检测工具.txt"), &records));
    ASSERT_EQ(1u, records.size());
    EXPECT_EQ(ToGbk(L"检测Modern Standby失败"), records[0].substr(kStampLength));
}

} // namespace
