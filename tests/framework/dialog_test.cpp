// Dialogs from templates: binding, the modal loop, ending, placement and the owner rule.
#include "support/GuiDriver.h"
#include "framework/Framework.h"
#include "framework_test_ids.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

const UINT kRunScript = WM_APP + 1;
const UINT kEndFromThread = WM_APP + 2;
const UINT kThrow = WM_APP + 3;
const UINT kSwallowed = WM_APP + 5;
const UINT kDelivered = WM_APP + 6;
const UINT_PTR kSafetyTimer = 99;
const int kTimedOut = -2;

std::vector<std::string>* g_preTranslateOrder = nullptr;

class CountingButton : public CButton {
  public:
    int setTexts = 0;
    int swallowedSeen = 0;
    int deliveredSeen = 0;
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (g_preTranslateOrder && pMsg->message == kSwallowed)
            g_preTranslateOrder->push_back("button");
        return CButton::PreTranslateMessage(pMsg);
    }

  protected:
    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
        switch (msg) {
        case WM_SETTEXT:
            ++setTexts;
            break;
        case kSwallowed:
            ++swallowedSeen;
            return 0;
        case kDelivered:
            ++deliveredSeen;
            return 0;
        }
        return CButton::WindowProc(msg, w, l);
    }
};

// A test dialog whose steps are given by the test: onInit runs inside OnInitDialog, whileRunning
// once the modal loop runs. A safety timer ends a stuck dialog with kTimedOut.
class ScriptedDialog : public CDialog {
  public:
    explicit ScriptedDialog(CWnd* parent = nullptr) : CDialog(IDD_TEST_DIALOG, parent) {}

    std::function<void(ScriptedDialog&)> onInit;
    std::function<void(ScriptedDialog&)> whileRunning;
    CountingButton button;
    CStatic label;
    bool buttonBoundAtInit = false;
    int okCalls = 0;
    int cancelCalls = 0;
    int timesShown = 0;
    bool swallowPosted = false;
    CRect rectWhileRunning;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        buttonBoundAtInit =
            button.m_hWnd != nullptr && button.m_hWnd == ::GetDlgItem(m_hWnd, IDC_TEST_BUTTON);
        SetTimer(kSafetyTimer, 10000);
        if (onInit)
            onInit(*this);
        PostMessage(kRunScript);
        return TRUE;
    }
    void OnOK() override {
        ++okCalls;
        CDialog::OnOK();
    }
    void OnCancel() override {
        ++cancelCalls;
        CDialog::OnCancel();
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == kSwallowed) {
            if (g_preTranslateOrder)
                g_preTranslateOrder->push_back("dialog");
            swallowPosted = true;
            return TRUE;
        }
        return CDialog::PreTranslateMessage(pMsg);
    }

  protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_TEST_BUTTON, button);
        DDX_Control(pDX, IDC_TEST_STATIC, label);
    }
    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
        switch (msg) {
        case kRunScript:
            GetWindowRect(&rectWhileRunning);
            if (whileRunning)
                whileRunning(*this);
            return 0;
        case kEndFromThread:
            EndDialog(IDOK);
            return 0;
        case kThrow:
            throw std::runtime_error("handler failed");
        case WM_SHOWWINDOW:
            if (w)
                ++timesShown;
            break;
        case WM_TIMER:
            if (w == kSafetyTimer) {
                EndDialog(kTimedOut);
                return 0;
            }
            break;
        }
        return CDialog::WindowProc(msg, w, l);
    }
};

// A borderless popup from a template, shown where the test puts it.
class Popup : public CDialog {
  public:
    bool Open(CWnd* parent, int x, int y, bool visible = true) {
        if (!Create(IDD_TEST_POPUP, parent))
            return false;
        SetWindowPos(nullptr, x, y, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
        if (visible)
            ShowWindow(SW_SHOW);
        return true;
    }
};

class DialogTest : public ::testing::Test {
  protected:
    CWinApp app;
};

} // namespace

TEST_F(DialogTest, EachWayOfEndingGivesItsResultThroughItsHandler) {
    struct Case {
        const char* name;
        std::function<void(ScriptedDialog&)> action;
        INT_PTR result;
        int okCalls, cancelCalls;
    } cases[] = {
        {"IDOK command",
         [](ScriptedDialog& d) { d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); },
         IDOK, 1, 0},
        {"IDCANCEL command",
         [](ScriptedDialog& d) { d.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); },
         IDCANCEL, 0, 1},
        {"WM_CLOSE ends through OnCancel", [](ScriptedDialog& d) { d.SendMessage(WM_CLOSE); },
         IDCANCEL, 0, 1},
        {"EndDialog with any value", [](ScriptedDialog& d) { d.EndDialog(7); }, 7, 0, 0},
    };
    for (const Case& c : cases) {
        ScriptedDialog dlg;
        dlg.whileRunning = c.action;
        EXPECT_EQ(c.result, dlg.DoModal()) << c.name;
        EXPECT_EQ(c.okCalls, dlg.okCalls) << c.name;
        EXPECT_EQ(c.cancelCalls, dlg.cancelCalls) << c.name;
        EXPECT_EQ(nullptr, dlg.m_hWnd) << c.name << ": the window is gone after DoModal";
    }
}

TEST_F(DialogTest, ControlsAreBoundBeforeOnInitDialogAndTheirMessagesReachTheirObjects) {
    ScriptedDialog dlg;
    int setTextsSeen = -1;
    dlg.whileRunning = [&](ScriptedDialog& d) {
        ::SetWindowTextW(::GetDlgItem(d.m_hWnd, IDC_TEST_BUTTON), L"新");
        setTextsSeen = d.button.setTexts;
        d.EndDialog(IDOK);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(dlg.buttonBoundAtInit);
    EXPECT_EQ(1, setTextsSeen);
    EXPECT_EQ(nullptr, dlg.button.m_hWnd) << "a destroyed control lets go of its object";
}

TEST_F(DialogTest, ModalLoopOffersEachMessageToPreTranslateFromTargetUpBeforeDispatch) {
    std::vector<std::string> order;
    g_preTranslateOrder = &order;
    ScriptedDialog dlg;
    dlg.whileRunning = [](ScriptedDialog& d) {
        HWND button = d.button.m_hWnd;
        ::PostMessageW(button, kSwallowed, 0, 0);
        ::PostMessageW(button, kDelivered, 0, 0);
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    g_preTranslateOrder = nullptr;
    EXPECT_TRUE(dlg.swallowPosted);
    EXPECT_EQ(0, dlg.button.swallowedSeen)
        << "a message PreTranslateMessage took is not dispatched";
    EXPECT_EQ(1, dlg.button.deliveredSeen);
    EXPECT_EQ((std::vector<std::string>{"button", "dialog"}), order);
}

TEST_F(DialogTest, EndingDuringOnInitDialogReturnsWithoutEverShowingTheDialog) {
    ScriptedDialog dlg;
    dlg.onInit = [](ScriptedDialog& d) { d.EndDialog(IDCANCEL); };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(0, dlg.timesShown);
}

TEST_F(DialogTest, EndingFromAMessageSentByAnotherThreadEndsTheLoop) {
    ScriptedDialog dlg;
    std::thread sender;
    dlg.whileRunning = [&](ScriptedDialog& d) {
        HWND target = d.m_hWnd;
        sender = std::thread([target] { ::SendMessageW(target, kEndFromThread, 0, 0); });
    };
    EXPECT_EQ(IDOK, dlg.DoModal()) << "the loop must wake up, not wait for the next posted message";
    sender.join();
}

TEST_F(DialogTest, AnEndedDialogIsHiddenAtOnceWhileItsLoopHasNotReturned) {
    // The loop returns only after the handler in flight is done (here: still inside it, as when a
    // worker thread's next message is handled before the loop comes round again).
    ScriptedDialog dlg;
    bool visibleBefore = false, visibleAfterEnd = true;
    dlg.whileRunning = [&](ScriptedDialog& d) {
        visibleBefore = d.IsWindowVisible() != FALSE;
        d.EndDialog(IDOK);
        visibleAfterEnd = ::IsWindowVisible(d.m_hWnd) != FALSE;
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(visibleBefore);
    EXPECT_FALSE(visibleAfterEnd);
}

TEST_F(DialogTest, AHandlerThatThrowsDoesNotTakeTheDialogDown) {
    ScriptedDialog dlg;
    bool aliveAfterThrow = false;
    dlg.whileRunning = [&](ScriptedDialog& d) {
        EXPECT_EQ(0, d.SendMessage(kThrow));
        aliveAfterThrow = ::IsWindow(d.m_hWnd) != FALSE;
        d.EndDialog(IDOK);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(aliveAfterThrow);
}

TEST_F(DialogTest, ModalDialogIsCentredOverItsOwnerUnlessItMovedDuringOnInitDialog) {
    Popup owner;
    ASSERT_TRUE(owner.Open(nullptr, 100, 150));
    CRect ownerRect;
    owner.GetWindowRect(&ownerRect);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(::MonitorFromWindow(owner.m_hWnd, MONITOR_DEFAULTTOPRIMARY), &info);
    const CRect work = info.rcWork;

    struct Case {
        const char* name;
        bool ownerVisible;
        std::function<void(ScriptedDialog&)> init;
        std::function<CRect(const CRect& shown)> expected;
    } cases[] = {
        {"left alone: centred over the owner", true, nullptr,
         [&](const CRect& shown) {
             return CRect(CenteredTopLeft(shown.Size(), ownerRect, work), shown.Size());
         }},
        {"resized only: centred at its new size", true,
         [](ScriptedDialog& d) {
             d.SetWindowPos(nullptr, 0, 0, 232, 132, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
         },
         [&](const CRect&) {
             return CRect(CenteredTopLeft(CSize(232, 132), ownerRect, work), CSize(232, 132));
         }},
        {"moved: keeps its place", true,
         [](ScriptedDialog& d) {
             d.SetWindowPos(nullptr, 5, 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
         },
         [](const CRect& shown) { return CRect(CPoint(5, 7), shown.Size()); }},
        {"owner hidden: centred on the work area", false, nullptr,
         [&](const CRect& shown) {
             return CRect(CenteredTopLeft(shown.Size(), work, work), shown.Size());
         }},
    };
    for (const Case& c : cases) {
        owner.ShowWindow(c.ownerVisible ? SW_SHOWNA : SW_HIDE);
        ScriptedDialog dlg(&owner);
        dlg.onInit = c.init;
        dlg.whileRunning = [](ScriptedDialog& d) { d.EndDialog(IDOK); };
        ASSERT_EQ(IDOK, dlg.DoModal()) << c.name;
        EXPECT_EQ(c.expected(dlg.rectWhileRunning), dlg.rectWhileRunning) << c.name;
    }
}

TEST_F(DialogTest, NullParentDialogIsOwnedByMainWindowsLastActivePopupAndDisablesBoth) {
    Popup mainWnd;
    ASSERT_TRUE(mainWnd.Open(nullptr, 50, 50));
    app.m_pMainWnd = &mainWnd;
    Popup layer;
    ASSERT_TRUE(layer.Open(&mainWnd, 60, 60));
    ::SetForegroundWindow(layer.m_hWnd);
    ::SetActiveWindow(layer.m_hWnd);
    ASSERT_TRUE(testsupport::WaitUntil([&] { return ::GetActiveWindow() == layer.m_hWnd; }));
    ASSERT_EQ(layer.m_hWnd, ::GetLastActivePopup(mainWnd.m_hWnd));

    struct Case {
        const char* name;
        CWnd* parent;
    } cases[] = {{"NULL parent", nullptr}, {"the layer as parent", &layer}};
    for (const Case& c : cases) {
        ScriptedDialog dlg(c.parent);
        HWND ownerAtInit = nullptr;
        BOOL layerEnabledAtInit = TRUE, mainEnabledAtInit = TRUE;
        BOOL layerEnabledRunning = TRUE, mainEnabledRunning = TRUE;
        dlg.onInit = [&](ScriptedDialog& d) {
            ownerAtInit = ::GetWindow(d.m_hWnd, GW_OWNER);
            layerEnabledAtInit = layer.IsWindowEnabled();
            mainEnabledAtInit = mainWnd.IsWindowEnabled();
        };
        dlg.whileRunning = [&](ScriptedDialog& d) {
            layerEnabledRunning = layer.IsWindowEnabled();
            mainEnabledRunning = mainWnd.IsWindowEnabled();
            d.EndDialog(IDOK);
        };
        ASSERT_EQ(IDOK, dlg.DoModal()) << c.name;
        EXPECT_EQ(layer.m_hWnd, ownerAtInit) << c.name;
        EXPECT_FALSE(layerEnabledAtInit) << c.name;
        EXPECT_FALSE(mainEnabledAtInit) << c.name;
        EXPECT_FALSE(layerEnabledRunning) << c.name;
        EXPECT_FALSE(mainEnabledRunning) << c.name;
        EXPECT_TRUE(layer.IsWindowEnabled()) << c.name << ": enabled again afterwards";
        EXPECT_TRUE(mainWnd.IsWindowEnabled()) << c.name << ": enabled again afterwards";
    }

    // A window that was disabled before the dialog stays disabled after it.
    mainWnd.EnableWindow(FALSE);
    ScriptedDialog dlg;
    dlg.whileRunning = [](ScriptedDialog& d) { d.EndDialog(IDOK); };
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_FALSE(mainWnd.IsWindowEnabled());
    EXPECT_TRUE(layer.IsWindowEnabled());
    app.m_pMainWnd = nullptr;
}

TEST_F(DialogTest, DeletingADialogObjectDestroysItsWindowAndFreesItsControls) {
    auto* dlg = new ScriptedDialog;
    ASSERT_TRUE(dlg->Create(IDD_TEST_DIALOG));
    HWND hWnd = dlg->m_hWnd;
    HWND button = dlg->button.m_hWnd;
    ASSERT_TRUE(::IsWindow(button));
    delete dlg;
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_FALSE(::IsWindow(button));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST_F(DialogTest, MissingTemplateFailsWithoutDisablingAnything) {
    Popup mainWnd;
    ASSERT_TRUE(mainWnd.Open(nullptr, 50, 50));
    app.m_pMainWnd = &mainWnd;
    CDialog dlg(4242);
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_TRUE(mainWnd.IsWindowEnabled());
    app.m_pMainWnd = nullptr;
}
