// The framework's process-wide state.
//
//   AFX_MODULE_STATE       the application object and the module's handles
//   AfxGetModuleState      the state, set up on first use
//   AfxGetApp, AfxGetMainWnd, AfxFindResourceHandle
//
// Needs <windows.h>.
#pragma once

#include <windows.h>

class CWinApp;
class CWnd;

struct AFX_MODULE_STATE {
    // Sets the C runtime's multi-byte code page to the ANSI code page, so that
    // every path search that follows goes by the system's characters.
    AFX_MODULE_STATE();

    CWinApp* m_pCurrentWinApp = nullptr;      // the one application object, or none
    HINSTANCE m_hCurrentInstanceHandle;       // the executable
    HINSTANCE m_hCurrentResourceHandle;       // where resources are looked up
};

// Set up on the first call. The application object's constructor makes that
// call, so the state (and the code page) is ready before the application is.
AFX_MODULE_STATE* AfxGetModuleState();

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// The module that holds the resource, for loading it; the executable when no
// module holds it, so that the caller's load fails in the usual way.
HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
