// CDialog: a dialog made from a template in the resources and run modally,
// with data exchange between its controls and the fields of a derived class.
//
//   CDialog     construction, modal run, overridables, the static dialog procedure
//   DDX_Check   binds a check box to an int flag
//
// Needs <windows.h>.
#pragma once

#include <windows.h>

#include "framework/win32/wnd.h"

class CDialog : public CWnd {
public:
    // Construction: the template's resource id and the owner; with no owner
    // the application's main window owns the dialog.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Operations
    // Creates the dialog and runs it until EndDialog; the end code, or -1
    // when the dialog cannot be created.
    INT_PTR DoModal();
    void EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

    // Overridables
    // The base set-up loads the fields into the controls. TRUE lets the
    // focus go to the first tab stop.
    virtual BOOL OnInitDialog();
    // IDOK: takes the controls into the fields and ends with IDOK.
    virtual void OnOK();
    // IDCANCEL: ends with IDCANCEL.
    virtual void OnCancel();

    // Message map: IDOK and IDCANCEL; other commands without a handler go
    // to the application object.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    // Dispatches to the message map; a message it declines (returns FALSE
    // for) gets the platform's default dialog processing.
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};

// Save: nValue := 1 if the box is checked, else 0. Load: the box is checked
// when nValue is not 0.
void DDX_Check(CDataExchange* pDX, int nIDC, int& nValue);
