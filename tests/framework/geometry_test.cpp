// Rectangles, placement and the ownership rules of the GDI wrappers.
#include "framework/Framework.h"

#include <gtest/gtest.h>

TEST(CRectTest, PointInsideExcludesRightAndBottomEdges) {
    const CRect r(10, 20, 30, 40);
    struct Case {
        int x, y;
        BOOL inside;
    } cases[] = {{10, 20, TRUE}, {29, 39, TRUE}, {30, 25, FALSE}, {15, 40, FALSE}, {9, 25, FALSE}};
    for (const Case& c : cases)
        EXPECT_EQ(c.inside, r.PtInRect(CPoint(c.x, c.y))) << c.x << "," << c.y;
}

TEST(CRectTest, DeflateByMarginsShrinksEachSide) {
    CRect r(0, 0, 266, 60);
    r.DeflateRect(CRect(9, 8, 7, 6));
    EXPECT_EQ(CRect(9, 8, 259, 54), r);
}

TEST(CenteredTopLeftTest, CentresOverOwnerAndStaysInsideTheWorkArea) {
    const CRect work(0, 0, 1280, 1000);
    struct Case {
        const char* name;
        CSize window;
        CRect over;
        CPoint expected;
    } cases[] = {
        {"centred over owner", {100, 50}, {100, 100, 500, 400}, {250, 225}},
        {"odd difference rounds toward the owner's corner", {101, 51}, {0, 0, 200, 100}, {49, 24}},
        {"owner at the right edge", {400, 100}, {1100, 0, 1280, 100}, {880, 0}},
        {"owner above the top", {100, 100}, {0, -200, 100, -100}, {0, 0}},
        {"larger than the work area", {2000, 1200}, {0, 0, 100, 100}, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CenteredTopLeft(c.window, c.over, work)) << c.name;
}

TEST(GdiWrapperTest, BorrowedDcSurvivesItsWrapperAndOwnedOneIsDeleted) {
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    { CDC borrowed(memory); }
    EXPECT_NE(0, ::GetDeviceCaps(memory, LOGPIXELSY)) << "a borrowed DC must not be deleted";
    ::DeleteDC(memory);

    HDC owned;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        owned = dc.m_hDC;
    }
    EXPECT_EQ(0, ::GetObjectType(owned)) << "an owned DC is deleted with its wrapper";
    ::ReleaseDC(nullptr, screen);
}

TEST(GdiWrapperTest, SelectObjectHandsBackThePreviousObjectToRestore) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    HGDIOBJ original = ::GetCurrentObject(dc, OBJ_FONT);
    LOGFONTW lf{};
    lf.lfHeight = -20;
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));

    CFont* previous = dc.SelectObject(&font);
    ASSERT_NE(nullptr, previous);
    EXPECT_EQ(original, previous->m_hObject);
    EXPECT_EQ(font.m_hObject, ::GetCurrentObject(dc, OBJ_FONT));
    // Selecting back hands out the same wrapper for the same handle, so repeated paints do not
    // pile up wrappers, and the earlier pointer stays usable.
    CFont* replaced = dc.SelectObject(previous);
    ASSERT_NE(nullptr, replaced);
    EXPECT_EQ(font.m_hObject, replaced->m_hObject);
    EXPECT_EQ(original, ::GetCurrentObject(dc, OBJ_FONT));
    CFont* again = dc.SelectObject(&font);
    EXPECT_EQ(previous, again);
    dc.SelectObject(again);
    EXPECT_NE(0, ::GetObjectType(original)) << "the borrowed stock font was not deleted";
}

TEST(GdiWrapperTest, ScopedSelectPutsThePreviousObjectBack) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBrush brush(RGB(1, 2, 3));
    HGDIOBJ before = ::GetCurrentObject(dc, OBJ_BRUSH);
    {
        ScopedSelect select(dc, brush);
        EXPECT_EQ(brush.m_hObject, ::GetCurrentObject(dc, OBJ_BRUSH));
    }
    EXPECT_EQ(before, ::GetCurrentObject(dc, OBJ_BRUSH));
}
