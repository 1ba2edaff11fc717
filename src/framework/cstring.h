// CString: an owned byte string in the ANSI code page.
//
// Only what the program uses: construction, concatenation, the substring
// operations and a character search that respects double-byte characters.
// Substring counts outside the string are clamped (a negative count gives an
// empty string) so that no caller can read outside the buffer.
#pragma once

#include <string>

class CString {
public:
    // Construction
    CString() = default;
    CString(const char* psz) : m_str(psz ? psz : "") {}
    CString(const char* pch, int nLength);
    explicit CString(std::string str) : m_str(std::move(str)) {}

    // Attributes
    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    const char* GetString() const { return m_str.c_str(); }
    operator const char*() const { return m_str.c_str(); }
    const std::string& Str() const { return m_str; }
    char GetAt(int nIndex) const { return m_str.at(static_cast<size_t>(nIndex)); }

    // Operations
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;

    // Position (from 0, in bytes) of the last character `ch`, or -1. The
    // string is walked by characters of `nCodePage`, so the trailing byte of a
    // double-byte character never matches. The one-argument form follows the
    // C runtime's multi-byte code page.
    int ReverseFind(char ch) const;
    int ReverseFind(char ch, unsigned nCodePage) const;

#ifdef _WIN32
    // Loads string nID of the program's resources; empty and false when there
    // is none. Defined by the Win32 framework layer.
    bool LoadStringA(unsigned nID);
#endif

    CString& operator+=(const CString& rhs) { m_str += rhs.m_str; return *this; }
    CString& operator+=(const char* psz) { m_str += psz; return *this; }
    CString& operator+=(char ch) { m_str += ch; return *this; }

    friend CString operator+(CString lhs, const CString& rhs) { return lhs += rhs; }
    friend CString operator+(CString lhs, const char* rhs) { return lhs += rhs; }
    friend CString operator+(const char* lhs, const CString& rhs) { return CString(lhs) += rhs; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const char* b) { return a.m_str == b; }

private:
    std::string m_str;
};
