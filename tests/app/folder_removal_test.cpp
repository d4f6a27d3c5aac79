// Removal of the tool's folder at close: which folder, which files, and names the command
// interpreter must take literally.
#include "app/FolderRemoval.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

TEST(FolderRemoval, SplitsTheExecutablePath) {
    const struct {
        const wchar_t* exe;
        BOOL ok;
        const wchar_t* folder;
        const wchar_t* parent;
        const wchar_t* leaf;
    } cases[] = {
        {L"C:\\Users\\a\\Downloads\\MSDT\\tool.exe", TRUE, L"C:\\Users\\a\\Downloads\\MSDT",
         L"C:\\Users\\a\\Downloads\\", L"MSDT"},
        {L"D:\\a b (1)\\tool.exe", TRUE, L"D:\\a b (1)", L"D:\\", L"a b (1)"},
        {L"\\\\server\\share\\tool\\tool.exe", TRUE, L"\\\\server\\share\\tool",
         L"\\\\server\\share\\", L"tool"},
        {L"C:\\tool.exe", FALSE, L"", L"", L""},                // a drive root is never removed
        {L"\\\\server\\share\\tool.exe", FALSE, L"", L"", L""}, // nor a share's root
        {L"tool.exe", FALSE, L"", L"", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.exe));
        ToolFolder tool;
        ASSERT_EQ(c.ok, SplitToolFolder(c.exe, &tool));
        if (!c.ok)
            continue;
        EXPECT_EQ(c.folder, tool.folder);
        EXPECT_EQ(c.parent, tool.parent);
        EXPECT_EQ(c.leaf, tool.leaf);
    }
}

TEST(FolderRemoval, PatternKeepsNoSyntaxOfTheInterpreter) {
    const struct {
        const wchar_t* leaf;
        const wchar_t* pattern;
    } cases[] = {
        {L"ModernStandby-1.0_x86", L"ModernStandby-1.0_x86"},
        {L"a b&c^d(e)f!g%h%", L"a?b?c?d?e?f?g?h?"},
        {L"工具 新版", L"工具?新版"},
        {L"x,y;z=w\"'`", L"x?y?z?w???"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pattern, FolderNamePattern(c.leaf));
}

TEST(FolderRemoval, ParametersNameNoPath) {
    const std::wstring params =
        BuildRemovalParameters(L"C:\\Windows\\system32", L"a?b", L"~m.remove", 3);
    EXPECT_EQ(0u, params.find(L"/D /V:OFF /S /C \"\"C:\\Windows\\system32\\timeout.exe\" /t 3 "));
    EXPECT_NE(std::wstring::npos, params.find(L"for /d %F in (a?b) do"));
    EXPECT_NE(std::wstring::npos, params.find(L"rmdir \"%~sF\""));
    EXPECT_EQ(std::wstring::npos, params.find(L"/s /q"));
}

// Lays out a tool folder with the executable and the library, runs the removal for real and
// waits for the interpreter to finish.
class FolderRemovalRun : public ::testing::Test {
  protected:
    std::wstring MakeTool(const std::wstring& leaf) {
        const std::wstring folder = root / leaf;
        EXPECT_TRUE(CreateDirectoryW(folder.c_str(), nullptr)) << ToUtf8(folder);
        EXPECT_TRUE(WriteBytes(folder + L"\\ModernStandbyDetectionTool.exe", "MZ"));
        EXPECT_TRUE(WriteBytes(folder + L"\\TarselFeedbackInformation.dll", "MZ"));
        return folder;
    }

    // Polls until the path is gone or the time is up.
    static bool WaitGone(const std::wstring& path, DWORD timeoutMs) {
        for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
            if (!FileExists(path))
                return true;
            Sleep(50);
        }
        return !FileExists(path);
    }

    // Polls until no marker file is left in the folder (the interpreter has done its part).
    static bool WaitMarkerGone(const std::wstring& folder, DWORD timeoutMs) {
        for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
            WIN32_FIND_DATAW fd;
            HANDLE find = FindFirstFileW((folder + L"\\~*.remove").c_str(), &fd);
            if (find == INVALID_HANDLE_VALUE)
                return true;
            FindClose(find);
            Sleep(50);
        }
        return false;
    }

    TempDir root;
};

TEST_F(FolderRemovalRun, RemovesAFolderWhoseNameHoldsInterpreterSyntax) {
    const wchar_t* names[] = {
        L"plain",
        L"with blanks and (parentheses)",
        L"amp & caret ^ bang ! pct %undefined% 50%",
        L"中文 工具 & (1)",
        L"blanks & %PATH% and %windir%",
    };
    for (const wchar_t* name : names) {
        SCOPED_TRACE(ToUtf8(name));
        const std::wstring folder = MakeTool(name);
        // A neighbour that the pattern also matches must stay untouched.
        const std::wstring twin =
            root / (FolderNamePattern(name) == name ? std::wstring(L"other")
                                                    : std::wstring(FolderNamePattern(name)));
        std::wstring twinName = twin;
        for (wchar_t& c : twinName)
            if (c == L'?')
                c = L'x';
        ASSERT_TRUE(CreateDirectoryW(twinName.c_str(), nullptr));
        ASSERT_TRUE(WriteBytes(twinName + L"\\TarselFeedbackInformation.dll", "keep"));

        ASSERT_TRUE(StartFolderRemoval(folder + L"\\ModernStandbyDetectionTool.exe", 0));
        EXPECT_TRUE(WaitGone(folder, 20000));
        EXPECT_EQ("keep", ReadBytes(twinName + L"\\TarselFeedbackInformation.dll"));
    }
}

TEST_F(FolderRemovalRun, FolderWithOtherFilesKeepsThemAndStays) {
    const std::wstring folder = MakeTool(L"Downloads like");
    ASSERT_TRUE(WriteBytes(folder + L"\\holiday.jpg", "photo"));
    ASSERT_TRUE(CreateDirectoryW((folder + L"\\sub").c_str(), nullptr));

    ASSERT_TRUE(StartFolderRemoval(folder + L"\\ModernStandbyDetectionTool.exe", 0));
    ASSERT_TRUE(WaitMarkerGone(folder, 20000));
    EXPECT_EQ("photo", ReadBytes(folder + L"\\holiday.jpg"));
    EXPECT_TRUE(FileExists(folder + L"\\sub"));
    EXPECT_FALSE(FileExists(folder + L"\\ModernStandbyDetectionTool.exe"));
    EXPECT_FALSE(FileExists(folder + L"\\TarselFeedbackInformation.dll"));
}

TEST_F(FolderRemovalRun, NothingStartsWhenTheExecutableCannotBeRenamed) {
    const std::wstring folder = MakeTool(L"locked");
    const std::wstring exe = folder + L"\\ModernStandbyDetectionTool.exe";
    HANDLE held =
        CreateFileW(exe.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(StartFolderRemoval(exe, 0));
    CloseHandle(held);
    EXPECT_TRUE(FileExists(exe));
}

} // namespace
