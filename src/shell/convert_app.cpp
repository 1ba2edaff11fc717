// CConvertApp::InitInstance: the main dialog run modally.
#include "shell/convert_app.h"

#include "shell/convert_dlg.h"

BOOL CConvertApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControls();

    CConvertDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;  // the dialog object ends here
    return FALSE;
}
