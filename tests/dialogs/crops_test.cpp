// Every background crop of the dialogs' controls lies inside the layer picture it is cut from:
// a crop past the picture's edge leaves that part of the control's background undrawn.
#include "DialogScript.h"
#include "controls/DrawingHelpers.h"
#include "dialogs/BusyPromptLayout.h"
#include "dialogs/FeedbackLayout.h"
#include "dialogs/PromptLayout.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(DialogCropsTest, EveryCropLiesInsideItsPicture) {
    testsupport::ScopedGdiplus gdiplus;
    const FeedbackLayout scaled = ComputeFeedbackLayout(CRect(0, 0, 500, 585), 1.25f);
    const FeedbackLayout unscaled = ComputeFeedbackLayout(CRect(0, 0, 400, 468), 1.0f);
    struct Case {
        const char* name;
        UINT picture;
        CRect crop;
    } cases[] = {
        {"prompt close", IDB_PNG_PROMPT_BK, kPromptCloseCrop},
        {"prompt OK", IDB_PNG_PROMPT_BK, kPromptOkCrop},
        {"prompt cancel", IDB_PNG_PROMPT_BK, kPromptCancelCrop},
        {"busy text", IDB_PNG_BUSY_BK, kBusyTextCrop},
        {"feedback solved", IDB_PNG_FEEDBACK_BK, scaled.solvedCrop},
        {"feedback not solved", IDB_PNG_FEEDBACK_BK, scaled.unsolvedCrop},
        {"feedback more solutions", IDB_PNG_FEEDBACK_BK, scaled.moreSolutionsCrop},
        {"feedback solved at 96 dpi", IDB_PNG_FEEDBACK_BK, unscaled.solvedCrop},
        {"feedback more solutions at 96 dpi", IDB_PNG_FEEDBACK_BK, unscaled.moreSolutionsCrop},
    };
    for (const Case& c : cases) {
        Gdiplus::Image* image = nullptr;
        ASSERT_TRUE(LoadPngResource(&image, c.picture)) << c.name;
        std::unique_ptr<Gdiplus::Image> owned(image);
        const CRect picture(0, 0, static_cast<int>(image->GetWidth()),
                            static_cast<int>(image->GetHeight()));
        EXPECT_FALSE(c.crop.IsRectEmpty()) << c.name;
        EXPECT_TRUE(c.crop.left >= 0 && c.crop.top >= 0 && c.crop.right <= picture.right &&
                    c.crop.bottom <= picture.bottom)
            << c.name << ": crop (" << c.crop.left << ", " << c.crop.top << ", " << c.crop.right
            << ", " << c.crop.bottom << ") in " << picture.right << " x " << picture.bottom;
    }
}

} // namespace
