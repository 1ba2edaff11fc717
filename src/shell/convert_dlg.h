// CConvertDlg: the main dialog. Four option check boxes; every file dropped on
// it is converted with the options of that moment and reported in a box.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "convert/options.h"
#include "framework/cstring.h"
#include "framework/win32/afx.h"

class CConvertDlg : public CDialog {
public:
    explicit CConvertDlg(CWnd* pParent = nullptr);

    // Attributes
    zandrel::ConvertOptions m_options;  // bound to the four check boxes
    HICON m_hIcon;                      // the application icon, shared: never destroyed

    // Conversion
    // Takes the check boxes into m_options, then converts one file. The
    // engine's result: 1 converted, 0 refused, 2 read but not written.
    // Virtual so that tests can stand in for the engine.
    virtual int ConvertFile(CString strPath);
    // The same for the indexed path on its own (8-bit bitmaps).
    int ConvertIndexed(CString strPath);

    // Overridables
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Message handlers
    void OnSysCommand(UINT nID, LPARAM lParam);     // the About item; default for the rest
    void OnPaint();                                 // the icon while minimised
    HCURSOR OnQueryDragIcon();                      // the icon while the minimised window is dragged
    void OnAbout();                                 // runs the About box
    void OnDropFiles(HDROP hDropInfo);              // converts the files in index order, busy cursor on
    void OnDestroy() { CWnd::OnDestroy(); }

protected:
    // The calls a drop makes beyond the dialog, kept apart so that tests can
    // watch them without real boxes.
    virtual int ShowResultBox(const char* pszText, UINT nType);   // AfxMessageBox
    virtual void FinishDrop(HDROP hDropInfo);                      // DragFinish
};

// Where the icon goes in the client area of the minimised window: centred,
// rounding the half pixel up and truncating toward zero.
POINT MinimisedIconPosition(const RECT& rcClient, int cxIcon, int cyIcon);
