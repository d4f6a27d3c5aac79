// The main window's control rectangles at the scales users run.
#include "mainwnd/MainWindowLayout.h"

#include <gtest/gtest.h>

namespace {

void ExpectRect(const CRect& expected, const CRect& actual, const char* what) {
    EXPECT_EQ(expected.left, actual.left) << what;
    EXPECT_EQ(expected.top, actual.top) << what;
    EXPECT_EQ(expected.right, actual.right) << what;
    EXPECT_EQ(expected.bottom, actual.bottom) << what;
}

TEST(MainWindowLayout, ControlRectanglesAtTheScalesUsersRun) {
    struct Case {
        const char* name;
        CRect client;
        float scale;
        int consentWidth, feedbackWidth; // as the window font measures the two texts
        MainWindowLayout expected;
    } cases[] = {
        // 96 dpi, 14 + 2 characters of 12 pixels: q = 192 / 14 = 13, so the box is 16 + 26 + 2
        // wide, the link 14 q and 6 to its right; w = 48 + 4 + 2 + 6 = 60, 6 inside the client.
        // Exactly 400 wide: more tools takes the unscaled branch, its source the button itself.
        {"96 dpi",
         CRect(0, 0, 400, 600),
         1.0f,
         16 * 12,
         48,
         {{368, 0, 394, 34},
          {340, 0, 366, 34},
          {188, 16, 328, 31},
          {77, 270, 323, 317},
          {50, 545, 108, 563},
          {8, 575, 52, 595},
          {58, 575, 58 + 182, 595},
          {334, 575, 394, 595},
          {188, 16, 328, 31},
          {77, 270, 323, 317},
          {50, 545, 108, 563}}},
        // 120 dpi: q = 240 / 14 = 17, the box trunc(10 + 20 + 34 + 2) wide, tops trunc(749
        // - 31.25).
        {"120 dpi",
         CRect(0, 0, 499, 749),
         1.25f,
         16 * 15,
         60,
         {{460, 0, 492, 42},
          {424, 0, 456, 42},
          {235, 20, 410, 38},
          {96, 337, 403, 395},
          {62, 681, 134, 703},
          {10, 717, 66, 742},
          {72, 717, 72 + 238, 742},
          {499 - 73 - 6, 717, 499 - 6, 742},
          {188, 16, 328, 31},
          {77, 270, 323, 317},
          {50, 545, 108, 563}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const MainWindowLayout l =
            ComputeMainWindowLayout(c.client, c.scale, c.consentWidth, c.feedbackWidth);
        const MainWindowLayout& e = c.expected;
        ExpectRect(e.close, l.close, "close");
        ExpectRect(e.minimize, l.minimize, "minimise");
        ExpectRect(e.version, l.version, "version");
        ExpectRect(e.detect, l.detect, "detect");
        ExpectRect(e.moreTools, l.moreTools, "more tools");
        ExpectRect(e.checkBox, l.checkBox, "check box");
        ExpectRect(e.agreement, l.agreement, "agreement");
        ExpectRect(e.feedback, l.feedback, "feedback");
        ExpectRect(e.versionSource, l.versionSource, "version source");
        ExpectRect(e.detectSource, l.detectSource, "detect source");
        ExpectRect(e.moreToolsSource, l.moreToolsSource, "more tools source");
    }
}

TEST(MainWindowLayout, LongerConsentTextWidensBoxAndLinkAndMovesTheLink) {
    const MainWindowLayout narrow = ComputeMainWindowLayout(CRect(0, 0, 400, 600), 1.0f, 140, 48);
    const MainWindowLayout wide = ComputeMainWindowLayout(CRect(0, 0, 400, 600), 1.0f, 280, 48);
    EXPECT_GT(wide.checkBox.Width(), narrow.checkBox.Width());
    EXPECT_GT(wide.agreement.left, narrow.agreement.left);
    EXPECT_GT(wide.agreement.Width(), narrow.agreement.Width());
    EXPECT_EQ(wide.checkBox.right + 6, wide.agreement.left);
}

TEST(MainWindowLayout, DragStripLeavesTheButtonsOut) {
    const struct {
        CRect client;
        float scale;
        int excluded;
        CRect strip;
    } cases[] = {
        {CRect(100, 50, 500, 650), 1.0f, 86, CRect(100, 50, 414, 80)},
        {CRect(100, 50, 599, 799), 1.25f, 86, CRect(100, 50, 492, 87)},
        {CRect(0, 0, 326, 146), 1.0f, 26, CRect(0, 0, 300, 30)},
        {CRect(0, 0, 600, 702), 1.5f, 26, CRect(0, 0, 561, 45)},
    };
    for (const auto& c : cases)
        ExpectRect(c.strip, DragStrip(c.client, c.scale, c.excluded), "strip");
}

TEST(MainWindowLayout, HostSurroundsTheLayerByTheInsets) {
    ExpectRect({95, 46, 505, 657}, HostAroundLayer(CRect(100, 50, 500, 650), 1.0f, 5, 4, 5, 7),
               "96 dpi");
    ExpectRect({94, 45, 605, 758}, HostAroundLayer(CRect(100, 50, 599, 750), 1.25f, 5, 4, 5, 7),
               "120 dpi");
}

} // namespace
