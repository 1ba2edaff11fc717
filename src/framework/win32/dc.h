// Device contexts: the context of one paint cycle, and drawing into it.
//
//   CDC        a device context handle and the drawing the program does
//   CPaintDC   the context of one WM_PAINT: begin and end of painting
//
// Needs <windows.h>.
#pragma once

#include <windows.h>

class CWnd;

class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Attributes
    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }

    // Operations
    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC();

    PAINTSTRUCT m_ps = {};

private:
    HWND m_hWnd;
};
