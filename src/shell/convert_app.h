// CConvertApp: the application, whose whole life is the main dialog.
#pragma once

#include "framework/win32/afx.h"

class CConvertApp : public CWinApp {
public:
    // Runs the main dialog modally; FALSE, so the process ends with it.
    BOOL InitInstance() override;
};
