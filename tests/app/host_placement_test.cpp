// Where the main window pair starts: centred on the primary screen at the scaled size.
#include "app/HostPlacement.h"

#include <gtest/gtest.h>

TEST(HostPlacement, CentredAtTheScaledDesignSize) {
    const struct {
        const char* name;
        int screenWidth, screenHeight;
        float scale;
        CRect target;
    } cases[] = {
        {"96 dpi", 1280, 1024, 1.0f, {435, 207, 845, 818}},
        // Half of 611 is 305.5: truncated, the pair sits half a pixel high.
        {"96 dpi, odd screen", 1281, 1025, 1.0f, {435, 207, 845, 818}},
        {"120 dpi", 1280, 1024, 1.25f, {384, 131, 896, 894}},
        {"144 dpi", 1920, 1080, 1.5f, {653, 82, 1268, 998}},
        // A screen smaller than the window: the corner goes off-screen rather than the size.
        {"small screen", 300, 400, 1.0f, {-55, -105, 355, 506}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.target, MainHostTargetRect(c.screenWidth, c.screenHeight, c.scale)) << c.name;
}
