// CWinApp: the application object, and the start-up that runs it.
//
//   CWinApp          title, main window, InitInstance, the application's command map
//   AfxWinMain       the start-up: InitInstance, then the end of the process
//   AfxMessageBox    a box owned by the main window, captioned with the title
//
// Needs <windows.h>.
#pragma once

#include <windows.h>

#include "framework/cstring.h"

class CWnd;

struct AFX_MODULE_STATE;

class CWinApp {
    // First of all members: sets up the framework's module state (and the
    // code page of the C runtime) before anything else of the application.
    AFX_MODULE_STATE* const m_pModuleState;

public:
    // Construction: registers the one application object, whose title is
    // string AFX_IDS_APP_TITLE of the resources.
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // Attributes
    const char* m_pszAppName;       // the title: caption of every message box
    CWnd* m_pMainWnd = nullptr;     // owner of message boxes; closed by ID_APP_EXIT

    // Overridables
    // The application's whole life; there is no message loop after it.
    virtual BOOL InitInstance() { return FALSE; }
    // The application's command map: TRUE when it handled the command.
    virtual BOOL OnCmdMsg(UINT nID);

    // Operations
    // Start-up calls kept for the shape of InitInstance; controls and 3D
    // looks need no set-up here.
    BOOL Enable3dControls() { return TRUE; }
    // ID_APP_EXIT: closes the main window.
    void OnAppExit();

private:
    CString m_strAppName;
};

void AfxEnableControlContainer();

// Runs the application object: InitInstance, then the exit code 0.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);

// A modal box with the application title as caption, owned by the main
// window; returns the button that closed it. The help id is not used.
int AfxMessageBox(const char* pszText, UINT nType = MB_OK, UINT nIDHelp = 0);
