// CString: substrings with clamped counts, and the search by characters of a code page.
#include "framework/cstring.h"

#include <algorithm>

#include "framework/mbcs.h"

CString::CString(const char* pch, int nLength)
{
    if (pch && nLength > 0)
        m_str.assign(pch, static_cast<size_t>(nLength));
}

CString CString::Mid(int nFirst, int nCount) const
{
    const int nLength = GetLength();
    nFirst = std::clamp(nFirst, 0, nLength);
    nCount = std::clamp(nCount, 0, nLength - nFirst);
    return CString(m_str.substr(static_cast<size_t>(nFirst), static_cast<size_t>(nCount)));
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

int CString::ReverseFind(char ch) const
{
    return ReverseFind(ch, zandrel::CurrentMultiByteCodePage());
}

int CString::ReverseFind(char ch, unsigned nCodePage) const
{
    int nFound = -1;
    const int nLength = GetLength();
    for (int i = 0; i < nLength; ++i) {
        const auto byte = static_cast<unsigned char>(m_str[static_cast<size_t>(i)]);
        if (zandrel::IsLeadByte(nCodePage, byte) && i + 1 < nLength) {
            ++i;  // skip the trailing byte: it is part of this character
            continue;
        }
        if (m_str[static_cast<size_t>(i)] == ch)
            nFound = i;
    }
    return nFound;
}
