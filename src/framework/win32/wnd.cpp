// CWnd: data exchange and the dispatch through the message map.
#include "framework/win32/wnd.h"

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CWnd::OnWndMsg(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT* /*pResult*/)
{
    return FALSE;
}

BOOL CWnd::DispatchMessageToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // A handler's own calls may dispatch other messages first; each message
    // keeps its own request.
    const bool bOuter = m_bDefaultAsked;
    m_bDefaultAsked = false;
    const BOOL bHandled = OnWndMsg(message, wParam, lParam, pResult) && !m_bDefaultAsked;
    m_bDefaultAsked = bOuter;
    return bHandled;
}
