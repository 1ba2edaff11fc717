// CConvertDlg: the main dialog. Four option check boxes; every file dropped on
// it is converted with the options of that moment and reported in a box.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "convert/convert.h"
#include "framework/cstring.h"
#include "framework/win32/afx.h"

class CConvertDlg : public CDialog {
public:
    explicit CConvertDlg(CWnd* pParent = nullptr);

    // Attributes: the options, bound to the four check boxes (0 off, 1 on).
    int m_bWriteBinary;   // also write the .bin file
    int m_bAddPrefix;     // "image_" before the output file names and the array names
    int m_bAddConst;      // declare the arrays const
    int m_bLittleEndian;  // 16-bit words of the .bin low byte first
    HICON m_hIcon;        // the application icon, shared: never destroyed

    // Conversion: the engine's result, 1 converted, 0 refused, 2 read but
    // not written.
    // Takes the check boxes into the options, derives the names, loads the
    // file into a surface and hands it on by its depth: 8 bits to
    // ConvertIndexed, 24 and 32 to the true-colour path. Virtual so that
    // tests can stand in for the engine.
    virtual int ConvertFile(CString strPath);
    // The indexed path: reads the 8-bit bitmap file itself.
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

private:
    // What the engine takes of the options: the naming's and the writers'.
    zandrel::OutputNames NamesFor(const CString& strPath) const;
    zandrel::ConvertOptions OutputOptions() const;
};

// Where the icon goes in the client area of the minimised window: centred,
// rounding the half pixel up and truncating toward zero.
POINT MinimisedIconPosition(const RECT& rcClient, int cxIcon, int cyIcon);
