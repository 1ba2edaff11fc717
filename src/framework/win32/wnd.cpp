#include "framework/win32/wnd.h"

#include <string>

CString CWnd::GetWindowTextA() const
{
    const int nLength = ::GetWindowTextLengthA(m_hWnd);
    if (nLength <= 0)
        return CString();
    std::string text(static_cast<size_t>(nLength) + 1, '\0');
    const int nCopied = ::GetWindowTextA(m_hWnd, text.data(), nLength + 1);
    text.resize(static_cast<size_t>(nCopied > 0 ? nCopied : 0));
    return CString(std::move(text));
}

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

LRESULT CWnd::Default()
{
    return DefWindowProcA(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam);
}

LRESULT CWnd::DefWindowProcA(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // Messages nest (a handler's own calls send more), so the outer one is
    // restored afterwards.
    const MSG outer = m_currentMsg;
    m_currentMsg.hwnd = m_hWnd;
    m_currentMsg.message = message;
    m_currentMsg.wParam = wParam;
    m_currentMsg.lParam = lParam;
    const BOOL bHandled = OnWndMsg(message, wParam, lParam, pResult);
    m_currentMsg = outer;
    return bHandled;
}
