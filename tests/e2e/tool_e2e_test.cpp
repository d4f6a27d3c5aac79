// The real tool under Wine, used as a person would: started from a folder of its own with the
// recording feedback library beside it, driven with real mouse input, checked through its
// windows, the tool log and the library calls it made.
#include "e2e/ToolDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

using namespace e2e;
using namespace testsupport;

namespace {

const int kClose = 1010, kMinimize = 1011, kAgree = 1012, kVersion = 1013, kDetect = 1014,
          kMoreTools = 1015, kAgreement = 1016, kFeedback = 1017;
const int kBusyText = 1000;
const int kFeedbackSolved = 1003;

const std::string kIdentity = "\t10130\t1.0.21.908";

const wchar_t* const kDesktopKey = L"Control Panel\\Desktop";
const wchar_t* const kWineKey = L"Software\\Wine";
const wchar_t* const kCurrentVersionKey = L"Software\\Microsoft\\Windows NT\\CurrentVersion";

struct Box {
    LONG left, top, right, bottom;
    bool operator==(const Box& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
std::ostream& operator<<(std::ostream& os, const Box& b) {
    return os << "(" << b.left << ", " << b.top << ", " << b.right << ", " << b.bottom << ")";
}
Box ToBox(const RECT& rc) {
    return {rc.left, rc.top, rc.right, rc.bottom};
}
Box RelativeBox(HWND hWnd, HWND origin) {
    return ToBox(RectRelativeTo(hWnd, origin));
}

std::vector<std::wstring> FolderEntries(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return names;
}

size_t CountCalls(const RunningTool& tool, const std::string& name) {
    const std::vector<std::string> calls = tool.Calls();
    return static_cast<size_t>(std::count_if(calls.begin(), calls.end(), [&](const std::string& c) {
        return c == name || c.compare(0, name.size() + 1, name + "\t") == 0;
    }));
}

// The fake powercfg's output for a run: a fixture file of GBK bytes, or a mode.
class PowercfgOutput {
  public:
    explicit PowercfgOutput(const std::wstring& mode) : m_env(L"MSDT_FAKE_POWERCFG", mode) {}
    static std::wstring File(const TempDir& dir, const wchar_t* text) {
        const std::wstring path = dir / L"powercfg.txt";
        WriteBytes(path, ToGbk(text));
        return L"file:" + path;
    }

  private:
    ScopedEnv m_env;
};

// Every test starts from the prefix's own state: tool log put aside, 96 dpi, Windows 10.
class ToolTest : public ::testing::Test {
  protected:
    ScopedToolLog log;
    ScopedRegistryValue dpi{HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", 96};
};

TEST_F(ToolTest, GeometryOfHostLayerAndControlsAt96And120Dpi) {
    struct Case {
        DWORD dpi;
        POINT hostCorner;
        SIZE layerSize;
        POINT layerOffset; // from the host's corner
        Box close, minimize, version, detect, moreTools;
        LONG linksTop, linksBottom;
    } cases[] = {
        {96,
         {435, 207},
         {400, 600},
         {5, 4},
         {368, 0, 394, 34},
         {340, 0, 366, 34},
         {188, 16, 328, 31},
         {77, 270, 323, 317},
         {50, 545, 108, 563},
         575,
         595},
        {120,
         {384, 131},
         {499, 749},
         {6, 5},
         {460, 0, 492, 42},
         {424, 0, 456, 42},
         {235, 20, 410, 38},
         {96, 337, 403, 395},
         {62, 681, 134, 703},
         717,
         742},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        ScopedRegistryValue dpi(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", c.dpi);
        ToolCopy copy;
        RunningTool tool(copy);
        ASSERT_TRUE(tool.WaitForMainWindow());
        const RECT host = ScreenRect(tool.Host());
        const RECT layer = ScreenRect(tool.Layer());
        EXPECT_EQ(c.hostCorner.x, host.left);
        EXPECT_EQ(c.hostCorner.y, host.top);
        EXPECT_EQ(c.layerSize.cx, layer.right - layer.left);
        EXPECT_EQ(c.layerSize.cy, layer.bottom - layer.top);
        EXPECT_EQ(c.layerOffset.x, layer.left - host.left);
        EXPECT_EQ(c.layerOffset.y, layer.top - host.top);
        // The host surrounds the layer by its scaled insets: 5, 4, 5, 7 design pixels.
        const double s = c.dpi / 96.0;
        EXPECT_EQ(static_cast<LONG>(5 * s), host.right - layer.right);
        EXPECT_EQ(static_cast<LONG>(7 * s), host.bottom - layer.bottom);

        EXPECT_EQ(c.close, RelativeBox(tool.Control(kClose), tool.Layer()));
        EXPECT_EQ(c.minimize, RelativeBox(tool.Control(kMinimize), tool.Layer()));
        EXPECT_EQ(c.version, RelativeBox(tool.Control(kVersion), tool.Layer()));
        EXPECT_EQ(c.detect, RelativeBox(tool.Control(kDetect), tool.Layer()));
        EXPECT_EQ(c.moreTools, RelativeBox(tool.Control(kMoreTools), tool.Layer()));
        const Box check = RelativeBox(tool.Control(kAgree), tool.Layer());
        const Box agreement = RelativeBox(tool.Control(kAgreement), tool.Layer());
        const Box feedback = RelativeBox(tool.Control(kFeedback), tool.Layer());
        for (const Box& b : {check, agreement, feedback}) {
            EXPECT_EQ(c.linksTop, b.top);
            EXPECT_EQ(c.linksBottom, b.bottom);
        }
        EXPECT_EQ(static_cast<LONG>(8 * s), check.left);
        EXPECT_EQ(check.right + 6, agreement.left);
        EXPECT_EQ(c.layerSize.cx - 6, feedback.right);
        EXPECT_EQ(L"1.0.21.908", WindowText(tool.Control(kVersion)));
    }
}

TEST_F(ToolTest, OneDetectionPerVerdict) {
    struct Case {
        const char* name;
        const wchar_t* powercfg; // fixture text, or null for a command that never ends
        const wchar_t* verdict;
        const wchar_t* logged; // null: nothing logged
    } cases[] = {
        {"supported", L"此系统上有以下睡眠状态:\r\n    待机 (S0 低电量待机) 连接的网络\r\n",
         L"本机支持Modern Standby功能", nullptr},
        {"not supported", L"此系统上有以下睡眠状态:\r\n    待机 (S3)\r\n    休眠\r\n",
         L"本机不支持Modern Standby功能", L"本机不支持Modern Standby功能"},
        // The runner gives up on a command that does not end and the detection fails.
        {"failed", nullptr, L"检测Modern Standby失败", L"检测Modern Standby失败"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedToolLog caseLog;
        TempDir fixtures;
        PowercfgOutput output(c.powercfg ? PowercfgOutput::File(fixtures, c.powercfg) : L"hang");
        ToolCopy copy;
        RunningTool tool(copy);
        ASSERT_TRUE(tool.WaitForMainWindow());
        ASSERT_TRUE(ClickControl(tool.Control(kDetect)));

        HWND busy = WaitForLayerWithControl(tool.Id(), kBusyText);
        ASSERT_TRUE(busy);
        EXPECT_EQ(0u, WindowText(GetDlgItem(busy, kBusyText)).find(L"正在检测，请稍等"));
        EXPECT_FALSE(IsWindowEnabled(tool.Layer())) << "the busy prompt is modal";

        HWND prompt = WaitForMessagePrompt(tool.Id(), 120000);
        ASSERT_TRUE(prompt);
        EXPECT_FALSE(IsWindow(busy) && IsWindowVisible(busy)) << "the busy prompt closed first";
        EXPECT_EQ(c.verdict, PromptText(prompt));
        EXPECT_FALSE(caseLog.FolderExists()) << "nothing is logged before the prompt is closed";

        ASSERT_TRUE(ConfirmPrompt(tool.Id(), prompt));
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(tool.Layer()) != FALSE; }));
        if (c.logged) {
            ASSERT_TRUE(WaitUntil([&] { return !caseLog.Messages().empty(); }));
            EXPECT_EQ(std::vector<std::string>{ToGbk(c.logged)}, caseLog.Messages());
        } else {
            // The worker is done once the tool has ended normally.
            ASSERT_TRUE(ClickControl(tool.Control(kClose)));
            HWND feedback = WaitForLayerWithControl(tool.Id(), kFeedbackSolved);
            ASSERT_TRUE(feedback);
            ASSERT_TRUE(ClickControl(GetDlgItem(feedback, kFeedbackSolved)));
            EXPECT_EQ(0, tool.WaitExit());
            EXPECT_FALSE(caseLog.FolderExists());
        }
    }
}

TEST_F(ToolTest, ConsentGatesTheDetectButton) {
    TempDir fixtures;
    ScopedEnv fakeLog(L"MSDT_FAKE_LOG", fixtures / L"fakes.txt");
    ToolCopy copy;
    RunningTool tool(copy);
    ASSERT_TRUE(tool.WaitForMainWindow());
    HWND check = tool.Control(kAgree), detect = tool.Control(kDetect);
    EXPECT_EQ(BST_CHECKED, SendMessageW(check, BM_GETCHECK, 0, 0)) << "starts checked";
    EXPECT_TRUE(IsWindowEnabled(detect));

    ASSERT_TRUE(
        ClickOn(check, PointIn(check, 8, (ScreenRect(check).bottom - ScreenRect(check).top) / 2)));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(detect); }));
    EXPECT_EQ(BST_UNCHECKED, SendMessageW(check, BM_GETCHECK, 0, 0));

    // A click on the disabled button starts nothing: no busy prompt takes the window, so the
    // next click on the check box still toggles it.
    ClickAt(Center(detect));
    ASSERT_TRUE(
        ClickOn(check, PointIn(check, 8, (ScreenRect(check).bottom - ScreenRect(check).top) / 2)));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(detect) != FALSE; }));
    EXPECT_FALSE(FindLayerWithControl(tool.Id(), kBusyText));
    EXPECT_TRUE(ReadLines(fixtures / L"fakes.txt").empty()) << "powercfg never ran";

    ASSERT_TRUE(ClickControl(detect));
    HWND prompt = WaitForMessagePrompt(tool.Id(), 60000);
    ASSERT_TRUE(prompt);
    EXPECT_EQ(L"本机支持Modern Standby功能", PromptText(prompt));
    EXPECT_TRUE(ConfirmPrompt(tool.Id(), prompt));
}

TEST_F(ToolTest, StartupFailuresShowTheirPromptLogOnceAndEndWithCodeZero) {
    struct Case {
        const char* name;
        Library library;
        bool refusedVersion;
        const wchar_t* prompt;
        const wchar_t* logged;
    } cases[] = {
        {"Windows version outside the table", Library::Recording, true, L"此工具不支持当前系统",
         L"此工具不支持当前系统"},
        {"library missing", Library::Missing, false, L"工具初始化失败", L"加载反馈DLL失败"},
        {"library lacking an export", Library::Partial, false, L"工具初始化失败",
         L"加载反馈DLL失败"},
        {"initialisation refused", Library::Refusing, false, L"工具初始化失败",
         L"初始化反馈DLL失败"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedToolLog caseLog;
        // Without the Wine version setting a new process takes Windows 7 (6.1) from these.
        std::unique_ptr<ScopedRegistryValue> wine, major, minor, current;
        if (c.refusedVersion) {
            wine.reset(new ScopedRegistryValue(HKEY_CURRENT_USER, kWineKey, L"Version"));
            major.reset(new ScopedRegistryValue(HKEY_LOCAL_MACHINE, kCurrentVersionKey,
                                                L"CurrentMajorVersionNumber", 6));
            minor.reset(new ScopedRegistryValue(HKEY_LOCAL_MACHINE, kCurrentVersionKey,
                                                L"CurrentMinorVersionNumber", 1));
            current.reset(new ScopedRegistryValue(HKEY_LOCAL_MACHINE, kCurrentVersionKey,
                                                  L"CurrentVersion", std::wstring(L"6.1")));
        }
        ToolCopy copy(c.library);
        RunningTool tool(copy);
        HWND prompt = WaitForMessagePrompt(tool.Id());
        ASSERT_TRUE(prompt);
        EXPECT_EQ(c.prompt, PromptText(prompt));
        EXPECT_EQ(std::vector<std::string>{ToGbk(c.logged)}, caseLog.Messages())
            << "written before the prompt";
        EXPECT_FALSE(FindLayerWithControl(tool.Id(), kDetect)) << "the main window never shows";
        ASSERT_TRUE(ClickControl(GetDlgItem(prompt, 1007)));
        EXPECT_EQ(0, tool.WaitExit());
        EXPECT_EQ(std::vector<std::string>{ToGbk(c.logged)}, caseLog.Messages());
        EXPECT_TRUE(FileExists(copy.Exe())) << "the folder is left in place";
        EXPECT_TRUE(FileExists(copy.Folder()));
    }
}

// Runs with the ANSI code page 1252 (see CMakeLists.txt); the tool inherits it.
class OtherCodePage : public ToolTest {
  protected:
    void SetUp() override { ASSERT_NE(936u, GetACP()) << "run with another code page"; }
};

// The language warning would keep the tool running: the new version must end it first.
TEST_F(OtherCodePage, NewerVersionPromptsOpensTheDownloadAndEndsWithoutTheLanguageCheck) {
    ToolCopy copy;
    copy.OfferNewerVersion();
    RunningTool tool(copy);
    HWND prompt = WaitForMessagePrompt(tool.Id());
    ASSERT_TRUE(prompt);
    EXPECT_EQ(L"检测到当前工具有新的版本更新，请下载最新版本使用。", PromptText(prompt));
    EXPECT_TRUE(tool.Called("GetToolIsNewVersion" + kIdentity));
    EXPECT_FALSE(tool.Called("OpenToolDownUrl")) << "only after the prompt";
    ASSERT_TRUE(ClickControl(GetDlgItem(prompt, 1007)));
    EXPECT_EQ(0, tool.WaitExit());
    EXPECT_TRUE(tool.Called("OpenToolDownUrl"));
    EXPECT_TRUE(FileExists(copy.Exe())) << "the folder is left in place";
}

TEST_F(OtherCodePage, WarnsAndTheToolKeepsRunning) {
    ToolCopy copy;
    RunningTool tool(copy);
    HWND prompt = WaitForMessagePrompt(tool.Id());
    ASSERT_TRUE(prompt);
    EXPECT_EQ(L"本工具仅支持简体中文版", PromptText(prompt));
    ASSERT_TRUE(ConfirmPrompt(tool.Id(), prompt));
    ASSERT_TRUE(tool.WaitForMainWindow());
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(tool.Layer()) != FALSE; }));
    EXPECT_TRUE(tool.Running());
}

TEST_F(ToolTest, LinksAndMoreToolsCallTheLibraryEdgesOpenNothing) {
    ToolCopy copy;
    RunningTool tool(copy);
    ASSERT_TRUE(tool.WaitForMainWindow());
    struct Case {
        int control;
        std::string call;
    } cases[] = {
        {kFeedback, "FeedbackQuestion" + kIdentity},
        {kAgreement, "OpenUseAgreementUrl"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        HWND link = tool.Control(c.control);
        const RECT rc = ScreenRect(link);
        // The right and bottom edges lie outside the link.
        ClickAt({rc.right, (rc.top + rc.bottom) / 2});
        ClickAt({(rc.left + rc.right) / 2, rc.bottom});
        ASSERT_TRUE(ClickOn(tool.Layer(), Center(link)));
        ASSERT_TRUE(tool.WaitForCall(c.call));
        EXPECT_EQ(1u, CountCalls(tool, c.call.substr(0, c.call.find('\t'))))
            << "the edge clicks opened nothing";
    }
    ASSERT_TRUE(ClickControl(tool.Control(kMoreTools)));
    ASSERT_TRUE(WaitUntil([&] { return CountCalls(tool, "OpenUrl") == 1; }));
    for (const std::string& call : tool.Calls()) {
        if (call.compare(0, 8, "OpenUrl\t") == 0) {
            EXPECT_EQ(0u, call.find("OpenUrl\thttp")) << call << ": entry 3, a web address";
        }
    }
}

TEST_F(ToolTest, MinimiseAndDragByTheTopStrip) {
    ToolCopy copy;
    RunningTool tool(copy);
    ASSERT_TRUE(tool.WaitForMainWindow());
    const RECT host = ScreenRect(tool.Host()), layer = ScreenRect(tool.Layer());

    // The strip's right 86 pixels belong to the buttons: pressing there drags nothing.
    Drag(PointIn(tool.Layer(), 400 - 80, 10), PointIn(tool.Layer(), 400 - 80 + 50, 10 + 30));
    EXPECT_EQ(ToBox(host), ToBox(ScreenRect(tool.Host())));
    EXPECT_EQ(ToBox(layer), ToBox(ScreenRect(tool.Layer())));

    Drag(PointIn(tool.Layer(), 100, 10), PointIn(tool.Layer(), 160, 50));
    ASSERT_TRUE(WaitUntil([&] { return ScreenRect(tool.Layer()).left == layer.left + 60; }));
    RECT movedHost = ScreenRect(tool.Host()), movedLayer = ScreenRect(tool.Layer());
    EXPECT_EQ(layer.top + 40, movedLayer.top);
    EXPECT_EQ(host.left + 60, movedHost.left) << "the host came along";
    EXPECT_EQ(host.top + 40, movedHost.top);
    EXPECT_EQ(host.right - host.left, movedHost.right - movedHost.left);

    ASSERT_TRUE(ClickControl(tool.Control(kMinimize)));
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(tool.Host()) != FALSE; }));
}

TEST_F(ToolTest, EnterAndEscCloseNoWindow) {
    ToolCopy copy;
    RunningTool tool(copy);
    ASSERT_TRUE(tool.WaitForMainWindow());
    // Focus on the main window's layer, then on a verdict prompt.
    ASSERT_TRUE(ClickOn(tool.Layer(), PointIn(tool.Layer(), 200, 450)));
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(ClickControl(tool.Control(kDetect)));
    HWND prompt = WaitForMessagePrompt(tool.Id(), 60000);
    ASSERT_TRUE(prompt);
    EXPECT_TRUE(IsWindowVisible(tool.Host())) << "Enter and Esc left the main window open";
    ASSERT_TRUE(ClickOn(prompt, PointIn(prompt, 100, 60)));
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    // The prompt would be gone at once; clicking its button still finds it.
    EXPECT_TRUE(IsWindowVisible(prompt));
    EXPECT_TRUE(ConfirmPrompt(tool.Id(), prompt));
    EXPECT_TRUE(tool.Running());
}

TEST_F(ToolTest, CloseAsksForFeedbackThenRemovesOnlyTheToolsOwnFiles) {
    const wchar_t* const folders[] = {L"ModernStandbyDetectionTool", L"a b & c %PATH%"};
    for (const wchar_t* name : folders) {
        SCOPED_TRACE(ToUtf8(name));
        ToolCopy copy(Library::Recording, name);
        const std::wstring foreign = copy.Folder() + L"\\notes.txt";
        ASSERT_TRUE(WriteBytes(foreign, "mine"));
        RunningTool tool(copy);
        ASSERT_TRUE(tool.WaitForMainWindow());
        ASSERT_TRUE(ClickControl(tool.Control(kClose)));
        HWND feedback = WaitForLayerWithControl(tool.Id(), kFeedbackSolved);
        ASSERT_TRUE(feedback);
        EXPECT_TRUE(IsWindowVisible(tool.Host())) << "the question comes before the close";
        ASSERT_TRUE(ClickControl(GetDlgItem(feedback, kFeedbackSolved)));
        EXPECT_EQ(0, tool.WaitExit());
        EXPECT_TRUE(tool.Called("CustomerFeedbackEx" + kIdentity + "\t1"));
        EXPECT_TRUE(tool.Called("FeedbackQuestion" + kIdentity));

        // The tool's own files go a few seconds after it ended; nothing of it is left behind.
        const std::vector<std::wstring> onlyForeign{L"notes.txt"};
        EXPECT_TRUE(WaitUntil([&] { return FolderEntries(copy.Folder()) == onlyForeign; }, 30000));
        EXPECT_EQ(onlyForeign, FolderEntries(copy.Folder()));
        EXPECT_EQ("mine", ReadBytes(foreign));
    }
}

} // namespace
