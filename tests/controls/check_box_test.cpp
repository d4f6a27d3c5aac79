// The consent check box: the glyph follows the system button's state, and only our painting
// ever shows.
#include "ControlsHost.h"
#include "controls/ControlGeometry.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kEmptyCell = RGB(255, 255, 0), kTickedCell = RGB(255, 0, 255),
               kWhite = RGB(255, 255, 255);

class CheckBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(host.Open());
        testsupport::MoveCursorTo({20, 20});
        host.check.CreateFontFromParent();
    }
    bool GlyphShows(COLORREF colour, int x = 8, int y = 15) {
        return testsupport::WaitUntil(
            [&] { return testsupport::SameColor(colour, testsupport::PixelAt(host.check, x, y)); });
    }
    ControlsHost host;
};

} // namespace

TEST(CheckBoxGeometryTest, GlyphBoxAndCaptionFollowTheScale) {
    struct Case {
        float scale;
        CRect client;
        CRect glyph;
        int captionLeft;
    } cases[] = {
        {1.0f, {0, 0, 120, 20}, {0, 2, 16, 18}, 18},
        {1.5f, {0, 0, 120, 40}, {0, 8, 24, 32}, 26},
        {1.0f, {0, 0, 120, 10}, {0, -3, 16, 13}, 18}, // lower than the glyph: it overhangs
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.glyph, CheckGlyphBox(c.client, c.scale)) << c.scale;
        EXPECT_EQ(c.captionLeft, CheckCaptionLeft(c.client, c.scale)) << c.scale;
    }
}

TEST_F(CheckBoxTest, TickedCellOnlyWhenChecked) {
    ControlsHost::Place(host.check, 10, 10, 120, 30);
    struct Case {
        const char* name;
        int state;
        COLORREF cell;
    } cases[] = {{"checked", BST_CHECKED, kTickedCell},
                 {"unchecked", BST_UNCHECKED, kEmptyCell},
                 {"indeterminate", BST_INDETERMINATE, kEmptyCell}};
    // Only a three-state button can hold the indeterminate state.
    host.check.SendMessage(BM_SETSTYLE, BS_AUTO3STATE, TRUE);
    for (const Case& c : cases) {
        host.check.SetCheck(c.state);
        ASSERT_EQ(c.state, host.check.GetCheck()) << c.name;
        EXPECT_TRUE(GlyphShows(c.cell)) << c.name;
    }
}

TEST_F(CheckBoxTest, AtScaleOneAndAHalfTheGlyphIs24SquareAndTheCaption26In) {
    host.check.m_fScale = 1.5f;
    ControlsHost::Place(host.check, 10, 10, 120, 40);
    host.check.SetCheck(BST_CHECKED);
    ASSERT_TRUE(GlyphShows(kTickedCell, 12, 20));
    struct Case {
        int x, y;
        bool glyph;
    } cases[] = {{1, 9, true}, {22, 30, true}, {12, 6, false}, {12, 33, false}, {25, 20, false}};
    for (const Case& c : cases) {
        const COLORREF seen = testsupport::PixelAt(host.check, c.x, c.y);
        EXPECT_TRUE(testsupport::SameColor(c.glyph ? kTickedCell : kWhite, seen, 60))
            << c.x << "," << c.y;
    }
    // The caption's ink starts at 26: nothing between the glyph and it.
    int firstInk = -1;
    for (int x = 24; x < 80 && firstInk < 0; ++x)
        for (int y = 0; y < 40; ++y)
            if (!testsupport::SameColor(kWhite, testsupport::PixelAt(host.check, x, y), 30)) {
                firstInk = x;
                break;
            }
    EXPECT_GE(firstInk, 26);
    EXPECT_LE(firstInk, 29) << "the caption's first stroke sits right at its start";
}

TEST_F(CheckBoxTest, EveryToggleRepaintsAndTheSystemMarkNeverShows) {
    ControlsHost::Place(host.check, 10, 10, 120, 30);
    host.check.SetCheck(BST_CHECKED);
    ASSERT_TRUE(GlyphShows(kTickedCell));

    // The system button draws its own box straight away on a state change; read before any
    // paint of ours could have covered it.
    host.check.SendMessage(BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_TRUE(testsupport::SameColor(kTickedCell, testsupport::PixelAt(host.check, 8, 15)))
        << "something other than our paint drew on the control";
    EXPECT_TRUE(GlyphShows(kEmptyCell));

    // Real clicks: each toggles, notifies and shows the new state.
    POINT p = ControlsHost::OnScreen(host.check, 8, 15);
    for (int click = 1; click <= 2; ++click) {
        testsupport::MoveCursorTo(p);
        testsupport::LeftButton(true);
        testsupport::LeftButton(false);
        ASSERT_TRUE(testsupport::WaitUntil([&] { return host.clicks[IDC_CHECK_BOX] == click; }));
        EXPECT_TRUE(GlyphShows(click == 1 ? kTickedCell : kEmptyCell)) << "click " << click;
        for (int x = 0; x < 16; ++x) {
            const COLORREF seen = testsupport::PixelAt(host.check, x, 15);
            EXPECT_TRUE(testsupport::SameColor(click == 1 ? kTickedCell : kEmptyCell, seen, 60))
                << "glyph row pixel " << x << " after click " << click;
        }
    }
}
