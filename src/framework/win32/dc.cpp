// CPaintDC: BeginPaint and EndPaint around one paint cycle.
#include "framework/win32/dc.h"

#include "framework/win32/wnd.h"

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    // The context belongs to the paint cycle: EndPaint releases it.
    ::EndPaint(m_hWnd, &m_ps);
}
