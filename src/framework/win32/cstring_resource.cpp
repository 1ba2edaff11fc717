// CString's one operation that needs the platform: loading a string resource.
#include <windows.h>

#include <string>

#include "framework/cstring.h"
#include "framework/win32/module_state.h"

bool CString::LoadStringA(unsigned nID)
{
    // A string-table entry can hold up to 65535 UTF-16 units, each up to two
    // bytes in a double-byte code page; grow until the text fits.
    const HINSTANCE hInstance = AfxGetModuleState()->m_hCurrentResourceHandle;
    std::string buffer(256, '\0');
    for (;;) {
        const int nCopied = ::LoadStringA(hInstance, nID, buffer.data(), static_cast<int>(buffer.size()));
        if (nCopied <= 0) {
            m_str.clear();
            return false;
        }
        if (static_cast<size_t>(nCopied) < buffer.size() - 2 || buffer.size() >= 2 * 65536) {
            buffer.resize(static_cast<size_t>(nCopied));
            m_str = std::move(buffer);
            return true;
        }
        buffer.assign(buffer.size() * 2, '\0');
    }
}
