// The framework layer over Win32: the application, windows, dialogs, data
// exchange, menus, device contexts and message boxes that the desktop tool is
// written on. Include this one header.
//
//   module_state.h  AFX_MODULE_STATE, AfxGetModuleState, AfxGetApp, AfxFindResourceHandle
//   wnd.h           CWnd, the message dispatch and default processing
//   dialog.h        CDialog, CDataExchange, DDX_Check
//   win_app.h       CWinApp, AfxWinMain, AfxMessageBox
//   menu.h          CMenu
//   dc.h            CDC, CPaintDC
//   wait_cursor.h   CWaitCursor
#pragma once

#include "framework/win32/dc.h"
#include "framework/win32/dialog.h"
#include "framework/win32/menu.h"
#include "framework/win32/module_state.h"
#include "framework/win32/wait_cursor.h"
#include "framework/win32/win_app.h"
#include "framework/win32/wnd.h"
