// The real tool under load and faults: many detections in a row, command outputs that are
// empty, cut or broken, a broken tool log, a broken feedback library and pictures that fail to
// decode. Each run must end in a verdict or a clean end, never a crash, hang or leak.
//
// The tool-level faults that tests/e2e already covers are not repeated here: a command that
// never ends (verdict 3 at the bound), the library missing, lacking an export or refusing its
// initialisation.
#include "bench/ProcessProbe.h"
#include "e2e/ToolDriver.h"
#include "log/LogTestHelpers.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <memory>

using namespace e2e;
using namespace testsupport;
using namespace logtest;

namespace {

const int kClose = 1010, kDetect = 1014, kFeedbackSolved = 1003;

const wchar_t* const kSupported = L"本机支持Modern Standby功能";
const wchar_t* const kNotSupported = L"本机不支持Modern Standby功能";
const wchar_t* const kMarker = L"待机 (S0 低电量待机) 连接的网络";

// The short form runs in `make test`; `make soak` asks for the long one.
bool FullSoak() {
    wchar_t value[8] = {};
    return GetEnvironmentVariableW(L"MSDT_SOAK_FULL", value, 8) > 0 && value[0] == L'1';
}

std::wstring ToolLogPath() {
    wchar_t folder[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, folder, CSIDL_COMMON_APPDATA, TRUE);
    return std::wstring(folder) + L"\\ToolLog\\Modern Standby检测工具.txt";
}

std::wstring ToolLogFolder() {
    const std::wstring path = ToolLogPath();
    return path.substr(0, path.find_last_of(L'\\'));
}

// The fake powercfg prints the bytes of one file, rewritten between detections.
class PowercfgFixture {
  public:
    PowercfgFixture() : m_mode(L"MSDT_FAKE_POWERCFG", L"file:" + Path()) { Set(""); }
    std::wstring Path() const { return m_dir / L"powercfg.bin"; }
    void Set(const std::string& bytes) const { ASSERT_TRUE(WriteBytes(Path(), bytes)); }
    void SetText(const wchar_t* text) const { Set(ToGbk(text)); }

  private:
    TempDir m_dir;
    ScopedEnv m_mode;
};

// Clicks "检测" and returns the verdict prompt's text once the prompt is confirmed and the main
// window takes input again; empty when that did not happen in time.
std::wstring Detect(const RunningTool& tool, DWORD timeoutMs = 120000) {
    if (!ClickControl(tool.Control(kDetect)))
        return L"";
    HWND prompt = WaitForMessagePrompt(tool.Id(), timeoutMs);
    if (!prompt)
        return L"";
    const std::wstring text = PromptText(prompt);
    if (!ConfirmPrompt(tool.Id(), prompt) ||
        !WaitUntil([&] { return IsWindowEnabled(tool.Layer()) != FALSE; }))
        return L"";
    return text;
}

// Closes the tool as a person would: close button, "solved" in the feedback dialog. The exit
// code, or -1.
int CloseNormally(RunningTool& tool) {
    if (!ClickControl(tool.Control(kClose)))
        return -10;
    HWND feedback = WaitForLayerWithControl(tool.Id(), kFeedbackSolved);
    if (!feedback)
        return -11;
    if (!ClickControl(GetDlgItem(feedback, kFeedbackSolved)))
        return -12;
    return tool.WaitExit();
}

// The measuring library inside the running tool.
class Figures {
  public:
    explicit Figures(const RunningTool& tool)
        : m_process(OpenProcess(PROCESS_ALL_ACCESS, FALSE, tool.Id())) {
        m_attached = m_process && m_probe.Attach(m_process, BuildFile(L"bench\\msdt_measure.dll"));
    }
    ~Figures() {
        if (m_process)
            CloseHandle(m_process);
    }
    Figures(const Figures&) = delete;
    Figures& operator=(const Figures&) = delete;
    bool Attached() const { return m_attached; }
    ProcessFigures Now() const {
        ProcessFigures figures = {};
        EXPECT_TRUE(m_probe.MeasureSettled(&figures)) << "the tool did not answer";
        return figures;
    }

  private:
    HANDLE m_process;
    ProcessProbe m_probe;
    bool m_attached = false;
};

// "type 7: 3 -> 13" for every GDI object type whose count changed (OBJ_BITMAP is 7).
std::string GdiGrowth(const ProcessFigures& before, const ProcessFigures& after) {
    std::string text;
    for (size_t type = 1; type < sizeof(before.gdiOfType) / sizeof(before.gdiOfType[0]); ++type)
        if (before.gdiOfType[type] != after.gdiOfType[type])
            text += "type " + std::to_string(type) + ": " + std::to_string(before.gdiOfType[type]) +
                    " -> " + std::to_string(after.gdiOfType[type]) + "; ";
    return text;
}

class ToolSoak : public ::testing::Test {
  protected:
    ScopedToolLog log;
    ScopedRegistryValue dpi{HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", 96};
};

// Detections in a row, each logging its verdict: after the first few have settled caches and
// pools, nothing grows, and every record is in the log, whole.
TEST_F(ToolSoak, DetectionsInARowLeakNothingAndLogEveryRecord) {
    const int detections = FullSoak() ? 50 : 16;
    const int warmUp = 3;
    PowercfgFixture powercfg;
    powercfg.SetText(L"此系统上有以下睡眠状态:\r\n    待机 (S3)\r\n    休眠\r\n");
    ToolCopy copy;
    RunningTool tool(copy);
    ASSERT_TRUE(tool.WaitForMainWindow());
    Figures figures(tool);
    ASSERT_TRUE(figures.Attached());

    ProcessFigures settled = {};
    for (int run = 1; run <= detections; ++run) {
        ASSERT_EQ(kNotSupported, Detect(tool)) << "detection " << run;
        if (run == warmUp)
            settled = figures.Now();
    }
    // The last worker logs after its prompt closed.
    ASSERT_TRUE(WaitUntil(
        [&] { return ReadLines(ToolLogPath()).size() >= static_cast<size_t>(detections); }));
    const ProcessFigures last = figures.Now();

    // Wine's display DC cache may still take a few DCs, each with its region, after the warm-up;
    // it stops at its size. Every other kind of GDI object stays exactly as it was.
    for (DWORD type = 1; type < 15; ++type) {
        if (type == OBJ_DC || type == OBJ_REGION)
            continue;
        EXPECT_EQ(settled.gdiOfType[type], last.gdiOfType[type])
            << "GDI object type " << type << ": " << GdiGrowth(settled, last);
    }
    const DWORD newDcs = last.gdiOfType[OBJ_DC] - settled.gdiOfType[OBJ_DC];
    EXPECT_LE(newDcs, 6u) << GdiGrowth(settled, last);
    EXPECT_EQ(newDcs, last.gdiOfType[OBJ_REGION] - settled.gdiOfType[OBJ_REGION])
        << GdiGrowth(settled, last);
    EXPECT_EQ(settled.windows, last.windows);
    EXPECT_EQ(settled.menus, last.menus);
    EXPECT_EQ(settled.icons, last.icons);
    EXPECT_LE(last.handles, settled.handles + 4) << "kernel handles grew";
    // Heap growth by allocator noise stays far below a leak of one string per detection.
    EXPECT_LE(last.privateBytes, settled.privateBytes + 512 * 1024) << "private bytes grew";

    std::vector<std::string> records;
    ASSERT_TRUE(SplitRecords(ReadBytes(ToolLogPath()), &records)) << "a record is cut";
    ASSERT_EQ(static_cast<size_t>(detections), records.size());
    for (const std::string& record : records) {
        ASSERT_TRUE(HasStamp(record)) << record;
        EXPECT_EQ(ToGbk(kNotSupported), record.substr(kStampLength));
    }
    EXPECT_EQ(0, CloseNormally(tool));
}

// Outputs the runner reads in two chunks of 4095 bytes, each converted by itself: a marker
// split between two letters joins again, one split inside a double-byte letter or placed after
// a zero byte of its own chunk is lost.
TEST_F(ToolSoak, CutAndBrokenOutputsGiveTheVerdictOfWhatArrivedWhole) {
    const std::string marker = ToGbk(kMarker);
    const std::string filler(4095, 'a');
    const struct {
        const char* name;
        std::string bytes;
        const wchar_t* verdict;
    } cases[] = {
        {"no output at all", "", kNotSupported},
        {"marker in the second chunk", filler + marker + "\r\n", kSupported},
        {"zero bytes, then the marker in the next chunk",
         std::string(100, '\0') + std::string(3995, 'b') + marker + "\r\n", kSupported},
        {"marker after a zero byte of its own chunk", std::string("x\0", 2) + marker + "\r\n",
         kNotSupported},
        {"marker split between two whole letters", filler.substr(0, 4095 - 7) + marker + "\r\n",
         kSupported},
        {"marker split inside a double-byte letter", filler.substr(0, 4094) + marker + "\r\n",
         kNotSupported},
    };
    PowercfgFixture powercfg;
    ToolCopy copy;
    RunningTool tool(copy);
    ASSERT_TRUE(tool.WaitForMainWindow());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        powercfg.Set(c.bytes);
        EXPECT_EQ(c.verdict, Detect(tool));
    }
    EXPECT_EQ(0, CloseNormally(tool));
}

// Far more output than the runner reads before its bound: the detection fails at the bound,
// the busy prompt goes and the tool stays usable. Long: `make soak` only.
TEST_F(ToolSoak, TenMegabytesOfOutputEndAtTheBoundAndTheToolStaysUsable) {
    if (!FullSoak())
        GTEST_SKIP() << "make soak runs this";
    PowercfgFixture powercfg;
    std::string bytes(10 * 1024 * 1024, 'o');
    for (size_t i = 78; i < bytes.size(); i += 80)
        bytes[i] = '\r', bytes[i + 1] = '\n';
    powercfg.Set(bytes);
    ToolCopy copy;
    RunningTool tool(copy);
    ASSERT_TRUE(tool.WaitForMainWindow());
    EXPECT_EQ(L"检测Modern Standby失败", Detect(tool, 300000));
    powercfg.SetText(kMarker);
    EXPECT_EQ(kSupported, Detect(tool));
    EXPECT_EQ(0, CloseNormally(tool));
}

// A tool log that cannot be written costs the record and nothing else; once it can be written
// again, the next record lands.
TEST_F(ToolSoak, UnwritableToolLogDropsTheRecordAndTheToolGoesOn) {
    // A read-only attribute is no fault here: Wine run as root writes such files all the same.
    enum class Fault { ToolLogIsAFile, FileHeldWithoutSharing };
    const struct {
        const char* name;
        Fault fault;
    } cases[] = {
        {"\"ToolLog\" is a file", Fault::ToolLogIsAFile},
        {"log file held open without sharing", Fault::FileHeldWithoutSharing},
    };
    PowercfgFixture powercfg;
    powercfg.SetText(L"    待机 (S3)\r\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedToolLog caseLog;
        HANDLE holder = INVALID_HANDLE_VALUE;
        if (c.fault == Fault::ToolLogIsAFile) {
            ASSERT_TRUE(WriteBytes(ToolLogFolder(), "not a folder"));
        } else {
            CreateDirectoryW(ToolLogFolder().c_str(), nullptr);
            ASSERT_TRUE(WriteBytes(ToolLogPath(), ""));
            holder = CreateFileW(ToolLogPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(INVALID_HANDLE_VALUE, holder);
        }
        ToolCopy copy;
        RunningTool tool(copy);
        ASSERT_TRUE(tool.WaitForMainWindow());
        EXPECT_EQ(kNotSupported, Detect(tool));
        EXPECT_EQ(kNotSupported, Detect(tool)) << "the tool stays usable";

        // Repair the fault: the next detection's record is the first one there.
        if (holder != INVALID_HANDLE_VALUE)
            CloseHandle(holder);
        if (c.fault == Fault::ToolLogIsAFile) {
            EXPECT_EQ("not a folder", ReadBytes(ToolLogFolder()));
            DeleteFileW(ToolLogFolder().c_str());
            CreateDirectoryW(ToolLogFolder().c_str(), nullptr);
        }
        EXPECT_TRUE(ReadBytes(ToolLogPath()).empty()) << "nothing got through the fault";
        EXPECT_EQ(kNotSupported, Detect(tool));
        ASSERT_TRUE(WaitUntil([&] { return !caseLog.Messages().empty(); }));
        EXPECT_EQ(std::vector<std::string>{ToGbk(kNotSupported)}, caseLog.Messages());
        EXPECT_EQ(0, CloseNormally(tool));
    }
}

// A full tool log that another program holds without delete sharing cannot move to its backup:
// the records go on into it, and the first record after the holder let go moves it, whole.
TEST_F(ToolSoak, HeldToolLogAtTheLimitKeepsEveryRecord) {
    PowercfgFixture powercfg;
    powercfg.SetText(L"    待机 (S3)\r\n");
    CreateDirectoryW(ToolLogFolder().c_str(), nullptr);
    const std::string before(LOG_FILE_MAX_SIZE - 10, 'x');
    ASSERT_TRUE(WriteBytes(ToolLogPath(), before));
    HANDLE holder =
        CreateFileW(ToolLogPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);

    ToolCopy copy;
    RunningTool tool(copy);
    ASSERT_TRUE(tool.WaitForMainWindow());
    for (int run = 0; run < 2; ++run)
        ASSERT_EQ(kNotSupported, Detect(tool));
    const std::string backupPath = ToUtf8(ToolLogPath() + L"bak");
    ASSERT_TRUE(WaitUntil([&] { return ReadBytes(ToolLogPath()).size() > before.size() + 60; }));
    EXPECT_FALSE(FileExists(ToolLogPath() + L"bak"));
    CloseHandle(holder);

    ASSERT_EQ(kNotSupported, Detect(tool));
    ASSERT_TRUE(WaitUntil([&] { return FileExists(ToolLogPath() + L"bak"); }));
    const std::string backup = ReadBytes(ToolLogPath() + L"bak");
    ASSERT_EQ(before, backup.substr(0, before.size()));
    std::vector<std::string> records;
    ASSERT_TRUE(SplitRecords(backup.substr(before.size()), &records));
    ASSERT_EQ(3u, records.size()) << "every record, in the backup";
    for (const std::string& record : records)
        EXPECT_EQ(ToGbk(kNotSupported), record.substr(kStampLength));
    EXPECT_FALSE(FileExists(ToolLogPath()));
    EXPECT_EQ(0, CloseNormally(tool));
}

// A file of the library's name that is no library: the tool says so, logs once and ends with
// code 0, as for a missing library.
TEST_F(ToolSoak, FeedbackLibraryThatIsNoLibraryEndsTheToolCleanly) {
    const std::string real =
        ReadBytes(BuildFile(L"feedback-service\\recording\\TarselFeedbackInformation.dll"));
    ASSERT_GT(real.size(), 4096u);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"truncated to half", real.substr(0, real.size() / 2)},
        {"headers only", real.substr(0, 1024)},
        {"empty file", ""},
        {"text", "TarselFeedbackInformation\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedToolLog caseLog;
        ToolCopy copy(Library::Missing);
        ASSERT_TRUE(WriteBytes(copy.LibraryPath(), c.bytes));
        RunningTool tool(copy);
        HWND prompt = WaitForMessagePrompt(tool.Id());
        ASSERT_TRUE(prompt);
        EXPECT_EQ(L"工具初始化失败", PromptText(prompt));
        EXPECT_FALSE(FindLayerWithControl(tool.Id(), kDetect));
        ASSERT_TRUE(ClickControl(GetDlgItem(prompt, 1007)));
        EXPECT_EQ(0, tool.WaitExit());
        EXPECT_EQ(std::vector<std::string>{ToGbk(L"加载反馈DLL失败")}, caseLog.Messages());
    }
}

// A copy of the tool whose one picture resource is replaced by bytes that no decoder takes.
class BrokenPictureCopy {
  public:
    BrokenPictureCopy(const ToolCopy& copy, int pictureId) : m_ok(false) {
        WORD language = 0;
        if (HMODULE image = LoadLibraryExW(copy.Exe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
            EnumResourceLanguagesW(image, L"PNG", MAKEINTRESOURCEW(pictureId), &FirstLanguage,
                                   reinterpret_cast<LONG_PTR>(&language));
            FreeLibrary(image);
        }
        static const char kGarbage[] = "\x89PNG\r\n\x1a\n but the rest is not a picture";
        HANDLE update = BeginUpdateResourceW(copy.Exe().c_str(), FALSE);
        m_ok = update &&
               UpdateResourceW(update, L"PNG", MAKEINTRESOURCEW(pictureId), language,
                               const_cast<char*>(kGarbage), sizeof(kGarbage)) &&
               EndUpdateResourceW(update, FALSE);
    }
    bool Ok() const { return m_ok; }

  private:
    static BOOL CALLBACK FirstLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR out) {
        *reinterpret_cast<WORD*>(out) = language;
        return FALSE;
    }

    bool m_ok;
};

// A picture that fails to decode leaves the window usable, or ends the tool cleanly when the
// window would have nothing to show.
TEST_F(ToolSoak, PictureThatFailsToDecodeLeavesTheWindowUsableOrEndsCleanly) {
    const struct {
        const char* name;
        int pictureId;
        bool ends; // the tool ends by itself with code 0, showing nothing
    } cases[] = {
        {"main shell", 138, true},
        {"main background", 139, true},
        {"detect button", 159, false},
        {"check glyphs", 140, false},
        {"busy prompt shell", 145, false},
        {"message prompt shell", 163, false},
        {"message prompt background", 164, false},
    };
    TempDir fakes;
    ScopedEnv fakeLog(L"MSDT_FAKE_LOG", fakes / L"fakes.txt");
    PowercfgFixture powercfg;
    powercfg.SetText(kMarker);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileW((fakes / L"fakes.txt").c_str());
        ToolCopy copy;
        BrokenPictureCopy broken(copy, c.pictureId);
        ASSERT_TRUE(broken.Ok());
        RunningTool tool(copy);
        if (c.ends) {
            EXPECT_EQ(0, tool.WaitExit());
            continue;
        }
        ASSERT_TRUE(tool.WaitForMainWindow());
        // The detection runs; a prompt that cannot show ends at once and the window is usable.
        ASSERT_TRUE(ClickControl(tool.Control(kDetect)));
        ASSERT_TRUE(WaitUntil([&] { return !ReadLines(fakes / L"fakes.txt").empty(); }, 30000))
            << "powercfg never ran";
        ASSERT_TRUE(WaitUntil(
            [&] {
                if (HWND prompt = FindLayerWithControl(tool.Id(), 1006))
                    ConfirmPrompt(tool.Id(), prompt);
                return IsWindowEnabled(tool.Layer()) != FALSE;
            },
            60000))
            << "busy prompt " << (FindLayerWithControl(tool.Id(), 1000) != nullptr)
            << ", message prompt " << (FindLayerWithControl(tool.Id(), 1006) != nullptr)
            << ", windows " << TopLevelWindows(tool.Id()).size();
        EXPECT_TRUE(tool.Running());
    }
}

} // namespace
