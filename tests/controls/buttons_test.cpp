// The picture buttons under real mouse input: what they show in each state and what the parent
// hears.
#include "ControlsHost.h"
#include "controls/ControlGeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255),
               kGrey = RGB(128, 128, 128), kOrange = RGB(255, 128, 0), kBlack = RGB(0, 0, 0);

class ButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(host.Open());
        testsupport::MoveCursorTo({20, 20}); // away from every control
        testsupport::PumpPending();
    }
    // Waits until the button shows the colour in its middle.
    bool Shows(CWnd& button, COLORREF colour) {
        return testsupport::WaitUntil([&] {
            CRect rc;
            button.GetClientRect(&rc);
            return testsupport::SameColor(
                colour, testsupport::PixelAt(button, rc.Width() / 2, rc.Height() / 2));
        });
    }
    void PointAt(CWnd& button, int x, int y) {
        POINT p = ControlsHost::OnScreen(button, x, y);
        testsupport::MoveCursorTo(p);
    }
    void PointAway() { testsupport::MoveCursorTo({20, 20}); }
    ControlsHost host;
};

} // namespace

TEST(ButtonGeometryTest, PictureSourceLosesItsLastRowAndColumnOnlyAboveScaleOne) {
    struct Case {
        float scale;
        CRect expected;
    } cases[] = {{1.0f, {0, 0, 26, 34}}, {0.9f, {0, 0, 26, 34}}, {1.25f, {0, 0, 25, 33}}};
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, PngButtonSourceRect(26, 34, c.scale));
}

TEST_F(ButtonTest, PngButtonFollowsHoverPressAndLeaveAndNotifiesTheParent) {
    host.png.SetPictures(IDP_RED, IDP_GREEN, IDP_BLUE, IDP_GREY);
    ControlsHost::Place(host.png, 10, 10, 60, 40);
    ASSERT_TRUE(Shows(host.png, kRed));

    PointAt(host.png, 30, 20);
    EXPECT_TRUE(Shows(host.png, kGreen)) << "hover";
    testsupport::LeftButton(true);
    EXPECT_TRUE(Shows(host.png, kBlue)) << "pressed";
    testsupport::LeftButton(false);
    EXPECT_TRUE(Shows(host.png, kGreen)) << "hover again after the click";
    EXPECT_TRUE(testsupport::WaitUntil([&] { return host.clicks[IDC_PNG_BUTTON] == 1; }));
    PointAway();
    EXPECT_TRUE(Shows(host.png, kRed)) << "normal after the pointer left";
}

TEST_F(ButtonTest, DisabledPngButtonShowsItsDisabledPictureAndIgnoresHoverAndPress) {
    host.png.SetPictures(IDP_RED, IDP_GREEN, IDP_BLUE, IDP_GREY);
    ControlsHost::Place(host.png, 10, 10, 60, 40);
    host.png.EnableWindow(FALSE);
    host.png.Invalidate();
    EXPECT_TRUE(Shows(host.png, kGrey));
    // A disabled window gets no mouse input; should these arrive anyway, they change nothing.
    const LPARAM inside = MAKELPARAM(30, 20);
    host.png.SendMessage(WM_MOUSEHOVER, 0, inside);
    host.png.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, inside);
    host.png.SendMessage(WM_LBUTTONUP, 0, inside);
    EXPECT_TRUE(Shows(host.png, kGrey));
    host.png.EnableWindow(TRUE);
    host.png.Invalidate();
    EXPECT_TRUE(Shows(host.png, kRed)) << "the state it had before";
}

TEST_F(ButtonTest, PngButtonWithAPictureMissingDrawsNothingInAnyState) {
    host.png.SetPictures(IDP_RED, IDP_GREEN, IDP_BLUE, IDP_MISSING);
    ControlsHost::Place(host.png, 10, 10, 60, 40);
    // The host paints button backgrounds black: black means the button drew nothing.
    EXPECT_TRUE(Shows(host.png, kBlack)) << "normal";
    const LPARAM inside = MAKELPARAM(30, 20);
    host.png.SendMessage(WM_MOUSEHOVER, 0, inside);
    EXPECT_TRUE(Shows(host.png, kBlack)) << "hover";
    host.png.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, inside);
    EXPECT_TRUE(Shows(host.png, kBlack)) << "pressed";
    host.png.SendMessage(WM_LBUTTONUP, 0, inside);
    EXPECT_TRUE(Shows(host.png, kBlack)) << "after the click";
    EXPECT_EQ(1, host.clicks[IDC_PNG_BUTTON]) << "it still works as a button";
}

TEST_F(ButtonTest, PngButtonAboveScaleOneDrawsThePictureLessItsLastRowAndColumn) {
    host.png.SetPictures(IDP_RED_BLUE_EDGE, IDP_RED_BLUE_EDGE, IDP_RED_BLUE_EDGE,
                         IDP_RED_BLUE_EDGE);
    ControlsHost::Place(host.png, 10, 10, 40, 40);
    Gdiplus::Image* picture = nullptr;
    ASSERT_TRUE(LoadPngResource(&picture, IDP_RED_BLUE_EDGE));
    // The middle row as drawing the given part of the picture over the button gives it.
    auto referenceRow = [&](int partWidth, int partHeight) {
        CClientDC screen(nullptr);
        CDC memory;
        memory.CreateCompatibleDC(&screen);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, 40, 40);
        ScopedSelect select(memory, bitmap);
        memory.FillSolidRect(CRect(0, 0, 40, 40), RGB(255, 255, 255));
        {
            Gdiplus::Graphics graphics(memory.m_hDC);
            graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
            DrawPicturePart(graphics, picture, CRect(0, 0, 40, 40),
                            CRect(0, 0, partWidth, partHeight));
        }
        std::vector<COLORREF> row;
        for (int x = 0; x < 40; ++x)
            row.push_back(memory.GetPixel(x, 20));
        return row;
    };
    const auto whole = referenceRow(4, 4), trimmed = referenceRow(3, 3);
    ASSERT_NE(whole, trimmed);
    struct Case {
        float scale;
        const std::vector<COLORREF>& expected;
    } cases[] = {{1.0f, whole}, {1.25f, trimmed}};
    for (const Case& c : cases) {
        host.png.m_fScale = c.scale;
        host.png.Invalidate();
        host.png.UpdateWindow();
        std::vector<COLORREF> row;
        for (int x = 0; x < 40; ++x)
            row.push_back(testsupport::PixelAt(host.png, x, 20));
        EXPECT_EQ(c.expected, row) << "scale " << c.scale;
    }
    ReleasePicture(picture);
}

TEST_F(ButtonTest, ReleasingPicturesTwiceIsHarmlessAndLeavesNothingDrawn) {
    host.png.SetPictures(IDP_RED, IDP_GREEN, IDP_BLUE, IDP_GREY);
    ControlsHost::Place(host.png, 10, 10, 60, 40);
    ASSERT_TRUE(Shows(host.png, kRed));
    host.png.ReleasePictures();
    host.png.ReleasePictures();
    host.png.Invalidate();
    EXPECT_TRUE(Shows(host.png, kBlack));
}

TEST_F(ButtonTest, ImageButtonCursorInsideLeavesOutTheMarginsAndTheRightAndBottomEdges) {
    ControlsHost::Place(host.image, 10, 10, 266, 60);
    struct Case {
        CRect margins;
        int x, y;
        BOOL inside;
    } cases[] = {
        {{9, 9, 9, 9}, 9, 9, TRUE},     {{9, 9, 9, 9}, 8, 30, FALSE},
        {{9, 9, 9, 9}, 257, 30, FALSE}, {{9, 9, 9, 9}, 256, 50, TRUE},
        {{0, 0, 0, 0}, 0, 0, TRUE},     {{0, 0, 0, 0}, 265, 59, TRUE},
        {{0, 0, 0, 0}, 266, 30, FALSE}, {{0, 0, 0, 0}, 30, 60, FALSE},
    };
    for (const Case& c : cases) {
        host.image.SetHitMargins(c.margins);
        POINT p = ControlsHost::OnScreen(host.image, c.x, c.y);
        ::SetCursorPos(p.x, p.y);
        EXPECT_EQ(c.inside, host.image.IsCursorInside())
            << "margin " << c.margins.left << " at " << c.x << "," << c.y;
    }
}

TEST_F(ButtonTest, ImageButtonPressedInsideAndReleasedOutsideStaysPressedUntilTheLeave) {
    host.image.SetPictures(IDP_RED, IDP_GREEN, IDP_BLUE, IDP_GREY);
    ControlsHost::Place(host.image, 10, 10, 100, 40);
    ASSERT_TRUE(Shows(host.image, kRed));
    PointAt(host.image, 50, 20);
    ASSERT_TRUE(Shows(host.image, kGreen));
    testsupport::LeftButton(true);
    ASSERT_TRUE(Shows(host.image, kBlue));
    PointAt(host.image, 150, 20); // outside, button still held: the button keeps the capture
    testsupport::LeftButton(false);
    // The release outside is not a return to hover: from here it shows pressed or, once the
    // leave has come, normal, and never hover.
    bool sawHover = false;
    testsupport::WaitUntil([&] {
        COLORREF c = testsupport::PixelAt(host.image, 50, 20);
        sawHover = sawHover || testsupport::SameColor(kGreen, c);
        return testsupport::SameColor(kRed, c);
    });
    EXPECT_FALSE(sawHover);
    EXPECT_TRUE(Shows(host.image, kRed));
    EXPECT_EQ(0, host.clicks[IDC_IMAGE_BUTTON]) << "a release outside is no click";
}

TEST_F(ButtonTest, ImageButtonEnableButtonShowsDisabledThenNormalEvenUnderThePointer) {
    host.image.SetPictures(IDP_RED, IDP_GREEN, IDP_BLUE, IDP_GREY);
    ControlsHost::Place(host.image, 10, 10, 100, 40);
    PointAt(host.image, 50, 20);
    ASSERT_TRUE(Shows(host.image, kGreen));
    host.image.EnableButton(FALSE);
    EXPECT_FALSE(host.image.IsWindowEnabled());
    EXPECT_TRUE(Shows(host.image, kGrey));
    host.image.EnableButton(TRUE);
    EXPECT_TRUE(host.image.IsWindowEnabled());
    host.image.UpdateWindow();
    EXPECT_TRUE(testsupport::SameColor(kRed, testsupport::PixelAt(host.image, 50, 20)));
}

TEST_F(ButtonTest, ImageButtonErasePaintsTheWholeFaceOverItsBackgroundCrop) {
    Gdiplus::Image* background = nullptr;
    ASSERT_TRUE(LoadPngResource(&background, IDP_ORANGE));
    ControlsHost::Place(host.image, 10, 10, 40, 20);
    host.image.SetBkImage(background);
    host.image.SetBkImageRect(CRect(0, 0, 40, 20));

    CClientDC screen(&host);
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 40, 20));
    ScopedSelect select(memory, bitmap);

    // Without pictures the erase still shows the crop; with them, the face.
    EXPECT_TRUE(host.image.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.m_hDC)));
    EXPECT_TRUE(testsupport::SameColor(kOrange, memory.GetPixel(20, 10)));
    host.image.SetPictures(IDP_RED, IDP_GREEN, IDP_BLUE, IDP_GREY);
    EXPECT_TRUE(host.image.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.m_hDC)));
    for (POINT p : {POINT{20, 10}, POINT{2, 2}, POINT{28, 12}})
        EXPECT_TRUE(testsupport::SameColor(kRed, memory.GetPixel(p.x, p.y))) << p.x << "," << p.y;

    host.image.SetBkImage(nullptr);
    ReleasePicture(background);
}

TEST(ButtonPictureForStateTest, DisabledWindowShowsTheDisabledPictureElseTheStatesOwn) {
    // Stand-ins: only which pointer comes back matters, nothing is drawn.
    Gdiplus::Image* normal = reinterpret_cast<Gdiplus::Image*>(0x10);
    Gdiplus::Image* hover = reinterpret_cast<Gdiplus::Image*>(0x20);
    Gdiplus::Image* pressed = reinterpret_cast<Gdiplus::Image*>(0x30);
    Gdiplus::Image* disabled = reinterpret_cast<Gdiplus::Image*>(0x40);
    const ButtonPictureRefs pictures{normal, hover, pressed, disabled};
    const struct {
        BOOL enabled;
        int state;
        Gdiplus::Image* shown;
    } cases[] = {
        {TRUE, kButtonNormal, normal},
        {TRUE, kButtonHover, hover},
        {TRUE, kButtonPressed, pressed},
        {TRUE, kButtonDisabled, nullptr},
        {TRUE, 0, nullptr},
        {FALSE, kButtonNormal, disabled},
        {FALSE, kButtonHover, disabled},
        {FALSE, kButtonPressed, disabled},
        {FALSE, kButtonDisabled, disabled},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, ButtonPictureForState(pictures, c.enabled, c.state))
            << c.enabled << " " << c.state;
    EXPECT_TRUE(HasAllButtonPictures(pictures));
    disabled = nullptr;
    EXPECT_FALSE(HasAllButtonPictures(pictures));
}
