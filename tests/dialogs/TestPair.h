// A window pair for the tests: the shared shell and layer mechanics with test pictures, a layer
// that records its layout passes, and a shell that runs a script once its modal loop runs.
#pragma once

#include "support/GuiDriver.h"
#include "dialogs/CControlLayerDlg.h"
#include "dialogs/CLayeredShellDlg.h"
#include "dialogs_test_ids.h"

#include <functional>
#include <vector>

namespace pairtest {

constexpr UINT kRunScript = WM_APP + 1;
constexpr UINT_PTR kSafetyTimer = 77;
constexpr int kTimedOut = -2;

// Called when a window of a test pair sees the marker key (the input before it is done).
inline std::function<void()>& OnMarkerKey() {
    static std::function<void()> handler;
    return handler;
}
inline bool IsMarkerKey(const MSG* pMsg) {
    return pMsg->message == WM_KEYUP && pMsg->wParam == VK_F13;
}

class TestLayer : public CControlLayerDlg {
  public:
    TestLayer(const WindowPairGeometry& pair, UINT picture, bool offscreen)
        : CControlLayerDlg(IDD_TEST_LAYER, pair, picture) {
        m_bEraseOffscreen = offscreen;
    }
    std::vector<BOOL> passes;
    CButton button;

    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (IsMarkerKey(pMsg) && OnMarkerKey())
            OnMarkerKey()();
        return CControlLayerDlg::PreTranslateMessage(pMsg);
    }

  protected:
    void LayoutControls(BOOL bFirstPass) override { passes.push_back(bFirstPass); }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_LAYER_BUTTON, button); }
};

class TestShell : public CLayeredShellDlg {
  public:
    explicit TestShell(const WindowPairGeometry& pair, float scale = 1.0f,
                       UINT shellPicture = IDP_SHELL, UINT layerPicture = IDP_LAYER,
                       CWnd* parent = nullptr)
        : CLayeredShellDlg(IDD_TEST_SHELL, pair, shellPicture, parent),
          m_layerPicture(layerPicture) {
        m_fScale = scale;
    }
    std::function<void(TestShell&)> whileRunning;
    bool offscreenLayer = false;
    CRect shellAtCreation, layerAtCreation;
    bool layerCreated = false;

    TestLayer* Layer() { return static_cast<TestLayer*>(m_pChildDlg); }
    CRect ShellRect() {
        CRect r;
        GetWindowRect(&r);
        return r;
    }
    CRect LayerRect() {
        CRect r;
        if (m_pChildDlg)
            m_pChildDlg->GetWindowRect(&r);
        return r;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (IsMarkerKey(pMsg) && OnMarkerKey())
            OnMarkerKey()();
        return CLayeredShellDlg::PreTranslateMessage(pMsg);
    }

  protected:
    BOOL OnInitDialog() override {
        BOOL result = CLayeredShellDlg::OnInitDialog();
        layerCreated = m_pChildDlg && m_pChildDlg->m_hWnd;
        shellAtCreation = ShellRect();
        layerAtCreation = LayerRect();
        SetTimer(kSafetyTimer, 15000);
        PostMessage(kRunScript);
        return result;
    }
    CControlLayerDlg* NewControlLayer() override {
        return new TestLayer(m_pair, m_layerPicture, offscreenLayer);
    }
    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
        switch (msg) {
        case kRunScript:
            if (whileRunning)
                whileRunning(*this);
            return 0;
        case WM_TIMER:
            if (w == kSafetyTimer) {
                EndDialog(kTimedOut);
                return 0;
            }
            break;
        }
        return CLayeredShellDlg::WindowProc(msg, w, l);
    }

  private:
    UINT m_layerPicture;
};

} // namespace pairtest
