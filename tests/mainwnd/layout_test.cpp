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

TEST(MainWindowLayout, At96Dpi) {
    // Widths as the window font measures the two texts: 14 characters of 12 pixels, 4 of 12.
    const MainWindowLayout l = ComputeMainWindowLayout(CRect(0, 0, 400, 600), 1.0f, 16 * 12, 48);
    ExpectRect({368, 0, 394, 34}, l.close, "close");
    ExpectRect({340, 0, 366, 34}, l.minimize, "minimise");
    ExpectRect({188, 16, 328, 31}, l.version, "version");
    ExpectRect({188, 16, 328, 31}, l.versionSource, "version source");
    ExpectRect({77, 270, 323, 317}, l.detect, "detect");
    ExpectRect({77, 270, 323, 317}, l.detectSource, "detect source");
    // Exactly 400 wide: the unscaled branch, its source rectangle the button itself.
    ExpectRect({50, 545, 108, 563}, l.moreTools, "more tools");
    ExpectRect({50, 545, 108, 563}, l.moreToolsSource, "more tools source");
    // q = 192 / 14 = 13: the box is 16 + 26 + 2 wide, the link 14 q and 6 to its right.
    ExpectRect({8, 575, 52, 595}, l.checkBox, "check box");
    ExpectRect({58, 575, 58 + 182, 595}, l.agreement, "agreement");
    // w = 48 + 4 + 2 + 6 = 60, right edge 6 inside the client.
    ExpectRect({334, 575, 394, 595}, l.feedback, "feedback");
}

TEST(MainWindowLayout, At120Dpi) {
    const MainWindowLayout l = ComputeMainWindowLayout(CRect(0, 0, 499, 749), 1.25f, 16 * 15, 60);
    ExpectRect({460, 0, 492, 42}, l.close, "close");
    ExpectRect({424, 0, 456, 42}, l.minimize, "minimise");
    ExpectRect({235, 20, 410, 38}, l.version, "version");
    ExpectRect({96, 337, 403, 395}, l.detect, "detect");
    ExpectRect({77, 270, 323, 317}, l.detectSource, "detect source");
    ExpectRect({62, 681, 134, 703}, l.moreTools, "more tools");
    ExpectRect({50, 545, 108, 563}, l.moreToolsSource, "more tools source");
    // q = 240 / 14 = 17; the box is trunc(10 + 20 + 34 + 2) wide; tops trunc(749 - 31.25).
    ExpectRect({10, 717, 66, 742}, l.checkBox, "check box");
    ExpectRect({72, 717, 72 + 238, 742}, l.agreement, "agreement");
    ExpectRect({499 - 73 - 6, 717, 499 - 6, 742}, l.feedback, "feedback");
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
