// The module state, set up on first use, and the lookups through it.
#include "framework/win32/module_state.h"

#include "framework/win32/win_app.h"

// Last: it defines macros (_M1, _M2) that clash with the C++ library.
#include <mbctype.h>

AFX_MODULE_STATE::AFX_MODULE_STATE()
    : m_hCurrentInstanceHandle(GetModuleHandleA(nullptr)),
      m_hCurrentResourceHandle(m_hCurrentInstanceHandle)
{
    _setmbcp(_MB_CP_ANSI);
}

AFX_MODULE_STATE* AfxGetModuleState()
{
    // The framework's one piece of shared state: how WinMain finds the
    // application object. Built on first use, which the application
    // object's constructor guarantees comes before anything else.
    static AFX_MODULE_STATE state;
    return &state;
}

CWinApp* AfxGetApp()
{
    return AfxGetModuleState()->m_pCurrentWinApp;
}

CWnd* AfxGetMainWnd()
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->m_pMainWnd : nullptr;
}

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    const AFX_MODULE_STATE* pState = AfxGetModuleState();
    if (FindResourceA(pState->m_hCurrentResourceHandle, lpszName, lpszType))
        return pState->m_hCurrentResourceHandle;
    return pState->m_hCurrentInstanceHandle;
}
