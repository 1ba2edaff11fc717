// CWaitCursor: the busy cursor for the lifetime of the object.
//
// For work that keeps the message loop waiting, such as converting a large
// file: the window does not repaint meanwhile, and the cursor is the only sign
// that the program is working. Needs <windows.h>.
#pragma once

#include <windows.h>

class CWaitCursor {
public:
    CWaitCursor() : m_hPrevious(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { Restore(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    // Puts back the cursor of before (the arrow when there was none), so that
    // what follows, a message box say, shows the normal cursor. Once only.
    void Restore()
    {
        if (m_bActive)
            ::SetCursor(m_hPrevious ? m_hPrevious : ::LoadCursorA(nullptr, IDC_ARROW));
        m_bActive = false;
    }

private:
    HCURSOR m_hPrevious;
    bool m_bActive = true;
};
