// The feedback service's plain rules: which addresses may reach the shell, how the feedback
// page address is built, and how record lines stay one line each.
#include "feedback-service/FeedbackServiceRules.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using testsupport::ToUtf8;

TEST(FeedbackRules, OpenableWebAddresses) {
    const struct {
        std::wstring address;
        bool openable;
    } cases[] = {
        {L"https://service.example.com/", true},
        {L"http://service.example.com", true},
        {L"HtTpS://service.example.com/a/b?c=d&e=%E5%B7%A5#top", true},
        {L"https://service.example.com:8443/x", true},
        {L"https://", false},
        {L"http:///etc", false},
        {L"https://?q", false},
        {L"http:/service.example.com", false},
        {L"httpx://service.example.com", false},
        {L"file:///C:/Windows/notepad.exe", false},
        {L"ms-settings:privacy", false},
        {L"\\\\server\\share\\tool.exe", false},
        {L"C:\\Windows\\notepad.exe", false},
        {L"mailto:a@example.com", false},
        {L"", false},
        {L" https://service.example.com/", false},
        {L"https://service.example.com/ x", false},
        {L"https://service.example.com/\tx", false},
        {L"https://service.example.com/\"x", false},
        {L"https://service.example.com/<x>", false},
        {L"https://service.example.com/a|b", false},
        {L"https://service.example.com/a^b", false},
        {L"https://service.example.com\\..\\x", false},
        {L"https://service.example.com/工具", false}, // must arrive percent-encoded
        {L"https://service.example.com/\u202E"
         L"exe.txt",
         false},
        {L"https://service.example.com/" + std::wstring(2020, L'a'), true},
        {L"https://service.example.com/" + std::wstring(2021, L'a'), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.openable, IsOpenableWebAddress(c.address)) << ToUtf8(c.address);
}

TEST(FeedbackRules, ConfiguredPageOnlyWhenOpenable) {
    EXPECT_EQ(L"https://tools.example.org/",
              ChoosePageAddress(kPageMoreTools, L"https://tools.example.org/"));
    for (const wchar_t* configured : {L"", L"tools.example.org", L"file:///C:/x.exe"})
        EXPECT_EQ(DefaultPageAddress(kPageMoreTools), ChoosePageAddress(kPageMoreTools, configured))
            << ToUtf8(configured);
    for (int page = 0; page < kPageCount; ++page) {
        EXPECT_TRUE(IsOpenableWebAddress(DefaultPageAddress(page))) << page;
        EXPECT_STRNE(L"", PageIniKey(page)) << page;
    }
}

TEST(FeedbackRules, FeedbackPageCarriesTheIdentityEncoded) {
    const struct {
        const wchar_t* page;
        const wchar_t* toolId;
        const wchar_t* version;
        const wchar_t* address;
    } cases[] = {
        {L"https://a.example/f", L"10130", L"1.0.21.908",
         L"https://a.example/f?toolId=10130&version=1.0.21.908"},
        {L"https://a.example/f?lang=zh", L"10130", L"1.0.21.908",
         L"https://a.example/f?lang=zh&toolId=10130&version=1.0.21.908"},
        {L"https://a.example/f", L"1 0&x=\"y\"", L"工具",
         L"https://a.example/f?toolId=1%200%26x%3D%22y%22&version=%E5%B7%A5%E5%85%B7"},
        {L"https://a.example/f", nullptr, nullptr, L"https://a.example/f?toolId=&version="},
    };
    for (const auto& c : cases) {
        std::wstring address = FeedbackQuestionAddress(c.page, c.toolId, c.version);
        EXPECT_EQ(c.address, address);
        EXPECT_TRUE(IsOpenableWebAddress(address)) << ToUtf8(address);
    }
}

TEST(FeedbackRules, RecordLinesStayOneLine) {
    EXPECT_EQ("10130\t1.0.21.908\t2\t1700000000\r\n",
              FeedbackRecordLine(L"10130", L"1.0.21.908", 2, L"1700000000"));
    EXPECT_EQ("a b\t\xE5\xB7\xA5\t-1\t\r\n", FeedbackRecordLine(L"a\nb", L"工", -1, nullptr));
    EXPECT_EQ("OpenUrl\tx\\x0D\\x0Ay\\x09\t<null>\t7\r\n",
              CallRecordLine("OpenUrl", {L"x\r\ny\t", RecordArg(nullptr), RecordArg(7)}));
    EXPECT_EQ("GetInterNetState\r\n", CallRecordLine("GetInterNetState", {}));
}
