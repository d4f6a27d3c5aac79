// The tool's side: loading the library, releasing it, the string block the library fills
// across the module boundary, and the calls made with the tool's identity.
#include "feedback/FeedbackDll.h"

#include "feedback-service/FeedbackServiceRules.h"
#include "tests/feedback/FeedbackTestSupport.h"

#include <gtest/gtest.h>

using namespace feedbacktest;
using namespace testsupport;

namespace {

// The entry points in the library's table order, as untyped pointers.
std::vector<const void*> EntryPoints(const CFeedbackDll& dll) {
    auto p = [](auto fn) { return reinterpret_cast<const void*>(fn); };
    return {p(dll.m_pfnInitFreedbackDll),
            p(dll.m_pfnFeedbackQuestion),
            p(dll.m_pfnOpenUrl),
            p(dll.m_pfnGetInterNetState),
            p(dll.m_pfnCustomerFeedback),
            p(dll.m_pfnCustomerFeedbackEx),
            p(dll.m_pfnWriteCustomerFeedbackInfoFile),
            p(dll.m_pfnGetToolIsNewVersion),
            p(dll.m_pfnGetToolIsNewVersionDown),
            p(dll.m_pfnOpenToolDownUrl),
            p(dll.m_pfnOpenUseAgreementUrl)};
}

std::string Utf8(const std::wstring& text) {
    return ToUtf8(text);
}

} // namespace

TEST(FeedbackDllLoading, ResolvesInTableOrderAndStopsAtTheFirstMissingExport) {
    TempDir empty;
    struct Case {
        const char* what;
        std::wstring folder;
        BOOL loaded;
        bool hasModule;
        size_t resolved; // entry points set, counted from the first
    } cases[] = {
        {"no library at all", empty.Path(), FALSE, false, 0},
        {"library lacking its sixth export", PartialFolder(), FALSE, true, 5},
        {"shipped library", ShippedFolder(), TRUE, true, 11},
        {"recording test build", RecordingFolder(), TRUE, true, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CFeedbackDll dll;
        EXPECT_EQ(c.loaded, dll.LoadFrom(c.folder));
        EXPECT_EQ(c.hasModule, dll.m_hModule != nullptr);
        std::vector<const void*> entries = EntryPoints(dll);
        for (size_t i = 0; i < entries.size(); ++i)
            EXPECT_EQ(i < c.resolved, entries[i] != nullptr) << "entry " << i;
    }
}

TEST(FeedbackDllLoading, LibraryIsReleasedWhenItsOwnerGoes) {
    LibraryCopy copy(ShippedFolder());
    LibraryCopy partial(PartialFolder());
    auto isLoaded = [](const std::wstring& path) {
        return GetModuleHandleW(path.c_str()) != nullptr;
    };
    {
        CFeedbackDll dll;
        ASSERT_TRUE(dll.LoadFrom(copy.Folder()));
        // Loading again must not leave the first reference behind.
        ASSERT_TRUE(dll.LoadFrom(copy.Folder()));
        EXPECT_TRUE(isLoaded(copy.Library()));
    }
    EXPECT_FALSE(isLoaded(copy.Library()));
    {
        // A library that failed to resolve is still held, and still released.
        CFeedbackDll dll;
        EXPECT_FALSE(dll.LoadFrom(partial.Folder()));
        EXPECT_TRUE(isLoaded(partial.Library()));
    }
    EXPECT_FALSE(isLoaded(partial.Library()));

    CFeedbackDll dll;
    ASSERT_TRUE(dll.LoadFrom(copy.Folder()));
    dll.Free();
    EXPECT_FALSE(isLoaded(copy.Library()));
    EXPECT_EQ(nullptr, dll.m_hModule);
    for (const void* entry : EntryPoints(dll))
        EXPECT_EQ(nullptr, entry);
}

TEST(FeedbackDllLoading, LooksBesideTheExecutable) {
    EXPECT_EQ(ExeDir(), ExecutableFolder());
    EXPECT_STREQ(L"\\TarselFeedbackInformation.dll", kFeedbackLibraryName);
}

TEST(FeedbackDllCalls, WithoutTheLibraryEveryCallDoesNothing) {
    CFeedbackDll dll;
    CString block[kFeedbackInfoCount];
    EXPECT_FALSE(dll.CallInitFreedbackDll(block));
    EXPECT_FALSE(dll.CallGetToolIsNewVersion());
    dll.CallFeedbackQuestion();
    dll.CallOpenUrl(L"https://service.example.com/");
    dll.CallCustomerFeedbackEx(kFeedbackAnswerClosed, 0);
    dll.CallOpenToolDownUrl();
    dll.CallOpenUseAgreementUrl();
    for (const CString& entry : block)
        EXPECT_TRUE(entry.IsEmpty());
}

TEST(FeedbackDllCalls, CarryTheToolIdentity) {
    CallRecord record;
    CFeedbackDll dll;
    ASSERT_TRUE(dll.LoadFrom(RecordingFolder()));
    const std::string identity = "\t10130\t1.0.21.908";
    const std::string feedbackPage = Utf8(DefaultPageAddress(kPageFeedbackQuestion));
    struct Case {
        const char* what;
        void (*call)(const CFeedbackDll&);
        std::vector<std::string> lines;
    } cases[] = {
        {"feedback question",
         [](const CFeedbackDll& d) { d.CallFeedbackQuestion(); },
         {"FeedbackQuestion" + identity,
          "open\t" + feedbackPage + "?toolId=10130&version=1.0.21.908"}},
        {"answer",
         [](const CFeedbackDll& d) { d.CallCustomerFeedbackEx(2, 1700000000); },
         {"CustomerFeedbackEx" + identity + "\t2\t1700000000"}},
        {"version check",
         [](const CFeedbackDll& d) { d.CallGetToolIsNewVersion(); },
         {"GetToolIsNewVersion" + identity}},
        {"download page",
         [](const CFeedbackDll& d) { d.CallOpenToolDownUrl(); },
         {"OpenToolDownUrl", "open\t" + Utf8(DefaultPageAddress(kPageToolDownload))}},
        {"agreement page",
         [](const CFeedbackDll& d) { d.CallOpenUseAgreementUrl(); },
         {"OpenUseAgreementUrl", "open\t" + Utf8(DefaultPageAddress(kPageUseAgreement))}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        record.Clear();
        c.call(dll);
        EXPECT_EQ(c.lines, record.Lines());
    }
}

TEST(FeedbackDllCalls, TimeTextIsTheLow32BitsAsSignedDecimal) {
    const struct {
        __time64_t seconds;
        const wchar_t* text;
    } cases[] = {
        {0, L"0"},
        {1700000000, L"1700000000"},
        {0x7FFFFFFF, L"2147483647"},
        {0x80000000LL, L"-2147483648"},
        {0x100000005LL, L"5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.text), FeedbackTimeText(c.seconds));
}

// The block is the tool's; the library replaces its texts. Each side must be able to grow and
// free what the other allocated, also after the library is gone.
TEST(FeedbackInfoBlock, IsFilledAcrossTheModuleBoundary) {
    CString block[kFeedbackInfoCount];
    for (CString& entry : block)
        entry = L"left over from an earlier run, long enough for the heap";
    {
        CFeedbackDll dll;
        ASSERT_TRUE(dll.LoadFrom(ShippedFolder()));
        ASSERT_TRUE(dll.CallInitFreedbackDll(block));
        EXPECT_EQ(0, dll.m_pfnInitFreedbackDll(nullptr));
    }
    HANDLE heap = GetProcessHeap();
    for (int i = 0; i < kFeedbackInfoCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(CString(DefaultPageAddress(i)), block[i]);
        // The library's characters sit on the process heap, which outlives the library.
        EXPECT_TRUE(HeapValidate(heap, 0, block[i].GetString()));
        block[i] += L"/and/a/tail/that/forces/a/new/buffer/on/this/side";
        EXPECT_EQ(0, block[i].Find(DefaultPageAddress(i)));
        block[i].Empty();
    }
    EXPECT_TRUE(HeapValidate(heap, 0, nullptr));
}

TEST(FeedbackInfoBlock, MoreToolsAndMoreSolutionsReachOpenUrl) {
    CallRecord record;
    CFeedbackDll dll;
    ASSERT_TRUE(dll.LoadFrom(RecordingFolder()));
    CString block[kFeedbackInfoCount];
    ASSERT_TRUE(dll.CallInitFreedbackDll(block));
    record.Clear();
    dll.CallOpenUrl(block[kFeedbackInfoMoreTools]);
    dll.CallOpenUrl(block[kFeedbackInfoMoreSolutions]);
    const std::string tools = Utf8(DefaultPageAddress(kPageMoreTools));
    const std::string solutions = Utf8(DefaultPageAddress(kPageMoreSolutions));
    EXPECT_EQ((std::vector<std::string>{"OpenUrl\t" + tools, "open\t" + tools,
                                        "OpenUrl\t" + solutions, "open\t" + solutions}),
              record.Lines());
}
