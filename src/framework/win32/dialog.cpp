// CDialog: the modal run, the base handlers and the dialog procedure; DDX_Check.
#include "framework/win32/dialog.h"

#include "framework/win32/module_state.h"
#include "framework/win32/win_app.h"

namespace {

// Messages whose result a dialog procedure returns itself instead of storing
// it in DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message)
{
    switch (message) {
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return true;
    default:
        return false;
    }
}

}  // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

INT_PTR CDialog::DoModal()
{
    HWND hWndOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!hWndOwner) {
        CWnd* pMainWnd = AfxGetMainWnd();
        if (pMainWnd && pMainWnd != this)
            hWndOwner = pMainWnd->m_hWnd;
    }
    LPCSTR pszTemplate = MAKEINTRESOURCEA(m_nIDTemplate);
    return ::DialogBoxParamA(AfxFindResourceHandle(pszTemplate, RT_DIALOG), pszTemplate,
                             hWndOwner, DialogProc, reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_COMMAND || HIWORD(wParam) != 0)
        return CWnd::OnWndMsg(message, wParam, lParam, pResult);
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        // Menu commands the dialog has no handler for (File > Exit).
        if (lParam == 0) {
            CWinApp* pApp = AfxGetApp();
            if (pApp && pApp->OnCmdMsg(LOWORD(wParam)))
                return TRUE;
        }
        return CWnd::OnWndMsg(message, wParam, lParam, pResult);
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* pDlg;
    if (message == WM_INITDIALOG) {
        pDlg = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        pDlg->m_hWnd = hWnd;
    } else {
        pDlg = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    }
    if (!pDlg)
        return FALSE;  // messages before WM_INITDIALOG

    LRESULT lResult = 0;
    BOOL bHandled;
    if (message == WM_INITDIALOG) {
        lResult = pDlg->OnInitDialog();
        bHandled = TRUE;
    } else {
        bHandled = pDlg->DispatchMessageToMap(message, wParam, lParam, &lResult);
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hWnd, DWLP_USER, 0);
        pDlg->m_hWnd = nullptr;
    }
    if (!bHandled)
        return FALSE;
    if (ReturnsResultDirectly(message))
        return static_cast<INT_PTR>(lResult);
    ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, lResult);
    return TRUE;
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& nValue)
{
    const HWND hWndCtrl = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC);
    if (pDX->m_bSaveAndValidate)
        nValue = ::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    else
        ::SendMessageA(hWndCtrl, BM_SETCHECK, nValue ? BST_CHECKED : BST_UNCHECKED, 0);
}
