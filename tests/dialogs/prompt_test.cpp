// The message prompt: the buttons of each type, where they sit and what they return, the
// message, dragging by the title strip, and the keys that close nothing.
#include "DialogScript.h"
#include "WindowPixels.h"
#include "dialogs/CPromptDlg.h"
#include "dialogs/DialogMessages.h"
#include "dialogs/PromptLayout.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <optional>

using dlgtest::Scripted;

namespace {

const auto* const g_gdiplus =
    ::testing::AddGlobalTestEnvironment(new testsupport::GdiplusEnvironment);

// A control's rectangle in its window's client coordinates.
CRect RectInParent(HWND hControl) {
    CRect r = testsupport::ScreenRect(hControl);
    ::MapWindowPoints(nullptr, ::GetParent(hControl), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST(PromptLayoutTest, PlacesAtScaleOneAndAQuarter) {
    // 1.25: the layer is 408 x 183 (shell 420 x 195 less trunc'd insets 6, 3, 6, 8).
    const PromptLayout two = ComputePromptLayout(CRect(0, 0, 408, 182), 1.25f, kPromptTypeYesNo);
    EXPECT_EQ(CRect(376, 10, 391, 25), two.close);
    EXPECT_EQ(CRect(120, 133, 188, 163), two.ok) << "ends 12 * 1.25 left of the middle";
    EXPECT_EQ(CRect(219, 133, 287, 163), two.cancel) << "starts 12 * 1.25 right of the middle";
    EXPECT_EQ(CRect(12, 37, 396, 132), two.message);
    const PromptLayout one = ComputePromptLayout(CRect(0, 0, 408, 182), 1.25f, kPromptTypeConfirm);
    EXPECT_EQ(CRect(169, 133, 237, 163), one.ok) << "centred: 204 - trunc(34.375)";
}

class PromptTest : public ::testing::Test {
  protected:
    void SetUp() override { dlgtest::ParkCursor(); }
    CWinApp app;
};

// Which buttons a type shows, with which pictures, where the confirming button sits, and what
// each button ends the prompt with. Every case runs the prompt once per button it shows.
TEST_F(PromptTest, EachTypeShowsItsButtonsAndEachButtonGivesItsResult) {
    struct Case {
        const char* name;
        std::optional<int> type;
        UINT okPicture;
        UINT cancelPicture; // 0: no cancel button
        CRect ok;           // in the layer, at scale 1.0
    } cases[] = {
        {"type never set", std::nullopt, IDB_PNG_PROMPT_YES_NORMAL, 0, {135, 107, 190, 131}},
        {"type 1", 1, IDB_PNG_PROMPT_YES_NORMAL, 0, {135, 107, 190, 131}},
        {"type 2", 2, IDB_PNG_PROMPT_YES_NORMAL, IDB_PNG_PROMPT_NO_NORMAL, {96, 107, 151, 131}},
        {"type 3", 3, IDB_PNG_PROMPT_CONFIRM_NORMAL, 0, {135, 107, 190, 131}},
        {"type 4",
         4,
         IDB_PNG_PROMPT_CONFIRM_NORMAL,
         IDB_PNG_PROMPT_CANCEL_NORMAL,
         {96, 107, 151, 131}},
        {"type 7", 7, IDB_PNG_PROMPT_YES_NORMAL, 0, {96, 107, 151, 131}},
    };
    enum Press { kOk, kCancel, kClose };
    for (const Case& c : cases) {
        for (Press press : {kOk, kCancel, kClose}) {
            if (press == kCancel && !c.cancelPicture)
                continue;
            SCOPED_TRACE(std::string(c.name) + ", pressing " +
                         (press == kOk       ? "OK"
                          : press == kCancel ? "Cancel"
                                             : "close"));
            Scripted<CPromptDlg> prompt;
            prompt.m_fScale = 1.0f;
            prompt.SetMessage(L"本机支持Modern Standby功能");
            if (c.type)
                prompt.SetType(*c.type);
            bool cancelShown = true;
            UINT okPicture = 0, cancelPicture = 0;
            CRect ok, cancel;
            prompt.steps = {[&] {
                                CPromptChildDlg* layer = prompt.ChildDlg();
                                layer->UpdateWindow();
                                ok = RectInParent(layer->m_btnOK.m_hWnd);
                                cancel = RectInParent(layer->m_btnCancel.m_hWnd);
                                cancelShown = layer->m_btnCancel.IsWindowVisible();
                                const std::vector<UINT> candidates = {
                                    IDB_PNG_PROMPT_YES_NORMAL, IDB_PNG_PROMPT_NO_NORMAL,
                                    IDB_PNG_PROMPT_CONFIRM_NORMAL, IDB_PNG_PROMPT_CANCEL_NORMAL};
                                okPicture = dlgtest::ClosestPicture(layer->m_btnOK, candidates);
                                if (cancelShown)
                                    cancelPicture =
                                        dlgtest::ClosestPicture(layer->m_btnCancel, candidates);
                                return true;
                            },
                            [&] {
                                CPromptChildDlg* layer = prompt.ChildDlg();
                                HWND target = press == kOk       ? layer->m_btnOK.m_hWnd
                                              : press == kCancel ? layer->m_btnCancel.m_hWnd
                                                                 : layer->m_btnClose.m_hWnd;
                                testsupport::ClickAt(testsupport::ClientCentreOnScreen(target));
                                return true;
                            }};
            EXPECT_EQ(press == kOk ? IDOK : IDCANCEL, prompt.DoModal());
            EXPECT_EQ(c.ok, ok);
            EXPECT_EQ(c.okPicture, okPicture);
            EXPECT_EQ(c.cancelPicture != 0, cancelShown);
            if (c.cancelPicture) {
                EXPECT_EQ(c.cancelPicture, cancelPicture);
                EXPECT_EQ(CRect(175, 107, 230, 131), cancel);
            }
            dlgtest::ParkCursor();
        }
    }
}

// The shell decides from the layer's message alone: only the confirming value means OK.
TEST_F(PromptTest, ResultMessageConfirmsOnlyWithOne) {
    struct Case {
        WPARAM value;
        INT_PTR result;
    } cases[] = {{kPromptResultConfirm, IDOK},
                 {kPromptResultCancel, IDCANCEL},
                 {0, IDCANCEL},
                 {5, IDCANCEL}};
    for (const Case& c : cases) {
        Scripted<CPromptDlg> prompt;
        prompt.SetType(kPromptTypeConfirmCancel);
        LRESULT answer = -1;
        prompt.steps = {[&] {
            answer = ::SendMessageW(prompt.Shell(), WM_PROMPT_RESULT, c.value, 0);
            return true;
        }};
        EXPECT_EQ(c.result, prompt.DoModal()) << c.value;
        EXPECT_EQ(0, answer) << c.value;
    }
}

TEST_F(PromptTest, MessageWrapsInsideTheStaticAndAnEmptyMessageLeavesAPanel) {
    struct Case {
        const char* name;
        const wchar_t* text;
        int minLines, maxLines;
    } cases[] = {
        {"one line", L"本机支持Modern Standby功能", 1, 1},
        {"the new-version notice, twice over",
         L"检测到当前工具有新的版本更新，请下载最新版本使用。"
         L"检测到当前工具有新的版本更新，请下载最新版本使用。",
         2, 4},
        {"empty", L"", 0, 0},
    };
    for (const Case& c : cases) {
        Scripted<CPromptDlg> prompt;
        prompt.SetMessage(c.text);
        prompt.SetType(kPromptTypeConfirm);
        dlgtest::TextBands bands;
        dlgtest::Pixels shown;
        CRect staticRect;
        bool okShown = false;
        prompt.steps = {[&] {
            CPromptChildDlg* layer = prompt.ChildDlg();
            layer->UpdateWindow();
            staticRect = RectInParent(layer->m_staticMessage.m_hWnd);
            shown = dlgtest::CaptureClient(layer->m_staticMessage.m_hWnd);
            bands = dlgtest::DarkTextBands(shown);
            okShown = layer->m_btnOK.IsWindowVisible();
            prompt.EndDialog(IDOK);
            return true;
        }};
        ASSERT_EQ(IDOK, prompt.DoModal()) << c.name;
        EXPECT_EQ(CRect(10, 30, 316, 106), staticRect) << c.name << ": the static keeps its place";
        EXPECT_GE(bands.count, c.minLines) << c.name;
        EXPECT_LE(bands.count, c.maxLines) << c.name;
        EXPECT_TRUE(okShown) << c.name;
        if (bands.count > 0) {
            // Blank rows above and below: the whole block fits, centred, nothing cut off.
            EXPECT_GT(bands.firstRow, 0) << c.name;
            EXPECT_LT(bands.lastRow, shown.height - 1) << c.name;
        }
    }
}

// Dragging with the real mouse: the title strip moves the layer and the shell comes along at
// the same offset; the corner by the close button moves nothing and closes nothing.
TEST_F(PromptTest, DraggingByTheTitleStripMovesBothWindowsButNotFromTheCloseCorner) {
    struct Case {
        const char* name;
        bool closeCorner;
    } cases[] = {{"title strip", false}, {"close-button corner", true}};
    for (const Case& c : cases) {
        Scripted<CPromptDlg> prompt;
        prompt.SetMessage(L"提示");
        prompt.SetType(kPromptTypeConfirm);
        RECT shellBefore{}, layerBefore{}, shellAfter{}, layerAfter{};
        POINT from{}, to{};
        const int dx = 70, dy = 45;
        int move = 0;
        prompt.steps = {
            [&] {
                shellBefore = testsupport::ScreenRect(prompt.Shell());
                layerBefore = testsupport::ScreenRect(prompt.Layer());
                CRect client;
                ::GetClientRect(prompt.Layer(), &client);
                // The strip is the top 30 pixels; its rightmost 26 hold the close
                // button.
                from = c.closeCorner ? POINT{client.right - 5, 15} : POINT{60, 15};
                ::ClientToScreen(prompt.Layer(), &from);
                to = POINT{from.x + dx, from.y + dy};
                testsupport::MoveCursorTo(from);
                testsupport::LeftButton(true);
                return true;
            },
            [&] {
                ++move;
                testsupport::MoveCursorTo({from.x + dx * move / 4, from.y + dy * move / 4});
                return move == 4;
            },
            [&] {
                testsupport::LeftButton(false);
                return true;
            },
            [&] {
                shellAfter = testsupport::ScreenRect(prompt.Shell());
                layerAfter = testsupport::ScreenRect(prompt.Layer());
                prompt.EndDialog(IDOK);
                return true;
            }};
        ASSERT_EQ(IDOK, prompt.DoModal()) << c.name << ": still open after the drag";
        const CPoint shellMoved(shellAfter.left - shellBefore.left,
                                shellAfter.top - shellBefore.top);
        const CPoint layerMoved(layerAfter.left - layerBefore.left,
                                layerAfter.top - layerBefore.top);
        if (c.closeCorner) {
            EXPECT_EQ(CPoint(0, 0), shellMoved) << c.name;
            EXPECT_EQ(CPoint(0, 0), layerMoved) << c.name;
        } else {
            EXPECT_EQ(CPoint(dx, dy), layerMoved) << c.name;
            EXPECT_EQ(layerMoved, shellMoved) << c.name << ": same offset as before";
        }
    }
}

// Keys are pressed on the focused window; a later step runs only once the loop has taken them,
// since timer messages come after input.
TEST_F(PromptTest, EnterAndEscCloseNothing) {
    struct Case {
        const char* name;
        bool focusOnLayerButton;
    } cases[] = {{"focus on the OK button", true}, {"focus on the shell", false}};
    for (const Case& c : cases) {
        Scripted<CPromptDlg> prompt;
        prompt.SetType(kPromptTypeConfirmCancel);
        HWND focus = nullptr, focused = nullptr;
        bool stillShown = false;
        prompt.steps = {
            [&] {
                focus = c.focusOnLayerButton ? prompt.ChildDlg()->m_btnOK.m_hWnd : prompt.Shell();
                ::SetActiveWindow(::GetAncestor(focus, GA_ROOT));
                ::SetFocus(focus);
                focused = ::GetFocus();
                for (WORD key : {VK_RETURN, VK_ESCAPE})
                    testsupport::PressKey(key);
                return true;
            },
            [&] {
                stillShown = ::IsWindowVisible(prompt.Shell()) && ::IsWindowVisible(prompt.Layer());
                prompt.EndDialog(42);
                return true;
            }};
        EXPECT_EQ(42, prompt.DoModal()) << c.name;
        EXPECT_EQ(focus, focused) << c.name << ": the keys went to our window";
        EXPECT_TRUE(stillShown) << c.name;
    }
}

} // namespace
