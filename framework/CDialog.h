// CDialog: a window made from a dialog template among the module's resources, run modally
// (DoModal) or created modeless (Create).
//
// How a dialog runs modally (DoModal):
//  1. The owner is found: the parent given, or for a null parent the main window's most recently
//     active popup; the owner and its top-level window are disabled for the whole run.
//  2. The window is created hidden from its template; WM_INITDIALOG binds the controls
//     (DoDataExchange) and calls OnInitDialog. A dialog that did not move during OnInitDialog is
//     then centred over its owner.
//  3. Unless it already ended, it is shown and the loop runs: each message is offered to
//     PreTranslateMessage of the windows from its target up to the dialog, then dispatched.
//  4. EndDialog (from OnOK, OnCancel or WM_CLOSE through OnCancel) ends the loop; the owners are
//     enabled again before the window is destroyed, so activation returns to the owner.
#pragma once

#include "framework/CWnd.h"

class CDataExchange {
  public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd; // borrowed: the dialog whose controls are exchanged
};

// Binds a control object to the template's control nIDC by subclassing it (once).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

class CDialog : public CWnd {
  public:
    // pParentWnd is borrowed; null means "the main window's last active popup" for DoModal.
    explicit CDialog(UINT nIDTemplate = 0, CWnd* pParentWnd = nullptr);

    virtual INT_PTR DoModal();
    // Creates the dialog modeless, owned by pParentWnd (its top-level window when a child).
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Ends a modal dialog's loop with nResult. A modeless dialog only records the result: it
    // stays as its creator placed it, since hiding it would strand the windows around it.
    void EndDialog(int nResult);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Gives the dialog's keyboard navigation (IsDialogMessage) its chance.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The owner that DoModal would use for this parent, and the top-level window disabled with it.
    static HWND FindModalOwner(HWND hParent, HWND* phTop);

  protected:
    virtual void DoDataExchange(CDataExchange*) {}
    // WM_COMMAND: IDOK and IDCANCEL end the dialog through OnOK and OnCancel.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd; // borrowed

  private:
    HWND CreateFromTemplate(UINT nIDTemplate, HWND hOwner);
    BOOL HandleInitDialog();
    static INT_PTR CALLBACK StaticDlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

    bool m_bModal = false;
    bool m_bEnded = false;
    int m_nModalResult = -1;
};
