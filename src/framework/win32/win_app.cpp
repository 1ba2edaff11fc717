// CWinApp, the start-up and the message box captioned with its title.
#include "framework/win32/win_app.h"

#include "framework/win32/module_state.h"
#include "framework/win32/wnd.h"

namespace {

constexpr UINT kAppTitleStringId = 0xE000;  // AFX_IDS_APP_TITLE
constexpr UINT kAppExitCommand = 0xE141;    // ID_APP_EXIT

}  // namespace

CWinApp::CWinApp() : m_pModuleState(AfxGetModuleState())
{
    m_pModuleState->m_pCurrentWinApp = this;
    m_strAppName.LoadStringA(kAppTitleStringId);
    m_pszAppName = m_strAppName;
}

CWinApp::~CWinApp()
{
    if (m_pModuleState->m_pCurrentWinApp == this)
        m_pModuleState->m_pCurrentWinApp = nullptr;
}

BOOL CWinApp::OnCmdMsg(UINT nID)
{
    if (nID == kAppExitCommand) {
        OnAppExit();
        return TRUE;
    }
    return FALSE;
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd && m_pMainWnd->m_hWnd)
        m_pMainWnd->SendMessageA(WM_CLOSE);
}

void AfxEnableControlContainer()
{
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPSTR /*lpCmdLine*/, int /*nCmdShow*/)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    pState->m_hCurrentInstanceHandle = hInstance;
    pState->m_hCurrentResourceHandle = hInstance;
    CWinApp* pApp = pState->m_pCurrentWinApp;
    if (!pApp)
        return -1;
    pApp->InitInstance();
    return 0;
}

int AfxMessageBox(const char* pszText, UINT nType, UINT /*nIDHelp*/)
{
    CWinApp* pApp = AfxGetApp();
    CWnd* pMainWnd = AfxGetMainWnd();
    return ::MessageBoxA(pMainWnd ? pMainWnd->m_hWnd : nullptr, pszText, pApp ? pApp->m_pszAppName : nullptr,
                         nType);
}
