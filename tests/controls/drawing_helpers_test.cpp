// Picture loading, derived fonts and text measuring.
#include "ControlsHost.h"
#include "controls/DrawingHelpers.h"

#include <psapi.h>

#include <gtest/gtest.h>

namespace {

const auto* const g_gdiplus =
    ::testing::AddGlobalTestEnvironment(new testsupport::GdiplusEnvironment);

// The colour a picture shows at its centre when drawn 1:1.
COLORREF CentreColour(Gdiplus::Image* image) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = 8;
    bi.bmiHeader.biHeight = 8;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    CBitmap bitmap;
    bitmap.Attach(::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    ScopedSelect select(dc, bitmap);
    {
        Gdiplus::Graphics graphics(dc.m_hDC);
        DrawPicturePart(
            graphics, image, CRect(0, 0, 8, 8),
            CRect(0, 0, static_cast<int>(image->GetWidth()), static_cast<int>(image->GetHeight())));
    }
    return dc.GetPixel(4, 4);
}

// Committed private memory of this process (what a heap leak grows).
SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PagefileUsage;
}

LOGFONTW FontOf(HFONT font) {
    LOGFONTW lf{};
    ::GetObjectW(font, sizeof(lf), &lf);
    return lf;
}

} // namespace

TEST(LoadPngResourceTest, UnknownIdFailsAndLeavesANullPointerNull) {
    Gdiplus::Image* picture = nullptr;
    EXPECT_FALSE(LoadPngResource(&picture, IDP_MISSING));
    EXPECT_EQ(nullptr, picture);
}

TEST(LoadPngResourceTest, BytesThatAreNoPictureFailAndLeaveTheHeldPictureAlone) {
    Gdiplus::Image* picture = nullptr;
    ASSERT_TRUE(LoadPngResource(&picture, IDP_RED));
    Gdiplus::Image* held = picture;
    EXPECT_FALSE(LoadPngResource(&picture, IDP_NOT_A_PICTURE));
    EXPECT_EQ(held, picture);
    ReleasePicture(picture);
}

TEST(LoadPngResourceTest, SameIdTwiceGivesTwoIndependentPictures) {
    Gdiplus::Image* first = nullptr;
    Gdiplus::Image* second = nullptr;
    ASSERT_TRUE(LoadPngResource(&first, IDP_GREEN));
    ASSERT_TRUE(LoadPngResource(&second, IDP_GREEN));
    EXPECT_NE(first, second);
    ReleasePicture(first);
    EXPECT_EQ(nullptr, first);
    EXPECT_TRUE(testsupport::SameColor(RGB(0, 255, 0), CentreColour(second)))
        << "the second picture stays drawable after the first is released";
    ReleasePicture(second);
}

TEST(LoadPngResourceTest, LoadingAndReleasingAThousandTimesLeavesMemoryWhereItWas) {
    HRSRC res = ::FindResourceW(nullptr, MAKEINTRESOURCEW(IDP_NOISE), L"PNG");
    ASSERT_NE(nullptr, res);
    const SIZE_T pictureBytes = ::SizeofResource(nullptr, res);
    auto loadAndRelease = [](int times) {
        for (int i = 0; i < times; ++i) {
            Gdiplus::Image* picture = nullptr;
            ASSERT_TRUE(LoadPngResource(&picture, IDP_NOISE));
            ReleasePicture(picture);
        }
    };
    loadAndRelease(20); // first-use allocations of GDI+ and the codecs
    const SIZE_T before = PrivateBytes();
    ASSERT_GT(before, 0u);
    loadAndRelease(1000);
    const SIZE_T after = PrivateBytes();
    const SIZE_T grown = after > before ? after - before : 0;
    // A leaked block per load would add 1000 times the resource size.
    EXPECT_LT(grown, 1000 * pictureBytes / 10) << "grew by " << grown << " bytes";
}

class DerivedFontTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(host.Open()); }
    ControlsHost host;
};

TEST_F(DerivedFontTest, GrowthAndWeightApplyOnlyTogether) {
    const LOGFONTW own = FontOf(reinterpret_cast<HFONT>(host.SendMessage(WM_GETFONT)));
    ASSERT_LT(own.lfHeight, 0) << "dialog fonts have a negative character height";
    struct Case {
        int growth, weight;
        LONG height, weightResult;
    } cases[] = {
        {0, 0, own.lfHeight, own.lfWeight},
        {4, 700, own.lfHeight - 4, 700},
        {0, 700, own.lfHeight, own.lfWeight},
        {4, 0, own.lfHeight - 4, own.lfWeight},
    };
    for (const Case& c : cases) {
        CFont font;
        CreateDerivedFont(&host, c.growth, c.weight, &font);
        ASSERT_NE(nullptr, font.m_hObject);
        const LOGFONTW lf = FontOf(font);
        EXPECT_STREQ(own.lfFaceName, lf.lfFaceName) << c.growth << "," << c.weight;
        EXPECT_EQ(c.height, lf.lfHeight) << c.growth << "," << c.weight;
        EXPECT_EQ(c.weightResult, lf.lfWeight) << c.growth << "," << c.weight;
    }
}

TEST_F(DerivedFontTest, WindowWithoutFontFallsBackToTheDefaultGuiFont) {
    HWND bare = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_EQ(0, ::SendMessageW(bare, WM_GETFONT, 0, 0));
    const LOGFONTW stock = FontOf(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    CFont fromBare, fromNull;
    CreateDerivedFont(bare, 0, 0, &fromBare);
    CreateDerivedFont(static_cast<CWnd*>(nullptr), 0, 0, &fromNull);
    for (CFont* font : {&fromBare, &fromNull}) {
        ASSERT_NE(nullptr, font->m_hObject);
        EXPECT_STREQ(stock.lfFaceName, FontOf(*font).lfFaceName);
        EXPECT_EQ(stock.lfHeight, FontOf(*font).lfHeight);
    }
    ::DestroyWindow(bare);
}

TEST_F(DerivedFontTest, MeasuringGivesWidthsInTheDerivedFontAndMinusOneWithoutWindowOrDc) {
    CClientDC dc(&host);
    const HGDIOBJ fontBefore = ::GetCurrentObject(dc, OBJ_FONT);
    EXPECT_EQ(0, MeasureTextWidth(&host, &dc, CString(), 0, 0));
    EXPECT_EQ(-1, MeasureTextWidth(&host, nullptr, L"反馈问题", 0, 0));
    EXPECT_EQ(-1, MeasureTextWidth(nullptr, &dc, L"反馈问题", 0, 0));

    const int plain = MeasureTextWidth(&host, &dc, L"反馈问题", 0, 0);
    EXPECT_GT(plain, 0);
    EXPECT_GT(MeasureTextWidth(&host, &dc, L"反馈问题反馈问题", 0, 0), plain);
    EXPECT_GT(MeasureTextWidth(&host, &dc, L"反馈问题", 8, 700), plain);
    EXPECT_EQ(fontBefore, ::GetCurrentObject(dc, OBJ_FONT)) << "the DC gets its font back";
}
