// CButton: a push button, check box or owner-drawn button from a dialog template.
#pragma once

#include "framework/CWnd.h"

class CButton : public CWnd {
  public:
    int GetCheck() const { return static_cast<int>(::SendMessageW(m_hWnd, BM_GETCHECK, 0, 0)); }
    void SetCheck(int check) { ::SendMessageW(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(check), 0); }
    UINT GetState() const { return static_cast<UINT>(::SendMessageW(m_hWnd, BM_GETSTATE, 0, 0)); }

    // Called for an owner-drawn button when its parent receives WM_DRAWITEM for it.
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}

  protected:
    BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        if (msg != WM_DRAWITEM)
            return CWnd::OnChildNotify(msg, wParam, lParam, pResult);
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *pResult = TRUE;
        return TRUE;
    }
};
