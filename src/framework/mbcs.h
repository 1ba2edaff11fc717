// Multi-byte code pages: which bytes open a double-byte character.
//
// Paths are byte strings in the system's ANSI code page. In code page 932 the
// second byte of a double-byte character can be 0x5C ('\\') or 0x2E-like ASCII
// values, so searching a path byte by byte would split characters. Everything
// that searches a path asks this header where characters begin.
#pragma once

namespace zandrel {

// Code page 0 means "every byte is a character of its own" (ASCII, Latin-1,
// UTF-8 for our purposes: UTF-8 never uses ASCII bytes inside a sequence).
constexpr unsigned kSingleByteCodePage = 0;
constexpr unsigned kCodePageShiftJis = 932;

// True when `byte` is the first byte of a double-byte character in `codePage`.
// Knows the East Asian double-byte code pages 932, 936, 949 and 950; any other
// code page is single-byte.
bool IsLeadByte(unsigned codePage, unsigned char byte);

// The C runtime's current multi-byte code page: what _getmbcp() reports on
// Windows (the ANSI code page once the application has set it at start-up),
// kSingleByteCodePage elsewhere.
unsigned CurrentMultiByteCodePage();

}  // namespace zandrel
