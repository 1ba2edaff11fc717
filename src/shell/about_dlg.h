// CAboutDlg: the About box, showing the icon, the title and the copyright line.
#pragma once

#include "framework/win32/afx.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    BOOL OnInitDialog() override;
};
