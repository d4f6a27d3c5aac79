// Runs one of the tool's dialogs modally with a script of steps that run from inside its own
// modal loop, so real input sent by a step goes through the loop the user's input would take.
#pragma once

#include "support/GdiplusEnvironment.h"
#include "support/GuiDriver.h"

#include <gtest/gtest.h>

#include "framework/CGeometry.h"

#include <functional>
#include <ostream>
#include <vector>

// Rectangles and points as numbers in test failures.
inline void PrintTo(const CRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
inline void PrintTo(const CPoint& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}
inline void PrintTo(const CSize& s, std::ostream* os) {
    *os << s.cx << " x " << s.cy;
}

namespace dlgtest {

constexpr UINT_PTR kStepTimer = 81;
constexpr UINT_PTR kSafetyTimer = 82;
constexpr int kTimedOut = -2;

// A step returns true when it is done; false asks for it again at the next tick, so a step can
// wait for a window's state by polling while the loop keeps dispatching.
using Step = std::function<bool()>;

template <class Dlg> class Scripted : public Dlg {
  public:
    using Dlg::Dlg;

    std::vector<Step> steps;
    // The dialog ends with kTimedOut when the script has not ended it by then.
    UINT safetyMs = 20000;

    HWND Shell() const { return this->m_hWnd; }
    HWND Layer() const { return this->m_pChildDlg ? this->m_pChildDlg->m_hWnd : nullptr; }

  protected:
    BOOL OnInitDialog() override {
        BOOL result = Dlg::OnInitDialog();
        if (this->m_hWnd) {
            this->SetTimer(kSafetyTimer, safetyMs);
            this->SetTimer(kStepTimer, 20);
        }
        return result;
    }
    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
        if (msg == WM_TIMER && w == kSafetyTimer) {
            this->EndDialog(kTimedOut);
            return 0;
        }
        if (msg == WM_TIMER && w == kStepTimer) {
            if (m_next < steps.size() && steps[m_next]())
                ++m_next;
            if (m_next >= steps.size())
                this->KillTimer(kStepTimer);
            return 0;
        }
        return Dlg::WindowProc(msg, w, l);
    }

  private:
    size_t m_next = 0;
};

// Keeps the cursor off the dialogs so no button starts in its hover look.
inline void ParkCursor() {
    testsupport::MoveCursorTo({2, 2});
}

} // namespace dlgtest
