// The problem-solving feedback dialog with the recording feedback library: what each button
// reports, the rim of the answer buttons, more solutions, no library, and the size at 120 dpi.
#include "DialogScript.h"
#include "ScopedLogPixels.h"
#include "dialogs/CProblemSolvingFeedbackDlg.h"
#include "dialogs/FeedbackLayout.h"
#include "feedback/FeedbackTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

using dlgtest::Scripted;

namespace {

const auto* const g_gdiplus =
    ::testing::AddGlobalTestEnvironment(new testsupport::GdiplusEnvironment);

constexpr int kStillOpen = 42;

std::string Utf8(const CString& text) {
    const int n =
        ::WideCharToMultiByte(CP_UTF8, 0, text, text.GetLength(), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, text.GetLength(), &out[0], n, nullptr, nullptr);
    return out;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    return fields;
}

TEST(FeedbackLayoutTest, UnscaledAtFourHundredScaledAbove) {
    const FeedbackLayout one = ComputeFeedbackLayout(CRect(0, 0, 400, 468), 1.0f);
    EXPECT_EQ(CRect(67, 154, 333, 214), one.solved);
    EXPECT_EQ(CRect(67, 234, 333, 294), one.unsolved);
    EXPECT_EQ(CRect(67, 314, 333, 374), one.moreSolutions);
    EXPECT_EQ(CRect(382, 6, 394, 18), one.close);
    EXPECT_EQ(one.unsolved, one.unsolvedCrop) << "the crop is the button's own place";
    EXPECT_EQ(CRect(9, 9, 9, 9), one.hitMargins);

    // 120 dpi: the layer that followed its 512 x 598 shell.
    const FeedbackLayout big = ComputeFeedbackLayout(CRect(0, 0, 500, 585), 1.25f);
    EXPECT_EQ(CRect(83, 192, 415, 267), big.solved) << "trunc(292.5 - 100)";
    EXPECT_EQ(CRect(84, 292, 416, 367), big.unsolved);
    EXPECT_EQ(CRect(84, 392, 416, 467), big.moreSolutions);
    EXPECT_EQ(CRect(67, 234, 333, 294), big.unsolvedCrop) << "design pixels of the picture";
    EXPECT_EQ(CRect(11, 11, 11, 11), big.hitMargins);
    EXPECT_EQ(CRect(477, 7, 492, 22), big.close);
}

class FeedbackDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dlgtest::ParkCursor();
        ASSERT_TRUE(dll.LoadFrom(feedbacktest::RecordingFolder()));
        ASSERT_TRUE(dll.CallInitFreedbackDll(info));
        ASSERT_FALSE(info[kFeedbackInfoMoreSolutions].IsEmpty());
        record.Clear();
    }
    // The calls the library recorded, each split into name and arguments; the pages it would
    // have opened are left out.
    std::vector<std::vector<std::string>> Calls() const {
        std::vector<std::vector<std::string>> calls;
        for (const std::string& line : record.Lines())
            if (!line.empty() && line.rfind("open\t", 0) != 0)
                calls.push_back(Fields(line));
        return calls;
    }

    CWinApp app;
    feedbacktest::CallRecord record;
    CFeedbackDll dll;
    CString info[kFeedbackInfoCount];
};

enum Button { kSolved, kUnsolved, kMoreSolutions, kClose };

HWND ButtonOf(CProblemSolvingFeedbackChildDlg& layer, Button button) {
    switch (button) {
    case kSolved:
        return layer.m_btnSolved.m_hWnd;
    case kUnsolved:
        return layer.m_btnUnsolved.m_hWnd;
    case kMoreSolutions:
        return layer.m_btnMoreSolutions.m_hWnd;
    case kClose:
        break;
    }
    return layer.m_btnClose.m_hWnd;
}

// Runs a dialog and clicks a button with the real mouse at each point of its client area (its
// middle for a negative x), then ends it with kStillOpen unless a click ended it. Points lie
// apart so that two clicks never make a double click.
INT_PTR RunWithClicks(Scripted<CProblemSolvingFeedbackDlg>& dialog, Button button,
                      std::vector<POINT> points) {
    size_t done = 0;
    dialog.steps = {[&] {
                        HWND target = ButtonOf(*dialog.ChildDlg(), button);
                        POINT p = points[done];
                        if (p.x < 0)
                            p = testsupport::ClientCentreOnScreen(target);
                        else
                            ::ClientToScreen(target, &p);
                        testsupport::ClickAt(p);
                        return ++done == points.size();
                    },
                    [&] {
                        dialog.EndDialog(kStillOpen);
                        return true;
                    }};
    return dialog.DoModal();
}

const POINT kMiddle{-1, -1};

TEST_F(FeedbackDialogTest, AnswersAndTheCloseButtonReportThenClose) {
    struct Case {
        const char* name;
        Button button;
        const char* answer;
    } cases[] = {{"problem solved", kSolved, "1"},
                 {"problem not solved", kUnsolved, "2"},
                 {"close button", kClose, "3"}};
    for (const Case& c : cases) {
        record.Clear();
        Scripted<CProblemSolvingFeedbackDlg> dialog;
        dialog.SetFeedbackDll(&dll);
        dialog.SetFeedbackInfo(info);
        EXPECT_EQ(IDCANCEL, RunWithClicks(dialog, c.button, {kMiddle})) << c.name;
        const long long now = _time64(nullptr);
        const auto calls = Calls();
        ASSERT_EQ(2u, calls.size()) << c.name;
        ASSERT_EQ(5u, calls[0].size()) << c.name;
        EXPECT_EQ("CustomerFeedbackEx", calls[0][0]) << c.name;
        EXPECT_EQ("10130", calls[0][1]) << c.name;
        EXPECT_EQ("1.0.21.908", calls[0][2]) << c.name;
        EXPECT_EQ(c.answer, calls[0][3]) << c.name;
        const long long reported = std::atoll(calls[0][4].c_str());
        EXPECT_LE(std::llabs(now - reported), 60) << c.name << ": " << calls[0][4];
        EXPECT_EQ((std::vector<std::string>{"FeedbackQuestion", "10130", "1.0.21.908"}), calls[1])
            << c.name;
    }
}

// The answer buttons' faces lie 9 pixels in from their borders at 96 dpi; a click on that rim
// is no answer. The more-solutions button counts every click.
TEST_F(FeedbackDialogTest, ClickOnTheRimOfAnAnswerButtonDoesNothing) {
    struct Case {
        const char* name;
        Button button;
        POINT at;
        bool answers;
    } cases[] = {
        {"solved, left rim", kSolved, {8, 30}, false},
        {"solved, just inside the left rim", kSolved, {9, 30}, true},
        {"not solved, top rim", kUnsolved, {133, 8}, false},
        {"not solved, right rim", kUnsolved, {257, 30}, false},
        {"not solved, just inside the right rim", kUnsolved, {256, 30}, true},
        {"not solved, bottom rim", kUnsolved, {133, 51}, false},
    };
    for (const Case& c : cases) {
        record.Clear();
        Scripted<CProblemSolvingFeedbackDlg> dialog;
        dialog.SetFeedbackDll(&dll);
        dialog.SetFeedbackInfo(info);
        const INT_PTR result = RunWithClicks(dialog, c.button, {c.at});
        EXPECT_EQ(c.answers ? IDCANCEL : kStillOpen, result) << c.name;
        EXPECT_EQ(c.answers ? 2u : 0u, Calls().size()) << c.name;
        dlgtest::ParkCursor();
    }
}

TEST_F(FeedbackDialogTest, MoreSolutionsOpensEntryFourEachTimeAndTheDialogStays) {
    struct Case {
        const char* name;
        std::vector<POINT> at;
    } cases[] = {{"inside", {{100, 30}, {160, 30}}},
                 {"on the rim, which counts here", {{4, 4}, {260, 55}}}};
    for (const Case& c : cases) {
        record.Clear();
        Scripted<CProblemSolvingFeedbackDlg> dialog;
        dialog.SetFeedbackDll(&dll);
        dialog.SetFeedbackInfo(info);
        EXPECT_EQ(kStillOpen, RunWithClicks(dialog, kMoreSolutions, c.at)) << c.name;
        const std::vector<std::string> openUrl{"OpenUrl", Utf8(info[kFeedbackInfoMoreSolutions])};
        EXPECT_EQ((std::vector<std::vector<std::string>>{openUrl, openUrl}), Calls()) << c.name;
    }
}

TEST_F(FeedbackDialogTest, WithoutTheLibraryEveryButtonOnlyCloses) {
    struct Case {
        const char* name;
        bool withLibrary, withStrings;
        Button button;
        INT_PTR result;
    } cases[] = {
        {"no library: solved", false, true, kSolved, IDCANCEL},
        {"no library: not solved", false, true, kUnsolved, IDCANCEL},
        {"no library: close", false, true, kClose, IDCANCEL},
        {"no library: more solutions", false, true, kMoreSolutions, kStillOpen},
        {"no string block: more solutions", true, false, kMoreSolutions, kStillOpen},
    };
    for (const Case& c : cases) {
        record.Clear();
        Scripted<CProblemSolvingFeedbackDlg> dialog;
        if (c.withLibrary)
            dialog.SetFeedbackDll(&dll);
        if (c.withStrings)
            dialog.SetFeedbackInfo(info);
        EXPECT_EQ(c.result, RunWithClicks(dialog, c.button, {kMiddle})) << c.name;
        EXPECT_TRUE(record.Lines().empty()) << c.name;
    }
}

TEST_F(FeedbackDialogTest, EnterAndEscCloseNothing) {
    Scripted<CProblemSolvingFeedbackDlg> dialog;
    dialog.SetFeedbackDll(&dll);
    dialog.SetFeedbackInfo(info);
    HWND focused = nullptr;
    dialog.steps = {[&] {
                        ::SetActiveWindow(dialog.Layer());
                        ::SetFocus(dialog.ChildDlg()->m_btnSolved.m_hWnd);
                        focused = ::GetFocus();
                        for (WORD key : {VK_RETURN, VK_ESCAPE})
                            testsupport::PressKey(key);
                        return true;
                    },
                    [&] {
                        dialog.EndDialog(kStillOpen);
                        return true;
                    }};
    EXPECT_EQ(kStillOpen, dialog.DoModal());
    EXPECT_NE(nullptr, focused);
    EXPECT_TRUE(Calls().empty());
}

// The dialog takes the screen's scale itself, so it runs in a process started at each dpi.
TEST(FeedbackDialogScreenTest, AnswerButtonsFollowTheScreensDpi) {
    struct Case {
        DWORD dpi;
        int width, height;
    } cases[] = {{96, 266, 60}, {120, 332, 75}};
    testsupport::TempDir dir;
    for (const Case& c : cases) {
        const std::wstring out = dir / (L"layout" + std::to_wstring(c.dpi) + L".txt");
        {
            dlgtest::ScopedLogPixels dpi(c.dpi);
            ASSERT_EQ(0, testsupport::RunProcess(testsupport::ExeDir() + L"\\feedback_probe.exe",
                                                 L"\"" + out + L"\"", dir.Path()))
                << c.dpi;
        }
        std::istringstream in(testsupport::ReadBytes(out));
        int layerWidth = 0, layerHeight = 0;
        ASSERT_TRUE(in >> layerWidth >> layerHeight) << c.dpi;
        EXPECT_EQ(c.dpi > 100, layerWidth > 400) << c.dpi << " dpi: " << layerWidth;
        for (int i = 0; i < 3; ++i) {
            int width = 0, height = 0;
            ASSERT_TRUE(in >> width >> height) << c.dpi;
            EXPECT_EQ(c.width, width) << c.dpi << " dpi, button " << i;
            EXPECT_EQ(c.height, height) << c.dpi << " dpi, button " << i;
        }
    }
}

} // namespace
