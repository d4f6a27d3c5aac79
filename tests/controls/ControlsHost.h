// A borderless window holding one of each control, placed at a known spot on the screen and
// active, so that real mouse input reaches the controls.
#pragma once

#include "support/GdiplusEnvironment.h"
#include "support/GuiDriver.h"
#include "controls/CCheckBoxBtn.h"
#include "controls/CDrawStateInfoStatic.h"
#include "controls/CDrawTextStatic.h"
#include "controls/CImageButton.h"
#include "controls/CPngButton.h"
#include "controls_test_ids.h"

#include <gtest/gtest.h>

class ControlsHost : public CDialog {
  public:
    CPngButton png;
    CImageButton image;
    CCheckBoxBtn check;
    CDrawTextStatic text;
    CDrawStateInfoStatic state;
    int clicks[2000] = {};

    bool Open() {
        if (!Create(IDD_CONTROLS_HOST))
            return false;
        SetWindowPos(HWND_TOPMOST, 100, 100, 600, 400, SWP_SHOWWINDOW);
        // Apart from each other until a test places one: none covers another.
        int x = 300;
        for (CWnd* control :
             {static_cast<CWnd*>(&png), static_cast<CWnd*>(&image), static_cast<CWnd*>(&check),
              static_cast<CWnd*>(&text), static_cast<CWnd*>(&state)}) {
            control->MoveWindow(x, 350, 40, 30, TRUE);
            x += 50;
        }
        ::SetForegroundWindow(m_hWnd);
        return testsupport::WaitUntil([this] { return ::GetForegroundWindow() == m_hWnd; });
    }
    // Places a control and shows it painted.
    static void Place(CWnd& control, int x, int y, int width, int height) {
        control.MoveWindow(x, y, width, height, TRUE);
        control.UpdateWindow();
    }
    // Screen position of a point in a control's client area.
    static POINT OnScreen(CWnd& control, int x, int y) {
        POINT p{x, y};
        control.ClientToScreen(&p);
        return p;
    }
    ~ControlsHost() override {
        png.ReleasePictures();
        image.ReleasePictures();
    }

  protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_PNG_BUTTON, png);
        DDX_Control(pDX, IDC_IMAGE_BUTTON, image);
        DDX_Control(pDX, IDC_CHECK_BOX, check);
        DDX_Control(pDX, IDC_TEXT_STATIC, text);
        DDX_Control(pDX, IDC_STATE_STATIC, state);
    }
    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
        if (msg == WM_COMMAND && HIWORD(w) == BN_CLICKED && LOWORD(w) < 2000)
            ++clicks[LOWORD(w)];
        if (msg == WM_CTLCOLORBTN)
            return reinterpret_cast<LRESULT>(::GetStockObject(BLACK_BRUSH));
        return CDialog::WindowProc(msg, w, l);
    }
};
