// CAboutDlg: the title and the copyright line set at start.
#include "shell/about_dlg.h"

#include "res/resource.h"
#include "shell/shell_text.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX)
{
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // A missing control is skipped; the other text is still set.
    if (CWnd title = GetDlgItem(IDC_ABOUT_TITLE); title.m_hWnd)
        title.SetWindowTextA(kProgramTitle);
    if (CWnd copyright = GetDlgItem(IDC_ABOUT_COPYRIGHT); copyright.m_hWnd)
        copyright.SetWindowTextA(kCopyrightLine);
    return TRUE;  // the focus goes to the OK button
}
