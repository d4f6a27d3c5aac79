// The busy prompt: its text and dots, the message that closes it from the worker's thread, the
// input it ignores, and its size at a scale.
#include "DialogScript.h"
#include "WindowPixels.h"
#include "detect/DetectMessages.h"
#include "dialogs/BusyPromptLayout.h"
#include "dialogs/CExecutePromptDlg.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using dlgtest::Scripted;

namespace {

const auto* const g_gdiplus =
    ::testing::AddGlobalTestEnvironment(new testsupport::GdiplusEnvironment);

const wchar_t* const kDetecting = L"正在检测，请稍等";

TEST(BusyPromptLayoutTest, TextAndPlace) {
    struct Case {
        const wchar_t* message;
        const wchar_t* shown;
    } cases[] = {{L"", kBusyPromptFallbackText},
                 {L"正", kBusyPromptFallbackText},
                 {L"正在", L"正在"},
                 {kDetecting, kDetecting}};
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.shown), BusyPromptText(c.message)) << CString(c.message).GetLength();
    EXPECT_EQ(CRect(10, 32, 194, 72), BusyTextRect(CRect(0, 0, 204, 104), 1.0f));
    EXPECT_EQ(CRect(12, 40, 244, 90), BusyTextRect(CRect(0, 0, 256, 130), 1.25f));
}

class BusyPromptTest : public ::testing::Test {
  protected:
    void SetUp() override { dlgtest::ParkCursor(); }
    CWinApp app;
};

TEST_F(BusyPromptTest, ShowsItsTextInWhiteWithDotsGrowingToThreeAndBack) {
    struct Case {
        const wchar_t* message;
        const wchar_t* shown;
    } cases[] = {
        {kDetecting, kDetecting}, {L"", L"正在修复，请稍等"}, {L"等", L"正在修复，请稍等"}};
    for (const Case& c : cases) {
        Scripted<CExecutePromptDlg> prompt;
        prompt.SetMessage(c.message);
        CString shown;
        bool whiteText = false;
        std::vector<int> dots;
        prompt.steps = {[&] {
                            CDrawStateInfoStatic& state = prompt.ChildDlg()->m_staticState;
                            state.GetWindowText(shown);
                            state.UpdateWindow();
                            const dlgtest::Pixels p = dlgtest::CaptureClient(state.m_hWnd);
                            for (COLORREF px : p.rgb)
                                whiteText =
                                    whiteText || testsupport::SameColor(px, RGB(255, 255, 255));
                            return true;
                        },
                        [&] {
                            // Each change of the dots, polled far more often than they change.
                            const int now = prompt.ChildDlg()->m_staticState.GetDotCount();
                            if (dots.empty() || dots.back() != now)
                                dots.push_back(now);
                            return dots.size() >= 5;
                        },
                        [&] {
                            prompt.EndDialog(IDOK);
                            return true;
                        }};
        ASSERT_EQ(IDOK, prompt.DoModal()) << c.shown;
        EXPECT_EQ(CString(c.shown), shown);
        EXPECT_TRUE(whiteText) << c.shown;
        EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 0}), dots) << c.shown;
    }
}

// The worker sends the close message from its own thread; it is handled whenever the prompt's
// thread next takes messages, which may be before the prompt was ever shown.
TEST_F(BusyPromptTest, CloseMessageEndsThePromptWheneverItArrives) {
    enum When { kBeforeTheLayerExists, kAtTheFirstTurnOfTheLoop, kWhileTheDotsRun };
    struct Case {
        const char* name;
        When when;
    } cases[] = {{"before the layer exists", kBeforeTheLayerExists},
                 {"at the first turn of the modal loop", kAtTheFirstTurnOfTheLoop},
                 {"while the dots run", kWhileTheDotsRun}};

    // Sends the close message from another thread once the dialog's window exists, as the
    // worker does, or at once from OnInitDialog before anything else happens there.
    class Prompt : public Scripted<CExecutePromptDlg> {
      public:
        When when = kWhileTheDotsRun;
        std::atomic<HWND> window{nullptr};
        bool shownWhenClosed = true;

      protected:
        BOOL OnInitDialog() override {
            if (when == kBeforeTheLayerExists)
                SendMessage(WM_CLOSE_EXECUTE_PROMPT);
            BOOL result = Scripted<CExecutePromptDlg>::OnInitDialog();
            if (when == kAtTheFirstTurnOfTheLoop)
                window = m_hWnd;
            return result;
        }
        LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
            if (msg == WM_CLOSE_EXECUTE_PROMPT)
                shownWhenClosed = IsWindowVisible();
            return Scripted<CExecutePromptDlg>::WindowProc(msg, w, l);
        }
    };

    for (const Case& c : cases) {
        Prompt prompt;
        prompt.when = c.when;
        prompt.SetMessage(kDetecting);
        if (c.when == kWhileTheDotsRun) {
            prompt.steps = {[&] {
                if (prompt.ChildDlg()->m_staticState.GetDotCount() == 0)
                    return false;
                prompt.window = prompt.m_hWnd;
                return true;
            }};
        }
        LRESULT answer = -1;
        std::thread worker([&] {
            if (c.when == kBeforeTheLayerExists)
                return;
            HWND target = nullptr;
            for (int i = 0; i < 2000 && !(target = prompt.window); ++i)
                ::Sleep(5);
            if (target)
                answer = ::SendMessageW(target, WM_CLOSE_EXECUTE_PROMPT, 0, 0);
        });
        const INT_PTR result = prompt.DoModal();
        worker.join();
        EXPECT_EQ(IDOK, result) << c.name;
        if (c.when != kBeforeTheLayerExists) {
            EXPECT_EQ(0, answer) << c.name;
        }
        if (c.when == kWhileTheDotsRun) {
            EXPECT_TRUE(prompt.shownWhenClosed) << c.name;
        }
    }
}

// Nothing the user does ends or moves the busy prompt: keys, clicks, drags on the panel or on
// its shadow.
TEST_F(BusyPromptTest, EnterEscClicksAndDragsDoNothing) {
    Scripted<CExecutePromptDlg> prompt;
    prompt.SetMessage(kDetecting);
    RECT shellBefore{}, layerBefore{}, shellAfter{}, layerAfter{};
    std::vector<POINT> presses;
    size_t press = 0;
    int move = 0;
    bool focusOurs = false;
    prompt.steps = {
        [&] {
            shellBefore = testsupport::ScreenRect(prompt.Shell());
            layerBefore = testsupport::ScreenRect(prompt.Layer());
            ::SetActiveWindow(prompt.Layer());
            ::SetFocus(prompt.Layer());
            const HWND focus = ::GetAncestor(::GetFocus(), GA_ROOT);
            focusOurs = focus && (focus == prompt.Layer() || focus == prompt.Shell());
            for (WORD key : {VK_RETURN, VK_ESCAPE})
                testsupport::PressKey(key);
            // On the text, on the panel's top strip, and on the shell's margin left of the panel.
            presses = {testsupport::ClientCentreOnScreen(prompt.ChildDlg()->m_staticState.m_hWnd),
                       POINT{layerBefore.left + 30, layerBefore.top + 5},
                       POINT{shellBefore.left + 7, (shellBefore.top + shellBefore.bottom) / 2}};
            return true;
        },
        [&] {
            if (press == presses.size())
                return true;
            const POINT from = presses[press];
            if (move == 0) {
                testsupport::ClickAt(from);
                testsupport::MoveCursorTo(from);
                testsupport::LeftButton(true);
            }
            ++move;
            testsupport::MoveCursorTo({from.x + 15 * move, from.y + 10 * move});
            if (move == 4) {
                testsupport::LeftButton(false);
                move = 0;
                ++press;
            }
            return false;
        },
        [&] {
            shellAfter = testsupport::ScreenRect(prompt.Shell());
            layerAfter = testsupport::ScreenRect(prompt.Layer());
            prompt.EndDialog(42);
            return true;
        }};
    EXPECT_EQ(42, prompt.DoModal()) << "nothing but the test ended it";
    EXPECT_TRUE(focusOurs);
    EXPECT_EQ(CRect(shellBefore), CRect(shellAfter));
    EXPECT_EQ(CRect(layerBefore), CRect(layerAfter));
}

TEST_F(BusyPromptTest, AtOneAndAQuarterThePanelIs290By165WithTheText12PixelsIn) {
    Scripted<CExecutePromptDlg> prompt;
    prompt.SetMessage(kDetecting);
    prompt.m_fScale = 1.25f;
    RECT shell{}, layer{}, text{};
    prompt.steps = {[&] {
        shell = testsupport::ScreenRect(prompt.Shell());
        layer = testsupport::ScreenRect(prompt.Layer());
        text = testsupport::ScreenRect(prompt.ChildDlg()->m_staticState.m_hWnd);
        prompt.EndDialog(IDOK);
        return true;
    }};
    ASSERT_EQ(IDOK, prompt.DoModal());
    EXPECT_EQ(CSize(290, 165), CRect(shell).Size());
    EXPECT_EQ(12, text.left - layer.left);
    EXPECT_EQ(12, layer.right - text.right);
}

} // namespace
