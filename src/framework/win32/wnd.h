// CWnd: a window handle with the operations the program uses, and the message
// dispatch that derived classes extend with their message maps.
//
//   CWnd            attributes, operations, data exchange, message map, default processing
//   CDataExchange   direction and window of one data exchange (dialog.h binds controls)
//
// Needs <windows.h>.
#pragma once

#include <windows.h>

#include "framework/win32/menu.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_pDlgWnd(pDlgWnd), m_bSaveAndValidate(bSaveAndValidate) {}

    CWnd* m_pDlgWnd;            // the window whose controls are exchanged
    BOOL m_bSaveAndValidate;    // TRUE: controls to fields; FALSE: fields to controls
};

class CWnd {
public:
    // Construction
    CWnd() = default;
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd() = default;

    // Attributes
    HWND m_hWnd = nullptr;

    // Operations
    // The child with the given id; its m_hWnd is null when there is none.
    CWnd GetDlgItem(int nID) const { return CWnd(::GetDlgItem(m_hWnd, nID)); }
    void SetWindowTextA(const char* pszText) { ::SetWindowTextA(m_hWnd, pszText); }
    CMenu GetSystemMenu(BOOL bRevert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert)); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    LRESULT SendMessageA(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }

    // Data exchange: DoDataExchange in the save direction (controls to
    // fields) or the load direction (fields to controls).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Overridables
    virtual void DoDataExchange(CDataExchange* /*pDX*/) {}

    // The message map: handles the message and returns TRUE, with the result
    // in *pResult, or returns FALSE for default processing. A derived map
    // ends by calling its base class's map.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // Asks for the platform's default processing of the message being
    // handled, with its own parameters: it follows once the handler returns.
    void Default() { m_bDefaultAsked = true; }

    // Base handlers
    void OnDestroy() { Default(); }

protected:
    // Dispatches one message through the map: TRUE when a handler took it
    // and asked for no default processing.
    BOOL DispatchMessageToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

private:
    bool m_bDefaultAsked = false;  // Default() was called for the message being dispatched
};
