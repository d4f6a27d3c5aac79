// The shell and control-layer pair: sizes by scale, placement, following, dragging, keys and
// the owner rule, with real window messages and real input.
#include "ScopedLogPixels.h"
#include "TestPair.h"
#include "support/GdiplusEnvironment.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

using pairtest::TestShell;

namespace {

const auto* const g_gdiplus =
    ::testing::AddGlobalTestEnvironment(new testsupport::GdiplusEnvironment);

// Runs the marker key after whatever input came before, from the main thread's loop.
void SendMarker() {
    testsupport::PressKey(VK_F13);
}

} // namespace

TEST(WindowPairGeometryTest, ScaleFromLogPixels) {
    struct Case {
        int dpi;
        float scale;
    } cases[] = {{96, 1.0f}, {100, 1.0f}, {120, 1.25f}, {144, 1.5f}, {192, 2.0f}};
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(c.scale, ScaleFromLogPixelsY(c.dpi)) << c.dpi;
}

TEST(WindowPairGeometryTest, LayerPlacesAtCreationAndWhenFollowing) {
    struct Case {
        const char* name;
        WindowPairGeometry pair;
        float scale;
        CRect created, following;
    } cases[] = {
        {"busy 1.0", kBusyPromptPair, 1.0f, {14, 12, 218, 116}, {14, 12, 218, 116}},
        {"busy 1.25: a pixel wider once it follows",
         kBusyPromptPair,
         1.25f,
         {17, 15, 272, 145},
         {17, 15, 273, 145}},
        {"feedback 1.5", kFeedbackPair, 1.5f, {7, 6, 607, 707}, {7, 6, 608, 708}},
        {"message 1.0", kMessagePromptPair, 1.0f, {5, 3, 331, 149}, {5, 3, 331, 149}},
    };
    for (const Case& c : cases) {
        const CRect shell(CPoint(0, 0), ShellSize(c.pair, c.scale));
        EXPECT_EQ(c.created, LayerRectAtCreation(shell, c.pair.insets, c.scale)) << c.name;
        EXPECT_EQ(c.following, LayerRectFollowing(shell, c.pair.insets, c.scale)) << c.name;
        EXPECT_EQ(shell, ShellRectAround(c.following, c.pair.insets, c.scale)) << c.name;
    }
    EXPECT_EQ(CSize(290, 165), ShellSize(kBusyPromptPair, 1.25f));
    EXPECT_EQ(CRect(100, 50, 568, 87), DragStrip(CRect(100, 50, 600, 800), 26, 1.25f));
}

TEST(WindowPairScreenTest, BusyShellSizeFollowsTheScreensDpi) {
    struct Case {
        DWORD dpi;
        int width, height;
    } cases[] = {{96, 232, 132}, {100, 232, 132}, {120, 290, 165}};
    testsupport::TempDir dir;
    for (const Case& c : cases) {
        const std::wstring out = dir / (L"size" + std::to_wstring(c.dpi) + L".txt");
        {
            dlgtest::ScopedLogPixels dpi(c.dpi);
            ASSERT_EQ(0, testsupport::RunProcess(testsupport::ExeDir() + L"\\pair_probe.exe",
                                                 L"\"" + out + L"\"", dir.Path()))
                << c.dpi;
        }
        int width = 0, height = 0;
        ASSERT_EQ(2, std::sscanf(testsupport::ReadBytes(out).c_str(), "%d %d", &width, &height));
        EXPECT_EQ(c.width, width) << c.dpi << " dpi";
        EXPECT_EQ(c.height, height) << c.dpi << " dpi";
    }
}

class WindowPairTest : public ::testing::Test {
  protected:
    void TearDown() override {
        pairtest::OnMarkerKey() = nullptr;
        app.m_pMainWnd = nullptr;
    }
    CWinApp app;
};

TEST_F(WindowPairTest, BusyLayerAtScaleOneAndAQuarterIsOnePixelWiderAfterTheShellMoved) {
    TestShell shell(kBusyPromptPair, 1.25f);
    CRect shellShown, layerShown;
    shell.whileRunning = [&](TestShell& s) {
        shellShown = s.ShellRect();
        layerShown = s.LayerRect();
        s.EndDialog(IDOK);
    };
    ASSERT_EQ(IDOK, shell.DoModal());
    EXPECT_EQ(CSize(290, 165), shell.shellAtCreation.Size());
    EXPECT_EQ(255, shell.layerAtCreation.Width());
    EXPECT_NE(shell.shellAtCreation.TopLeft(), shellShown.TopLeft()) << "centred by the framework";
    EXPECT_EQ(256, layerShown.Width()) << "followed the shell";
    EXPECT_EQ(LayerRectFollowing(shellShown, kBusyPromptPair.insets, 1.25f), layerShown);
}

TEST_F(WindowPairTest, FeedbackLayerAtScaleOneAndAHalfSitsSevenRightAndSixBelowTheShell) {
    TestShell shell(kFeedbackPair, 1.5f);
    CRect shellShown, layerShown;
    shell.whileRunning = [&](TestShell& s) {
        shellShown = s.ShellRect();
        layerShown = s.LayerRect();
        s.EndDialog(IDOK);
    };
    ASSERT_EQ(IDOK, shell.DoModal());
    for (auto [shellRect, layerRect] :
         {std::make_pair(shell.shellAtCreation, shell.layerAtCreation),
          std::make_pair(shellShown, layerShown)}) {
        EXPECT_EQ(shellRect.left + 7, layerRect.left);
        EXPECT_EQ(shellRect.top + 6, layerRect.top);
    }
}

// The system drags a window whose hit test says caption: the test asks the layer for its hit
// test at the press point, as the system does, and moves the layer as the system's move loop
// would when the answer is HTCAPTION.
TEST_F(WindowPairTest, DraggingTheStripMovesBothWindowsElseNothingMoves) {
    struct Case {
        const char* name;
        WindowPairGeometry pair;
        float scale;
        bool rightPart;
        bool moves;
    } cases[] = {
        {"draggable pair, left part of the strip", kFeedbackPair, 1.0f, false, true},
        {"draggable pair at 1.25, left part of the strip", kMessagePromptPair, 1.25f, false, true},
        {"draggable pair, the strip's right part", kFeedbackPair, 1.0f, true, false},
        {"pair that cannot be dragged", kBusyPromptPair, 1.0f, false, false},
    };
    for (const Case& c : cases) {
        TestShell shell(c.pair, c.scale);
        CRect shellBefore, layerBefore, shellAfter, layerAfter;
        LRESULT hit = 0;
        BOOL moveChildAfter = TRUE;
        shell.whileRunning = [&](TestShell& s) {
            shellBefore = s.ShellRect();
            layerBefore = s.LayerRect();
            CRect client;
            s.m_pChildDlg->GetClientRect(&client);
            // 10 design pixels in from the strip's left end, or from the layer's right edge.
            POINT press{c.rightPart ? client.right - ScaleLength(10, c.scale)
                                    : ScaleLength(10, c.scale),
                        ScaleLength(10, c.scale)};
            s.m_pChildDlg->ClientToScreen(&press);
            hit = s.m_pChildDlg->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(press.x, press.y));
            if (hit == HTCAPTION)
                s.m_pChildDlg->SetWindowPos(nullptr, layerBefore.left + 60, layerBefore.top + 40, 0,
                                            0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            testsupport::PumpPending();
            shellAfter = s.ShellRect();
            layerAfter = s.LayerRect();
            moveChildAfter = s.m_bMoveChild;
            s.EndDialog(IDOK);
        };
        ASSERT_EQ(IDOK, shell.DoModal()) << c.name;
        EXPECT_EQ(c.moves, hit == HTCAPTION) << c.name;
        if (c.moves) {
            EXPECT_EQ(shellBefore.Size(), shellAfter.Size()) << c.name;
            EXPECT_EQ(CPoint(60, 40),
                      CPoint(shellAfter.left - shellBefore.left, shellAfter.top - shellBefore.top))
                << c.name << ": the shell came along";
            EXPECT_EQ(
                CPoint(layerBefore.left - shellBefore.left, layerBefore.top - shellBefore.top),
                CPoint(layerAfter.left - shellAfter.left, layerAfter.top - shellAfter.top))
                << c.name << ": the offset is kept";
            EXPECT_FALSE(moveChildAfter) << c.name << ": the layer leads from now on";
        } else {
            EXPECT_EQ(shellBefore, shellAfter) << c.name;
            EXPECT_EQ(layerBefore, layerAfter) << c.name;
        }
    }
}

TEST_F(WindowPairTest, AfterAPressOutsideTheStripMovingTheLayerLeavesTheShell) {
    TestShell shell(kFeedbackPair, 1.0f);
    CRect shellBefore, shellAfter;
    shell.whileRunning = [&](TestShell& s) {
        shellBefore = s.ShellRect();
        CRect layer = s.LayerRect();
        s.m_pChildDlg->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(layer.left + 50, layer.top + 100));
        EXPECT_FALSE(s.m_pChildDlg->m_bDragArea);
        s.m_pChildDlg->SetWindowPos(nullptr, layer.left + 30, layer.top, 0, 0,
                                    SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        shellAfter = s.ShellRect();
        s.EndDialog(IDOK);
    };
    ASSERT_EQ(IDOK, shell.DoModal());
    EXPECT_EQ(shellBefore, shellAfter);
}

TEST_F(WindowPairTest, AnEndedShellTakesItsLayerOffTheScreenAtOnce) {
    // The busy prompt ends from a worker's message, and the verdict prompt follows before the
    // ended prompt's loop has returned: nothing of the ended pair may stay on the screen.
    TestShell shell(kBusyPromptPair, 1.0f);
    bool layerVisibleBefore = false, shellVisibleAfter = true, layerVisibleAfter = true;
    shell.whileRunning = [&](TestShell& s) {
        layerVisibleBefore = s.m_pChildDlg->IsWindowVisible() != FALSE;
        s.EndDialog(IDOK);
        shellVisibleAfter = ::IsWindowVisible(s.m_hWnd) != FALSE;
        layerVisibleAfter = ::IsWindowVisible(s.m_pChildDlg->m_hWnd) != FALSE;
    };
    ASSERT_EQ(IDOK, shell.DoModal());
    EXPECT_TRUE(layerVisibleBefore);
    EXPECT_FALSE(shellVisibleAfter);
    EXPECT_FALSE(layerVisibleAfter);
}

TEST_F(WindowPairTest, EnterAndEscCloseNothing) {
    struct Case {
        const char* name;
        bool focusLayerButton;
    } cases[] = {{"focus on the shell", false}, {"focus on a control of the layer", true}};
    for (const Case& c : cases) {
        TestShell shell(kMessagePromptPair, 1.0f);
        bool shellVisible = false, layerVisible = false;
        pairtest::OnMarkerKey() = [&] {
            shellVisible = shell.IsWindowVisible() != FALSE;
            layerVisible = shell.m_pChildDlg && shell.m_pChildDlg->IsWindowVisible();
            shell.EndDialog(42);
        };
        shell.whileRunning = [&](TestShell& s) {
            if (c.focusLayerButton) {
                ::SetActiveWindow(s.m_pChildDlg->m_hWnd);
                ::SetFocus(s.Layer()->button.m_hWnd);
            } else {
                ::SetActiveWindow(s.m_hWnd);
                ::SetFocus(s.m_hWnd);
            }
            testsupport::PressKey(VK_RETURN);
            testsupport::PressKey(VK_ESCAPE);
            SendMarker();
        };
        EXPECT_EQ(42, shell.DoModal()) << c.name;
        EXPECT_TRUE(shellVisible) << c.name;
        EXPECT_TRUE(layerVisible) << c.name;
    }
}

TEST_F(WindowPairTest, NullParentDialogDisablesTheMainLayerAndItsShellWhileItRuns) {
    TestShell mainShell(kMainWindowPair, 1.0f);
    ASSERT_TRUE(mainShell.Create(IDD_TEST_SHELL));
    mainShell.ShowWindow(SW_SHOW);
    app.m_pMainWnd = &mainShell;
    HWND mainLayer = mainShell.m_pChildDlg->m_hWnd;
    ::SetForegroundWindow(mainLayer);
    ::SetActiveWindow(mainLayer);
    ASSERT_TRUE(testsupport::WaitUntil([&] { return ::GetActiveWindow() == mainLayer; }));

    TestShell prompt(kBusyPromptPair, 1.0f);
    HWND owner = nullptr;
    BOOL layerEnabled = TRUE, shellEnabled = TRUE;
    prompt.whileRunning = [&](TestShell& s) {
        owner = ::GetWindow(s.m_hWnd, GW_OWNER);
        layerEnabled = ::IsWindowEnabled(mainLayer);
        shellEnabled = mainShell.IsWindowEnabled();
        s.EndDialog(IDOK);
    };
    ASSERT_EQ(IDOK, prompt.DoModal());
    EXPECT_EQ(mainLayer, owner);
    EXPECT_FALSE(layerEnabled);
    EXPECT_FALSE(shellEnabled);
    EXPECT_TRUE(::IsWindowEnabled(mainLayer));
    EXPECT_TRUE(mainShell.IsWindowEnabled());
}

TEST_F(WindowPairTest, ShellWithoutItsPictureEndsWithCancelAndFreesItsOwner) {
    TestShell owner(kMainWindowPair, 1.0f);
    ASSERT_TRUE(owner.Create(IDD_TEST_SHELL));
    owner.ShowWindow(SW_SHOW);
    TestShell shell(kMessagePromptPair, 1.0f, IDP_MISSING_PICTURE, IDP_LAYER, &owner);
    EXPECT_EQ(IDCANCEL, shell.DoModal());
    EXPECT_FALSE(shell.layerCreated);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(WindowPairTest, LayerLaysOutFirstThenOnEverySizeAndErasesWithItsPicture) {
    struct Case {
        const char* name;
        UINT layerPicture;
        bool offscreen;
        bool painted;
    } cases[] = {{"erase on the DC", IDP_LAYER, false, true},
                 {"erase off-screen", IDP_LAYER, true, true},
                 {"picture missing", IDP_MISSING_PICTURE, false, false}};
    for (const Case& c : cases) {
        TestShell shell(kFeedbackPair, 1.0f, IDP_SHELL, c.layerPicture);
        shell.offscreenLayer = c.offscreen;
        std::vector<BOOL> passes;
        COLORREF erased = 0;
        LRESULT eraseResult = 0;
        shell.whileRunning = [&](TestShell& s) {
            s.m_pChildDlg->SetWindowPos(nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
            passes = s.Layer()->passes;
            CClientDC screen(nullptr);
            CDC memory;
            memory.CreateCompatibleDC(&screen);
            CBitmap bitmap;
            bitmap.CreateCompatibleBitmap(&screen, 300, 200);
            ScopedSelect select(memory, bitmap);
            memory.FillSolidRect(CRect(0, 0, 300, 200), RGB(1, 2, 3));
            eraseResult =
                s.m_pChildDlg->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.m_hDC));
            erased = memory.GetPixel(150, 100);
            s.EndDialog(IDOK);
        };
        ASSERT_EQ(IDOK, shell.DoModal()) << c.name;
        EXPECT_TRUE(eraseResult) << c.name;
        if (c.painted) {
            ASSERT_GE(passes.size(), 2u) << c.name;
            EXPECT_TRUE(passes[0]) << c.name << ": the first pass sets up";
            for (size_t i = 1; i < passes.size(); ++i)
                EXPECT_FALSE(passes[i]) << c.name;
            EXPECT_TRUE(testsupport::SameColor(RGB(230, 240, 250), erased)) << c.name;
        } else {
            EXPECT_TRUE(passes.empty()) << c.name << ": no layout without the picture";
            EXPECT_EQ(RGB(1, 2, 3), erased) << c.name << ": nothing drawn";
        }
    }
}
