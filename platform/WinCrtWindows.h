#pragma once
// On Windows the importers call the C runtime itself: _wfopen opens in text mode (CR LF read
// as LF, Ctrl-Z ends the text), fgetws and fgetwc turn bytes into UTF-16 by the code page of
// the current locale, and _wtoi and _wtof read numbers by its rules. Only the few helpers the
// other side adds are declared here, with the runtime's answers.
#include <clocale>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <string>

class CString;

// The UTF-8 bytes of a UTF-16 string, as output is written; a lone surrogate becomes U+FFFD.
std::string RvzUtf8FromWide(const wchar_t* text);

// The runtime's white-space test for wide characters.
inline bool _istspace(wchar_t c)
{
    return iswspace(static_cast<wint_t>(c)) != 0;
}

// The stream's buffer is the runtime's own: readers find nothing to take from it at once.
inline const unsigned char* RvzBufferedBytes(FILE*, size_t& count)
{
    count = 0;
    return nullptr;
}
inline void RvzSkipBufferedBytes(FILE*, size_t) {}

// Line read with fgetws, giving the length of the text stored (as wcslen counts), or -1 at end
// of file or without a stream.
int RvzReadWideLine(wchar_t* buffer, int n, FILE* stream);

// A code line and a value line, as two RvzReadWideLine calls: code = _wtoi of the first, the
// second into buffer; its length, or -1 when either line cannot be read.
int RvzReadCodeAndLine(FILE* stream, wchar_t* buffer, int n, int& code);
// A code line and a value line, the value trimmed of white space: 1, or 0 when either line
// cannot be read.
int RvzReadTrimmedPair(FILE* stream, wchar_t* line, int n, int& code, CString& value);
// Nothing of a pair can be taken from the runtime's buffer at once: every pair is read the
// general way.
inline int RvzTakePlainPair(FILE*, wchar_t*, int, int&)
{
    return -1;
}
inline int RvzTakeTrimmedPair(FILE*, wchar_t*, int, int&, CString&)
{
    return 0;
}

// The runtime's _wtof asks its locale for every number itself: there is nothing to hold.
class RvzDecimalPointHeld
{
  public:
    RvzDecimalPointHeld() {}
};
