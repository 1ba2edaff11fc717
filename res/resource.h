// Resource identifiers shared by the resource script and the program.
#pragma once

// Dialogs
#define IDD_ABOUTBOX 100
#define IDD_MAIN_DIALOG 102

// Icon and menu
#define IDR_MAINFRAME 128
#define IDR_MAIN_MENU 130

// Strings
#define IDS_ABOUTBOX 101
#ifndef AFX_IDS_APP_TITLE
#define AFX_IDS_APP_TITLE 0xE000
#endif

// System-menu command of the About item
#define IDM_ABOUTBOX 0x0010

// Menu commands
#ifndef ID_APP_EXIT
#define ID_APP_EXIT 0xE141
#endif
#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

// Controls
#define IDC_ABOUT_TITLE 1000
#define IDC_ABOUT_COPYRIGHT 1001
#define IDC_ADD_CONST 1002
#define IDC_WRITE_BINARY 1003
#define IDC_ADD_PREFIX 1004
#define IDC_LITTLE_ENDIAN 1005
