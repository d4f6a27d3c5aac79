// The resources of the built ModernStandbyDetectionTool.exe, read from the executable itself
// (loaded as a data file): pictures, dialog templates, icon, strings, manifest and version.
#include <windows.h>
#include <objidl.h>
#include <shlwapi.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "res/resource.h"
#include "support/TestSupport.h"

namespace {

const WORD kLangZhCn = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

std::wstring ToolPath() {
    return testsupport::BuildFile(L"app\\ModernStandbyDetectionTool.exe");
}

// The tool's executable as a resource module, and GDI+ to decode its pictures.
class ToolResources : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        s_module = LoadLibraryExW(ToolPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&s_gdiplusToken, &input, nullptr);
    }
    static void TearDownTestSuite() {
        Gdiplus::GdiplusShutdown(s_gdiplusToken);
        if (s_module)
            FreeLibrary(s_module);
        s_module = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(s_module, nullptr) << "cannot load " << ToString(ToolPath());
    }

    static std::string ToString(const std::wstring& s) { return testsupport::ToUtf8(s); }

    // Bytes of one resource in Chinese (Simplified); empty when there is none in that language.
    static std::string ResourceBytes(LPCWSTR type, UINT id, WORD lang = kLangZhCn) {
        HRSRC res = FindResourceExW(s_module, type, MAKEINTRESOURCEW(id), lang);
        if (!res)
            return {};
        HGLOBAL data = LoadResource(s_module, res);
        const void* p = data ? LockResource(data) : nullptr;
        if (!p)
            return {};
        return std::string(static_cast<const char*>(p), SizeofResource(s_module, res));
    }

    static HMODULE s_module;
    static ULONG_PTR s_gdiplusToken;
};
HMODULE ToolResources::s_module = nullptr;
ULONG_PTR ToolResources::s_gdiplusToken = 0;

// ---------------------------------------------------------------------------------------------
// Pictures

enum class Alpha { Opaque, Soft };

struct PictureCase {
    UINT first; // first id of the row
    UINT count; // ids first .. first + count - 1 (the states of one button)
    int width, height;
    Alpha alpha;
    POINT solid; // for Soft: a pixel inside the picture's body, fully opaque
    POINT clear; // for Soft: a pixel of the rim or shadow margin, not opaque
};

// The picture table: every id, its size, and where alpha matters.
const PictureCase kPictures[] = {
    {IDB_PNG_MAIN_SHELL, 1, 410, 611, Alpha::Soft, {205, 300}, {1, 300}},
    {IDB_PNG_MAIN_BK, 1, 400, 600, Alpha::Opaque, {}, {}},
    {IDB_PNG_CHECK_GLYPHS, 1, 48, 16, Alpha::Soft, {24, 8}, {0, 0}},
    {IDB_PNG_MAIN_CLOSE_NORMAL, 4, 26, 34, Alpha::Opaque, {}, {}},
    {IDB_PNG_BUSY_SHELL, 1, 232, 132, Alpha::Soft, {116, 66}, {3, 66}},
    {IDB_PNG_BUSY_BK, 1, 204, 104, Alpha::Soft, {102, 52}, {0, 0}},
    {IDB_PNG_MAIN_MIN_NORMAL, 4, 26, 34, Alpha::Opaque, {}, {}},
    {IDB_PNG_MORE_SOLUTIONS_NORMAL, 4, 266, 60, Alpha::Soft, {133, 30}, {1, 1}},
    {IDB_PNG_MORE_TOOLS_NORMAL, 4, 58, 18, Alpha::Opaque, {}, {}},
    {IDB_PNG_DETECT_NORMAL, 4, 246, 47, Alpha::Opaque, {}, {}},
    {IDB_PNG_PROMPT_SHELL, 1, 330, 150, Alpha::Soft, {165, 75}, {1, 75}},
    {IDB_PNG_PROMPT_BK, 1, 320, 140, Alpha::Opaque, {}, {}},
    {IDB_PNG_PROMPT_CANCEL_NORMAL, 3, 55, 24, Alpha::Opaque, {}, {}},
    {IDB_PNG_PROMPT_CLOSE_NORMAL, 3, 12, 12, Alpha::Opaque, {}, {}},
    {IDB_PNG_PROMPT_NO_NORMAL, 3, 55, 24, Alpha::Opaque, {}, {}},
    {IDB_PNG_PROMPT_CONFIRM_NORMAL, 3, 55, 24, Alpha::Opaque, {}, {}},
    {IDB_PNG_PROMPT_YES_NORMAL, 3, 55, 24, Alpha::Opaque, {}, {}},
    {IDB_PNG_FEEDBACK_SHELL, 1, 410, 479, Alpha::Soft, {205, 240}, {1, 240}},
    {IDB_PNG_FEEDBACK_BK, 1, 400, 468, Alpha::Soft, {200, 234}, {0, 0}},
    {IDB_PNG_FEEDBACK_CLOSE_NORMAL, 4, 12, 12, Alpha::Opaque, {}, {}},
    {IDB_PNG_SOLVED_NORMAL, 4, 266, 60, Alpha::Soft, {133, 30}, {1, 1}},
    {IDB_PNG_UNSOLVED_NORMAL, 4, 266, 60, Alpha::Soft, {133, 30}, {1, 1}},
};

// A decoded picture as 32-bit ARGB pixels.
struct Pixels {
    bool decoded = false;
    int width = 0, height = 0;
    bool alphaFormat = false; // the file itself carries an alpha channel
    std::vector<UINT32> argb;
    BYTE AlphaAt(POINT p) const { return static_cast<BYTE>(argb[p.y * width + p.x] >> 24); }
};

Pixels Decode(const std::string& png) {
    Pixels out;
    IStream* stream =
        SHCreateMemStream(reinterpret_cast<const BYTE*>(png.data()), static_cast<UINT>(png.size()));
    if (!stream)
        return out;
    {
        Gdiplus::Bitmap bitmap(stream, FALSE);
        if (bitmap.GetLastStatus() == Gdiplus::Ok) {
            out.width = static_cast<int>(bitmap.GetWidth());
            out.height = static_cast<int>(bitmap.GetHeight());
            out.alphaFormat = Gdiplus::IsAlphaPixelFormat(bitmap.GetPixelFormat()) != FALSE;
            Gdiplus::Rect all(0, 0, out.width, out.height);
            Gdiplus::BitmapData data;
            if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) ==
                Gdiplus::Ok) {
                out.argb.resize(static_cast<size_t>(out.width) * out.height);
                for (int y = 0; y < out.height; ++y)
                    std::memcpy(&out.argb[static_cast<size_t>(y) * out.width],
                                static_cast<const BYTE*>(data.Scan0) + y * data.Stride,
                                out.width * 4);
                bitmap.UnlockBits(&data);
                out.decoded = true;
            }
        }
    }
    stream->Release();
    return out;
}

// The PNG header fields the loader relies on: 8 bits per channel, RGB or RGBA, not interlaced.
struct PngHeader {
    bool valid = false;
    int bitDepth = 0, colourType = 0, interlace = 0;
};

PngHeader ReadPngHeader(const std::string& png) {
    PngHeader h;
    static const char kSignature[] = "\x89PNG\r\n\x1a\n";
    if (png.size() < 33 || png.compare(0, 8, kSignature, 8) != 0 || png.compare(12, 4, "IHDR") != 0)
        return h;
    h.valid = true;
    h.bitDepth = static_cast<BYTE>(png[24]);
    h.colourType = static_cast<BYTE>(png[25]);
    h.interlace = static_cast<BYTE>(png[28]);
    return h;
}

std::vector<UINT> AllPictureIds() {
    std::vector<UINT> ids;
    for (const PictureCase& c : kPictures)
        for (UINT i = 0; i < c.count; ++i)
            ids.push_back(c.first + i);
    return ids;
}

BOOL CALLBACK CollectPngName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::set<UINT>*>(param)->insert(
            static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
    else
        reinterpret_cast<std::set<UINT>*>(param)->insert(0); // a named picture: never wanted
    return TRUE;
}

TEST_F(ToolResources, PngResourcesAreExactlyThoseOfThePictureTable) {
    std::set<UINT> found;
    EnumResourceNamesW(s_module, L"PNG", CollectPngName, reinterpret_cast<LONG_PTR>(&found));
    std::vector<UINT> expected = AllPictureIds();
    EXPECT_EQ(found, std::set<UINT>(expected.begin(), expected.end()));
}

TEST_F(ToolResources, EveryPictureDecodesWithItsSizeAndAlpha) {
    for (const PictureCase& c : kPictures) {
        for (UINT id = c.first; id < c.first + c.count; ++id) {
            SCOPED_TRACE("picture " + std::to_string(id));
            std::string png = ResourceBytes(L"PNG", id);
            ASSERT_FALSE(png.empty()) << "no PNG resource in Chinese (Simplified)";

            PngHeader header = ReadPngHeader(png);
            ASSERT_TRUE(header.valid);
            EXPECT_EQ(header.bitDepth, 8);
            EXPECT_EQ(header.interlace, 0);
            EXPECT_EQ(header.colourType, c.alpha == Alpha::Soft ? 6 : 2); // RGBA : RGB

            Pixels px = Decode(png);
            ASSERT_TRUE(px.decoded);
            EXPECT_EQ(px.width, c.width);
            EXPECT_EQ(px.height, c.height);
            if (px.width != c.width || px.height != c.height)
                continue;

            size_t partly = 0, notOpaque = 0;
            for (UINT32 p : px.argb) {
                BYTE a = static_cast<BYTE>(p >> 24);
                if (a != 255)
                    ++notOpaque;
                if (a != 0 && a != 255)
                    ++partly;
            }
            if (c.alpha == Alpha::Opaque) {
                EXPECT_EQ(notOpaque, 0u);
            } else {
                EXPECT_TRUE(px.alphaFormat);
                EXPECT_GT(partly, 0u) << "no partly transparent pixel";
                EXPECT_EQ(px.AlphaAt(c.solid), 255);
                EXPECT_LT(px.AlphaAt(c.clear), 255);
            }
        }
    }
}

// The states of one button (normal, hover, pressed, disabled) must be told apart at a glance.
TEST_F(ToolResources, ButtonStatesDifferVisibly) {
    for (const PictureCase& c : kPictures) {
        if (c.count < 3)
            continue;
        std::vector<Pixels> states;
        for (UINT id = c.first; id < c.first + c.count; ++id)
            states.push_back(Decode(ResourceBytes(L"PNG", id)));
        for (size_t a = 0; a < states.size(); ++a) {
            for (size_t b = a + 1; b < states.size(); ++b) {
                SCOPED_TRACE("pictures " + std::to_string(c.first + a) + " and " +
                             std::to_string(c.first + b));
                ASSERT_TRUE(states[a].decoded && states[b].decoded);
                ASSERT_EQ(states[a].argb.size(), states[b].argb.size());
                // Differing pixels: a channel moved by more than 24 of 255.
                size_t differing = 0;
                for (size_t i = 0; i < states[a].argb.size(); ++i) {
                    for (int shift = 0; shift < 32; shift += 8) {
                        int pa = (states[a].argb[i] >> shift) & 0xFF;
                        int pb = (states[b].argb[i] >> shift) & 0xFF;
                        if (std::abs(pa - pb) > 24) {
                            ++differing;
                            break;
                        }
                    }
                }
                EXPECT_GE(differing * 20, states[a].argb.size()) << "fewer than 5% differ";
            }
        }
    }
}

// Cells of the check box glyph strip: empty box, ticked box, filled box; outside them clear.
TEST_F(ToolResources, GlyphStripHasThreeDistinctCells) {
    Pixels px = Decode(ResourceBytes(L"PNG", IDB_PNG_CHECK_GLYPHS));
    ASSERT_TRUE(px.decoded);
    ASSERT_EQ(px.width, 48);
    auto cell = [&](int n) {
        std::vector<UINT32> c;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                c.push_back(px.argb[y * 48 + n * 16 + x]);
        return c;
    };
    EXPECT_NE(cell(0), cell(1));
    EXPECT_NE(cell(1), cell(2));
    EXPECT_NE(cell(0), cell(2));
    for (int n = 0; n < 3; ++n) {
        SCOPED_TRACE("cell " + std::to_string(n));
        EXPECT_EQ(px.AlphaAt({n * 16, 0}), 0); // corner outside the rounded box
        EXPECT_EQ(px.AlphaAt({n * 16 + 8, 8}), 255);
    }
}

// ---------------------------------------------------------------------------------------------
// Dialog templates

// The header of an extended dialog template, as stored in the executable.
struct TemplateHeader {
    bool valid = false;
    DWORD style = 0, exStyle = 0;
    WORD items = 0;
    WORD pointSize = 0;
    std::wstring typeface;
};

TemplateHeader ReadTemplateHeader(const std::string& bytes) {
    TemplateHeader h;
    const BYTE* p = reinterpret_cast<const BYTE*>(bytes.data());
    const BYTE* end = p + bytes.size();
    auto word = [&](size_t at) { return static_cast<WORD>(p[at] | (p[at + 1] << 8)); };
    auto dword = [&](size_t at) { return static_cast<DWORD>(word(at) | (word(at + 2) << 16)); };
    if (bytes.size() < 26 || word(0) != 1 || word(2) != 0xFFFF)
        return h;
    h.exStyle = dword(8);
    h.style = dword(12);
    h.items = word(16);
    size_t at = 26;
    auto skipSzOrOrd = [&]() {
        if (p + at + 2 > end)
            return false;
        if (word(at) == 0xFFFF) {
            at += 4;
            return true;
        }
        while (p + at + 2 <= end && word(at) != 0)
            at += 2;
        at += 2;
        return p + at <= end;
    };
    if (!skipSzOrOrd() || !skipSzOrOrd())
        return h; // menu, window class
    while (p + at + 2 <= end && word(at) != 0)
        at += 2; // title
    at += 2;
    if (h.style & (DS_SETFONT | DS_SHELLFONT)) {
        if (p + at + 6 > end)
            return h;
        h.pointSize = word(at);
        at += 6; // point size, weight, italic, charset
        while (p + at + 2 <= end && word(at) != 0) {
            h.typeface += static_cast<wchar_t>(word(at));
            at += 2;
        }
    }
    h.valid = true;
    return h;
}

enum class Kind { OwnerDrawButton, AutoCheckBox, PushButton, TextStatic, IconStatic };

struct ControlCase {
    int id;
    Kind kind;
    const wchar_t* text; // nullptr: not checked
};

struct TemplateCase {
    UINT id;
    bool captioned; // only the about box has a caption and frame
    bool visible;   // only the main shell starts visible
    bool appWindow; // only the main shell has a task-bar entry
    std::vector<ControlCase> controls;
};

const wchar_t kSimSun[] = L"宋体";

const std::vector<TemplateCase>& Templates() {
    static const std::vector<TemplateCase> cases = {
        {IDD_ABOUTBOX,
         true,
         false,
         false,
         {{IDC_ABOUT_ICON, Kind::IconStatic, nullptr},
          {IDC_ABOUT_NAME, Kind::TextStatic, nullptr},
          {IDC_ABOUT_NOTE, Kind::TextStatic, nullptr},
          {IDOK, Kind::PushButton, nullptr}}},
        {IDD_MODERNSTANDBYDETECTIONTOOL_DIALOG, false, true, true, {}},
        {IDD_MAIN_CHILD,
         false,
         false,
         false,
         {{IDC_BTN_DETECT, Kind::OwnerDrawButton, L"一键检测"},
          {IDC_BTN_MORE_TOOLS, Kind::OwnerDrawButton, L"更多工具"},
          {IDC_STATIC_VERSION, Kind::TextStatic, L"Static"},
          {IDC_BTN_CLOSE, Kind::OwnerDrawButton, L"关闭"},
          {IDC_BTN_MINIMIZE, Kind::OwnerDrawButton, L"最小化"},
          {IDC_CHK_AGREE, Kind::AutoCheckBox, L"同意"},
          {IDC_STATIC_AGREEMENT, Kind::TextStatic, L"《泰瑟服务工具使用许可协议》"},
          {IDC_STATIC_FEEDBACK, Kind::TextStatic, L"反馈问题"}}},
        {IDD_EXECUTE_PROMPT_CHILD,
         false,
         false,
         false,
         {{IDC_STATIC_STATE, Kind::TextStatic, L"Static"}}},
        {IDD_EXECUTE_PROMPT, false, false, false, {}},
        {IDD_FEEDBACK_CHILD,
         false,
         false,
         false,
         {{IDC_BTN_SOLVED, Kind::OwnerDrawButton, L"解决"},
          {IDC_BTN_UNSOLVED, Kind::OwnerDrawButton, L"未解决"},
          {IDC_BTN_MORE_SOLUTIONS, Kind::OwnerDrawButton, L"更多方案"},
          {IDC_BTN_FEEDBACK_CLOSE, Kind::OwnerDrawButton, L"关闭"}}},
        {IDD_FEEDBACK, false, false, false, {}},
        {IDD_PROMPT_CHILD,
         false,
         false,
         false,
         {{IDC_BTN_OK, Kind::OwnerDrawButton, L"确定"},
          {IDC_BTN_CANCEL, Kind::OwnerDrawButton, L"取消"},
          {IDC_BTN_PROMPT_CLOSE, Kind::OwnerDrawButton, L"关闭"},
          {IDC_STATIC_MESSAGE, Kind::TextStatic, L"Static"}}},
        {IDD_PROMPT, false, false, false, {}},
    };
    return cases;
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG ? TRUE : FALSE;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

std::wstring TextOf(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

TEST_F(ToolResources, DialogTemplatesHaveTheirStylesAndFont) {
    for (const TemplateCase& c : Templates()) {
        SCOPED_TRACE("template " + std::to_string(c.id));
        TemplateHeader h = ReadTemplateHeader(ResourceBytes(RT_DIALOG, c.id));
        ASSERT_TRUE(h.valid) << "no extended dialog template in Chinese (Simplified)";
        EXPECT_EQ(h.items, c.controls.size());
        EXPECT_EQ(h.pointSize, 10);
        EXPECT_EQ(h.typeface, kSimSun);
        EXPECT_TRUE(h.style & WS_POPUP);
        EXPECT_TRUE(h.style & WS_SYSMENU);
        EXPECT_TRUE(h.style & DS_SETFONT);
        EXPECT_EQ((h.style & WS_CAPTION) == WS_CAPTION, c.captioned);
        EXPECT_EQ((h.style & WS_THICKFRAME) != 0, false);
        EXPECT_EQ((h.style & WS_VISIBLE) != 0, c.visible);
        EXPECT_EQ((h.exStyle & WS_EX_APPWINDOW) != 0, c.appWindow);
    }
}

// Creating each dialog shows that the system accepts the template and gives every control
// its id, class, kind and caption.
TEST_F(ToolResources, DialogTemplatesCreateTheirControls) {
    for (const TemplateCase& c : Templates()) {
        SCOPED_TRACE("template " + std::to_string(c.id));
        HWND dlg =
            CreateDialogParamW(s_module, MAKEINTRESOURCEW(c.id), nullptr, QuietDialogProc, 0);
        ASSERT_NE(dlg, nullptr) << "error " << GetLastError();

        int children = 0;
        for (HWND child = GetWindow(dlg, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            ++children;
        EXPECT_EQ(children, static_cast<int>(c.controls.size()));

        for (const ControlCase& ctl : c.controls) {
            SCOPED_TRACE("control " + std::to_string(ctl.id));
            HWND hwnd = GetDlgItem(dlg, ctl.id);
            ASSERT_NE(hwnd, nullptr);
            LONG style = GetWindowLongW(hwnd, GWL_STYLE);
            EXPECT_TRUE(style & WS_CHILD);
            EXPECT_TRUE(style & WS_VISIBLE);
            switch (ctl.kind) {
            case Kind::OwnerDrawButton:
            case Kind::AutoCheckBox:
            case Kind::PushButton: {
                EXPECT_EQ(_wcsicmp(ClassOf(hwnd).c_str(), L"Button"), 0);
                LONG type = style & BS_TYPEMASK;
                bool typeOk = ctl.kind == Kind::OwnerDrawButton ? type == BS_OWNERDRAW
                              : ctl.kind == Kind::AutoCheckBox
                                  ? type == BS_AUTOCHECKBOX
                                  : type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
                EXPECT_TRUE(typeOk) << "button type " << type;
                EXPECT_TRUE(style & WS_TABSTOP);
                break;
            }
            case Kind::TextStatic:
                EXPECT_EQ(_wcsicmp(ClassOf(hwnd).c_str(), L"Static"), 0);
                EXPECT_EQ(style & SS_TYPEMASK, SS_LEFT);
                EXPECT_FALSE(style & SS_NOTIFY); // the main window hit-tests its links itself
                break;
            case Kind::IconStatic:
                EXPECT_EQ(_wcsicmp(ClassOf(hwnd).c_str(), L"Static"), 0);
                EXPECT_EQ(style & SS_TYPEMASK, SS_ICON);
                break;
            }
            if (ctl.text) {
                EXPECT_EQ(TextOf(hwnd), ctl.text);
            }
        }
        DestroyWindow(dlg);
    }
}

// ---------------------------------------------------------------------------------------------
// Icon, strings, manifest, version

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST_F(ToolResources, IconHasEverySizeTheShellAsksFor) {
    std::string group = ResourceBytes(RT_GROUP_ICON, IDR_MAINFRAME);
    ASSERT_GE(group.size(), 6u);
    WORD count =
        static_cast<WORD>(static_cast<BYTE>(group[4]) | (static_cast<BYTE>(group[5]) << 8));
    ASSERT_EQ(group.size(), 6u + count * sizeof(GroupIconEntry));
    std::set<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        GroupIconEntry e;
        std::memcpy(&e, group.data() + 6 + i * sizeof(GroupIconEntry), sizeof e);
        sizes.insert(e.width == 0 ? 256 : e.width);
        EXPECT_EQ(e.bitCount, 32);
        EXPECT_FALSE(ResourceBytes(RT_ICON, e.id).empty()) << "icon image " << e.id;
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48, 256}));
    for (int size : {16, 32, 48, 256}) {
        SCOPED_TRACE("size " + std::to_string(size));
        HICON icon = static_cast<HICON>(
            LoadImageW(s_module, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bm = {};
        GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, size);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST_F(ToolResources, AboutItemStringIsThere) {
    wchar_t text[128] = {};
    ASSERT_GT(LoadStringW(s_module, IDS_ABOUTBOX, text, 128), 0);
    EXPECT_NE(std::wstring(text).find(L"关于"), std::wstring::npos);
}

TEST_F(ToolResources, ManifestAsksForAdministratorDpiAwarenessAndCommonControls6) {
    std::string manifest = ResourceBytes(RT_MANIFEST, 1);
    ASSERT_FALSE(manifest.empty());
    for (const char* needle : {"level=\"requireAdministrator\"", "uiAccess=\"false\"",
                               ">true</dpiAware>", "name=\"Microsoft.Windows.Common-Controls\"",
                               "version=\"6.0.0.0\"", "processorArchitecture=\"x86\""})
        EXPECT_NE(manifest.find(needle), std::string::npos) << needle;
}

TEST_F(ToolResources, VersionResourceShowsProductAndVersion) {
    const std::wstring path = ToolPath();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &len));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(908, 21));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(908, 21));

    // Properties dialogs look the strings up through the translation table.
    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &len));
    ASSERT_GE(len, 4u);
    EXPECT_EQ(translation[0], kLangZhCn);
    wchar_t prefix[64];
    wsprintfW(prefix, L"\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
    const std::map<std::wstring, std::wstring> expected = {
        {L"ProductName", L"Modern Standby检测工具"},
        {L"FileDescription", L"Modern Standby检测工具"},
        {L"FileVersion", L"1.0.21.908"},
        {L"ProductVersion", L"1.0.21.908"},
        {L"OriginalFilename", L"ModernStandbyDetectionTool.exe"},
    };
    for (const auto& [key, value] : expected) {
        wchar_t* text = nullptr;
        ASSERT_TRUE(VerQueryValueW(block.data(), (prefix + key).c_str(),
                                   reinterpret_cast<void**>(&text), &len))
            << testsupport::ToUtf8(key);
        EXPECT_EQ(std::wstring(text), value) << testsupport::ToUtf8(key);
    }
}

} // namespace
