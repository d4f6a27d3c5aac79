// The text static and the busy-text static: formats, hover, hit test, colours and the dots.
#include "ControlsHost.h"
#include "controls/ControlGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const COLORREF kLightBlue = 0x00FF5C5C, kBlue = 0x00FF0000, kWhite = RGB(255, 255, 255);

class StaticTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(host.Open());
        host.text.SetTextFont(0, 0);
        host.state.SetTextFont(0, 0);
    }
    // The lowest red channel among the static's pixels: the colour of fully covered text.
    static int InkRed(CWnd& control) {
        CRect rc;
        control.GetClientRect(&rc);
        int lowest = 255;
        for (int y = 0; y < rc.Height(); ++y)
            for (int x = 0; x < rc.Width(); ++x)
                lowest = std::min(lowest, int(GetRValue(testsupport::PixelAt(control, x, y))));
        return lowest;
    }
    // First and last rows holding anything but white, or (-1, -1).
    static std::pair<int, int> InkRows(CWnd& control) {
        CRect rc;
        control.GetClientRect(&rc);
        int first = -1, last = -1;
        for (int y = 0; y < rc.Height(); ++y)
            for (int x = 0; x < rc.Width(); ++x)
                if (!testsupport::SameColor(kWhite, testsupport::PixelAt(control, x, y), 40)) {
                    if (first < 0)
                        first = y;
                    last = y;
                    break;
                }
        return {first, last};
    }
    ControlsHost host;
};

class RecordingStateStatic : public CDrawStateInfoStatic {
  public:
    std::vector<std::pair<WPARAM, LPARAM>> timers;

  protected:
    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
        if (msg == WM_TIMER)
            timers.emplace_back(w, l);
        return CDrawStateInfoStatic::WindowProc(msg, w, l);
    }
};

} // namespace

TEST(StaticFormatTest, TextStaticFlagsForEachMode) {
    struct Case {
        int mode;
        bool draws, measures;
        UINT measureFlags, drawFlags;
    } cases[] = {
        {0, true, true, 0x610, 0x214}, {1, true, false, 0, 0x224},
        {2, true, false, 0, 0x225},    {3, true, true, 0x610, 0x216},
        {4, true, false, 0, 0x224},    {5, true, true, 0x610, 0x215},
        {6, true, false, 0, 0x210},    {7, true, true, 0x2610, 0x2210},
        {8, false, false, 0, 0},       {-1, false, false, 0, 0},
    };
    for (const Case& c : cases) {
        const TextFormat f = DrawTextStaticFormat(c.mode);
        EXPECT_EQ(c.draws, f.draws) << c.mode;
        EXPECT_EQ(c.measures, f.measures) << c.mode;
        if (c.measures) {
            EXPECT_EQ(c.measureFlags, f.measureFlags) << c.mode;
        }
        if (c.draws) {
            EXPECT_EQ(c.drawFlags, f.drawFlags) << c.mode;
        }
    }
}

TEST(StaticFormatTest, StateStaticFlagsForEachMode) {
    struct Case {
        int mode;
        bool measures;
        UINT drawFlags;
    } cases[] = {{0, false, 0x24}, {1, false, 0x24}, {2, false, 0x25}, {3, false, 0x26},
                 {4, true, 0x14},  {5, true, 0x15},  {6, true, 0x16},  {7, false, 0x24}};
    for (const Case& c : cases) {
        const TextFormat f = StateInfoStaticFormat(c.mode);
        EXPECT_TRUE(f.draws) << c.mode;
        EXPECT_EQ(c.measures, f.measures) << c.mode;
        if (c.measures) {
            EXPECT_EQ(0x410u, f.measureFlags) << c.mode;
        }
        EXPECT_EQ(c.drawFlags, f.drawFlags) << c.mode;
    }
}

TEST(StaticFormatTest, CentringOffsetAndDots) {
    EXPECT_EQ(10, CentringOffset(40, 20));
    EXPECT_EQ(10, CentringOffset(41, 20)) << "integer division toward zero";
    EXPECT_EQ(-5, CentringOffset(20, 30)) << "a higher block starts above the top";
    EXPECT_EQ((std::vector<int>{1, 2, 3, 0, 1}),
              (std::vector<int>{NextDotCount(0), NextDotCount(1), NextDotCount(2), NextDotCount(3),
                                NextDotCount(0)}));
    EXPECT_EQ(CString(L"正在修复，请稍等.."), TextWithDots(L"正在修复，请稍等", 2));
    EXPECT_EQ(CString(L"正在修复，请稍等..."), TextWithDots(L"正在修复，请稍等", 3));
    EXPECT_EQ(CString(L"正在修复，请稍等"), TextWithDots(L"正在修复，请稍等", 0));
}

TEST_F(StaticTest, HitTestTakesTheLeftAndTopEdgesButNotTheRightAndBottom) {
    ControlsHost::Place(host.text, 10, 10, 100, 20);
    CRect window;
    host.text.GetWindowRect(&window);
    struct Case {
        int x, y;
        BOOL inside;
    } cases[] = {{window.left, window.top, TRUE},
                 {window.right - 1, window.bottom - 1, TRUE},
                 {window.right, window.top + 5, FALSE},
                 {window.left + 5, window.bottom, FALSE},
                 {window.left - 1, window.top + 5, FALSE}};
    for (const Case& c : cases)
        EXPECT_EQ(c.inside, host.text.HitTest(c.x, c.y)) << c.x << "," << c.y;
}

TEST_F(StaticTest, LinkTurnsBlueUnderThePointerAndRepaintsOnlyOnAChange) {
    host.text.SetTextColors(kLightBlue, kBlue);
    host.text.SetAlignMode(1);
    host.text.SetWindowText(L"反馈问题 Feedback");
    ControlsHost::Place(host.text, 10, 10, 200, 24);
    CRect window;
    host.text.GetWindowRect(&window);
    const POINT inside{window.left + 3, window.top + 3}, outside{window.left - 3, window.top};

    EXPECT_NEAR(GetRValue(kLightBlue), InkRed(host.text), 12) << "light blue at rest";
    struct Step {
        POINT at;
        bool repaint;
        int inkRed;
    } steps[] = {{inside, true, 0}, {inside, false, 0}, {outside, true, 92}, {outside, false, 92}};
    for (const Step& s : steps) {
        host.text.UpdateWindow();
        host.text.UpdateHover(s.at.x, s.at.y);
        EXPECT_EQ(s.repaint, ::GetUpdateRect(host.text, nullptr, FALSE) != FALSE)
            << s.at.x << "," << s.at.y;
        host.text.UpdateWindow();
        EXPECT_NEAR(s.inkRed, InkRed(host.text), 12) << s.at.x << "," << s.at.y;
    }
}

TEST_F(StaticTest, BackgroundColourCountsOnlyBeforeTheFirstPaint) {
    host.text.SetBkColor(RGB(0, 128, 0));
    host.text.SetWindowText(L"");
    ControlsHost::Place(host.text, 10, 10, 100, 20);
    EXPECT_TRUE(testsupport::SameColor(RGB(0, 128, 0), testsupport::PixelAt(host.text, 2, 2)));
    host.text.SetBkColor(RGB(200, 0, 0));
    host.text.Invalidate();
    host.text.UpdateWindow();
    EXPECT_TRUE(testsupport::SameColor(RGB(0, 128, 0), testsupport::PixelAt(host.text, 2, 2)));
}

TEST_F(StaticTest, UnknownModeDrawsTheBackgroundOnly) {
    host.text.SetWindowText(L"反馈问题 Feedback");
    host.text.SetAlignMode(8);
    ControlsHost::Place(host.text, 10, 10, 200, 24);
    EXPECT_EQ(std::make_pair(-1, -1), InkRows(host.text));
}

TEST_F(StaticTest, ModeSevenBreaksLikeAnEditControlAndCentresTheBlock) {
    // One word wider than the control: an edit control breaks it, plain word wrapping does not.
    const wchar_t* longWord = L"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW";
    host.text.SetWindowText(longWord);
    TEXTMETRICW tm{};
    {
        CClientDC dc(&host.text);
        CFont font;
        CreateDerivedFont(&host, 0, 0, &font);
        ScopedSelect select(dc, font);
        ::GetTextMetricsW(dc, &tm);
    }
    struct Case {
        int mode;
        bool wraps;
    } cases[] = {{7, true}, {0, false}};
    for (const Case& c : cases) {
        host.text.SetAlignMode(c.mode);
        ControlsHost::Place(host.text, 10, 10, 150, 120);
        host.text.Invalidate();
        host.text.UpdateWindow();
        const auto rows = InkRows(host.text);
        ASSERT_GE(rows.first, 0) << c.mode;
        const int inkHeight = rows.second - rows.first + 1;
        EXPECT_EQ(c.wraps, inkHeight > tm.tmHeight * 3 / 2) << "mode " << c.mode;
        // Centred: the gaps above and below differ by less than a line.
        const int above = rows.first, below = 120 - 1 - rows.second;
        EXPECT_LT(std::abs(above - below), tm.tmHeight) << "mode " << c.mode;
    }
}

TEST_F(StaticTest, DotsCycleOnTheirTimerOnly) {
    host.state.SetWindowText(L"正在修复，请稍等");
    ControlsHost::Place(host.state, 10, 10, 200, 24);
    std::vector<int> seen;
    for (int i = 0; i < 5; ++i) {
        host.state.SendMessage(WM_TIMER, kDotsTimerId, 0);
        seen.push_back(host.state.GetDotCount());
    }
    EXPECT_EQ((std::vector<int>{1, 2, 3, 0, 1}), seen);
    host.state.SendMessage(WM_TIMER, kDotsTimerId + 1, 0);
    EXPECT_EQ(1, host.state.GetDotCount()) << "another timer is no step";
    host.state.ResetDots();
    EXPECT_EQ(0, host.state.GetDotCount());
}

TEST_F(StaticTest, StartingTheDotsTwiceKeepsOneTimerAndStoppingEndsIt) {
    HWND hWnd = host.state.UnsubclassWindow();
    RecordingStateStatic recorder;
    ASSERT_TRUE(recorder.SubclassWindow(hWnd));
    recorder.SetWindowText(L"正在检测，请稍等");
    recorder.StartDots();
    recorder.StartDots();
    ASSERT_TRUE(testsupport::WaitUntil([&] { return recorder.timers.size() >= 2; }, 5000));
    // Every tick is the one timer's, each one step.
    for (const auto& t : recorder.timers) {
        EXPECT_EQ(kDotsTimerId, t.first);
        EXPECT_EQ(0, t.second);
    }
    EXPECT_EQ(static_cast<int>(recorder.timers.size()) % 4, recorder.GetDotCount());
    recorder.StopDots();
    EXPECT_EQ(0, recorder.GetDotCount());
    EXPECT_FALSE(::KillTimer(hWnd, kDotsTimerId)) << "no dots timer is left after StopDots";
    recorder.UnsubclassWindow();
}
