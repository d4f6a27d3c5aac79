// Our TarselFeedbackInformation.dll through its exports: which addresses it opens, that it
// frees the system strings it is given, its settings, the version check and the answer record.
#include "feedback/FeedbackDll.h"

#include "feedback-service/FeedbackServiceRules.h"
#include "tests/feedback/FeedbackTestSupport.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include <set>

using namespace feedbacktest;
using namespace testsupport;

namespace {

// Watches the COM task allocator, where system strings live, for blocks not yet freed.
class LiveBlockSpy : public IMallocSpy {
  public:
    size_t Live() const { return m_live.size(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (riid == IID_IUnknown || riid == IID_IMallocSpy) {
            *out = this;
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    SIZE_T STDMETHODCALLTYPE PreAlloc(SIZE_T cb) override { return cb; }
    void* STDMETHODCALLTYPE PostAlloc(void* actual) override {
        if (actual)
            m_live.insert(actual);
        return actual;
    }
    void* STDMETHODCALLTYPE PreFree(void* request, BOOL spyed) override {
        if (spyed)
            m_live.erase(request);
        return request;
    }
    void STDMETHODCALLTYPE PostFree(BOOL) override {}
    SIZE_T STDMETHODCALLTYPE PreRealloc(void* request, SIZE_T cb, void** actual,
                                        BOOL spyed) override {
        if (spyed)
            m_live.erase(request);
        *actual = request;
        return cb;
    }
    void* STDMETHODCALLTYPE PostRealloc(void* actual, BOOL spyed) override {
        if (spyed && actual)
            m_live.insert(actual);
        return actual;
    }
    void* STDMETHODCALLTYPE PreGetSize(void* request, BOOL) override { return request; }
    SIZE_T STDMETHODCALLTYPE PostGetSize(SIZE_T cb, BOOL) override { return cb; }
    void* STDMETHODCALLTYPE PreDidAlloc(void* request, BOOL) override { return request; }
    int STDMETHODCALLTYPE PostDidAlloc(void*, BOOL, int actual) override { return actual; }
    void STDMETHODCALLTYPE PreHeapMinimize() override {}
    void STDMETHODCALLTYPE PostHeapMinimize() override {}

  private:
    std::set<void*> m_live;
};

// Registers the spy for the life of the object, with the system string cache off so that a
// freed string really goes back to the allocator.
class ScopedSpy {
  public:
    ScopedSpy() {
        typedef void(WINAPI * SetOaNoCacheFn)();
        auto setNoCache = reinterpret_cast<SetOaNoCacheFn>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleW(L"oleaut32.dll"), "SetOaNoCache")));
        if (setNoCache)
            setNoCache();
        m_registered = SUCCEEDED(CoRegisterMallocSpy(&m_spy));
    }
    ~ScopedSpy() {
        if (m_registered)
            CoRevokeMallocSpy();
    }
    bool Registered() const { return m_registered; }
    size_t Live() const { return m_spy.Live(); }

  private:
    LiveBlockSpy m_spy;
    bool m_registered = false;
};

std::wstring RecordFilePath() {
    wchar_t common[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, common, CSIDL_COMMON_APPDATA, TRUE);
    return std::wstring(common) + L"\\TarselFeedbackInformation\\CustomerFeedback.txt";
}

} // namespace

// The tool runs elevated: whatever OpenUrl is given, only web addresses reach the shell, and
// the string is freed either way.
TEST(FeedbackServiceOpenUrl, OpensOnlyWebAddressesAndFreesWhatItGets) {
    CallRecord record;
    CFeedbackDll dll;
    ASSERT_TRUE(dll.LoadFrom(RecordingFolder()));
    ScopedSpy spy;
    ASSERT_TRUE(spy.Registered());
    // A zero inside the string must not hide what follows it from the check.
    static const wchar_t kWithZero[] = L"https://service.example.com/\0C:\\x.exe";
    const struct {
        std::wstring address;
        bool opens;
        const char* recorded; // the argument as the record shows it
    } cases[] = {
        {L"https://service.example.com/tools", true, "https://service.example.com/tools"},
        {L"HTTP://service.example.com/a?b=c&d=%20", true, "HTTP://service.example.com/a?b=c&d=%20"},
        {L"file:///C:/windows/system32/notepad.exe", false,
         "file:///C:/windows/system32/notepad.exe"},
        {L"C:\\windows\\system32\\cmd.exe", false, "C:\\windows\\system32\\cmd.exe"},
        {L"notepad.exe", false, "notepad.exe"},
        {L"javascript:alert(1)", false, "javascript:alert(1)"},
        {L"https://", false, "https://"},
        {L"https:///path", false, "https:///path"},
        {L" https://service.example.com/", false, " https://service.example.com/"},
        {L"https://service.example.com/\" --argument", false,
         "https://service.example.com/\" --argument"},
        {std::wstring(kWithZero, sizeof(kWithZero) / sizeof(wchar_t) - 1), false,
         "https://service.example.com/\\x00C:\\x.exe"},
        {L"", false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.address));
        record.Clear();
        size_t before = spy.Live();
        BSTR url = SysAllocStringLen(c.address.data(), static_cast<UINT>(c.address.size()));
        ASSERT_EQ(before + 1, spy.Live()); // the spy sees system strings at all
        EXPECT_EQ(c.opens ? 1 : 0, dll.m_pfnOpenUrl(url));
        EXPECT_EQ(before, spy.Live()) << "the string handed over was not freed";
        std::vector<std::string> expected = {std::string("OpenUrl\t") + c.recorded};
        if (c.opens)
            expected.push_back(std::string("open\t") + c.recorded);
        EXPECT_EQ(expected, record.Lines());
    }
    record.Clear();
    EXPECT_EQ(0, dll.m_pfnOpenUrl(nullptr));
    EXPECT_EQ(std::vector<std::string>{"OpenUrl\t<null>"}, record.Lines());
}

TEST(FeedbackServiceOpenUrl, ShippedLibraryRefusesWhatIsNotAWebAddress) {
    CFeedbackDll dll;
    ASSERT_TRUE(dll.LoadFrom(ShippedFolder()));
    for (const wchar_t* address : {L"file:///C:/windows/system32/winver.exe", L"winver.exe"})
        EXPECT_EQ(0, dll.m_pfnOpenUrl(SysAllocString(address))) << ToUtf8(address);
}

// The settings file beside the library moves the pages; what is not a web address there is
// ignored in favour of the built-in page.
TEST(FeedbackServiceSettings, PagesComeFromTheSettingsFileWhenTheyAreWebAddresses) {
    CallRecord record;
    LibraryCopy copy(RecordingFolder());
    copy.Set(L"Pages", L"MoreTools", L"https://tools.example.org/list?from=10130");
    copy.Set(L"Pages", L"MoreSolutions", L"ftp://solutions.example.org/");
    copy.Set(L"Pages", L"UseAgreement", L"C:\\Windows\\System32\\calc.exe");
    copy.Set(L"Pages", L"ToolDownload", L"http://download.example.org/msdt.zip");
    copy.Set(L"Pages", L"FeedbackQuestion", L"https://ask.example.org/form?lang=zh");
    CFeedbackDll dll;
    ASSERT_TRUE(dll.LoadFrom(copy.Folder()));

    CString block[kFeedbackInfoCount];
    ASSERT_TRUE(dll.CallInitFreedbackDll(block));
    EXPECT_EQ(CString(DefaultPageAddress(kPageHome)), block[kPageHome]);
    EXPECT_EQ(CString(L"https://tools.example.org/list?from=10130"), block[kPageMoreTools]);
    EXPECT_EQ(CString(DefaultPageAddress(kPageMoreSolutions)), block[kPageMoreSolutions]);
    EXPECT_EQ(CString(DefaultPageAddress(kPageUseAgreement)), block[kPageUseAgreement]);

    record.Clear();
    dll.CallOpenUseAgreementUrl();
    dll.CallOpenToolDownUrl();
    dll.CallFeedbackQuestion();
    EXPECT_EQ((std::vector<std::string>{
                  "OpenUseAgreementUrl", "open\t" + ToUtf8(DefaultPageAddress(kPageUseAgreement)),
                  "OpenToolDownUrl", "open\thttp://download.example.org/msdt.zip",
                  "FeedbackQuestion\t10130\t1.0.21.908",
                  "open\thttps://ask.example.org/form?lang=zh&toolId=10130&version=1.0.21.908"}),
              record.Lines());
}

TEST(FeedbackServiceVersion, NewerOnlyWhenTheSettingNamesAHigherVersion) {
    LibraryCopy copy(ShippedFolder());
    CFeedbackDll dll;
    ASSERT_TRUE(dll.LoadFrom(copy.Folder()));
    const struct {
        const wchar_t* latest; // null: no such setting
        const wchar_t* current;
        int expected;
    } cases[] = {
        {nullptr, L"1.0.21.908", kVersionUnknown},
        {L"1.0.21.909", L"1.0.21.908", kVersionNewer},
        {L"1.0.21.908", L"1.0.21.908", kVersionCurrent},
        {L"1.0.100.0", L"1.0.21.908", kVersionNewer},   // numbers, not text: 100 > 21
        {L"1.0.3.999", L"1.0.21.908", kVersionCurrent}, // 3 < 21
        {L"1.0.21.9", L"1.0.21.908", kVersionCurrent},
        {L"2", L"1.0.21.908", kVersionNewer},
        {L"1.0.21", L"1.0.21.908", kVersionCurrent},
        {L"1.0.21.908.0", L"1.0.21.908", kVersionCurrent},
        {L"1.0.21.908.1", L"1.0.21.908", kVersionNewer},
        {L"01.00.21.0909", L"1.0.21.908", kVersionNewer},
        {L"  1.0.22  ", L"1.0.21.908", kVersionNewer}, // the profile reader trims blanks
        {L"4294967295", L"1.0.21.908", kVersionNewer},
        {L"4294967296", L"1.0.21.908", kVersionUnknown}, // does not fit: unreadable
        {L"", L"1.0.21.908", kVersionUnknown},
        {L"latest", L"1.0.21.908", kVersionUnknown},
        {L"1..2", L"1.0.21.908", kVersionUnknown},
        {L"1.0.22.", L"1.0.21.908", kVersionUnknown},
        {L"v1.0.22", L"1.0.21.908", kVersionUnknown},
        {L"1.0.22-beta", L"1.0.21.908", kVersionUnknown},
        {L"1.0.22", L"", kVersionUnknown},
        {L"1.0.22", L"tool", kVersionUnknown},
        {L"1.0.22", nullptr, kVersionUnknown},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "latest " << (c.latest ? ToUtf8(c.latest) : "none") << ", current "
                     << (c.current ? ToUtf8(c.current) : "null"));
        copy.Set(L"Update", L"LatestVersion", c.latest);
        EXPECT_EQ(c.expected, dll.m_pfnGetToolIsNewVersion(kFeedbackToolId, c.current));
    }
    copy.Set(L"Update", L"LatestVersion", L"1.0.22");
    EXPECT_TRUE(dll.CallGetToolIsNewVersion());
    copy.Set(L"Update", L"LatestVersion", L"1.0.21.908");
    EXPECT_FALSE(dll.CallGetToolIsNewVersion());
}

// Each answer is one line at the end of the record in the common application data folder.
TEST(FeedbackServiceAnswers, EachAnswerAppendsOneLine) {
    CFeedbackDll dll;
    ASSERT_TRUE(dll.LoadFrom(ShippedFolder()));
    const std::wstring path = RecordFilePath();
    const struct {
        int answer;
        const wchar_t* timeText;
        const char* line;
    } cases[] = {
        {1, L"1700000000", "10130\t1.0.21.908\t1\t1700000000"},
        {2, L"-2147483648", "10130\t1.0.21.908\t2\t-2147483648"},
        {3, L"17\r\n10130\t1.0.21.908\t1\t0", "10130\t1.0.21.908\t3\t17  10130 1.0.21.908 1 0"},
        {3, nullptr, "10130\t1.0.21.908\t3\t"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const std::string before = ReadBytes(path);
        EXPECT_EQ(1, dll.m_pfnCustomerFeedbackEx(kFeedbackToolId, kFeedbackToolVersion, c.answer,
                                                 c.timeText));
        const std::string after = ReadBytes(path);
        ASSERT_EQ(0u, after.compare(0, before.size(), before)) << "earlier lines changed";
        EXPECT_EQ(std::string(c.line) + "\r\n", after.substr(before.size()));
    }

    // Through the tool's own call: the time text is the current time.
    const std::string before = ReadBytes(path);
    const __time64_t now = _time64(nullptr);
    dll.CallCustomerFeedbackEx(kFeedbackAnswerSolved, now);
    const std::string prefix = "10130\t1.0.21.908\t1\t";
    const std::string added = ReadBytes(path).substr(before.size());
    ASSERT_EQ(0u, added.find(prefix)) << added;
    EXPECT_EQ(std::to_string(static_cast<long long>(now)) + "\r\n", added.substr(prefix.size()));
}

TEST(FeedbackServiceExports, TheOthersAnswerWithoutTouchingAnything) {
    CFeedbackDll dll;
    ASSERT_TRUE(dll.LoadFrom(ShippedFolder()));
    const int online = dll.m_pfnGetInterNetState();
    EXPECT_TRUE(online == 0 || online == 1) << online;
    EXPECT_EQ(0, dll.m_pfnCustomerFeedback());
    EXPECT_EQ(0, dll.m_pfnGetToolIsNewVersionDown());
    const std::string record = ReadBytes(RecordFilePath());
    EXPECT_EQ(1, dll.m_pfnWriteCustomerFeedbackInfoFile());
    EXPECT_TRUE(FileExists(RecordFilePath()));
    EXPECT_EQ(record, ReadBytes(RecordFilePath()));
}
