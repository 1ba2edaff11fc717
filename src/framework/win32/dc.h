// Device contexts and GDI objects.
//
//   CGdiObject, CBitmap   a GDI object handle: attach, detach, delete
//   CDC                   a device context that it deletes when destroyed
//   CPaintDC              the context of one WM_PAINT: begin and end of painting
//
// Needs <windows.h>.
#pragma once

#include <windows.h>

class CWnd;

class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    // A held object is left alone: whoever made it frees it with DeleteObject.
    virtual ~CGdiObject() = default;

    // Attributes
    HGDIOBJ m_hObject = nullptr;

    // Operations
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();           // releases the handle without freeing it
    BOOL DeleteObject();        // frees the held object; FALSE when none is held
};

class CBitmap : public CGdiObject {
public:
    HBITMAP GetSafeHandle() const { return static_cast<HBITMAP>(m_hObject); }
};

class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();             // deletes the held context

    // Attributes
    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }

    // Operations
    BOOL Attach(HDC hDC);
    HDC Detach();
    // Selects the object into the context; the handle it replaced.
    HGDIOBJ SelectGdiObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps = {};

private:
    HWND m_hWnd;
};
