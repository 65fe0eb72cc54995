#pragma once
// The Windows C runtime calls the importers make, with the runtime's names and meanings.
//
// Text files are read as bytes: a valid UTF-8 sequence becomes its code point, any other byte
// the code point of the same value, so reading never fails on any byte. A CR directly before
// an LF is read as one LF (text mode); nothing else is translated.
#ifdef _WIN32
#include "WinCrtWindows.h"
#else
#include <clocale>
#include <cstdio>
#include <cwchar>
#include <string>

class CString;

// The UTF-8 bytes of a wide string, as file names and output are written; characters that
// are no code point become U+FFFD.
std::string RvzUtf8FromWide(const wchar_t* text);

// The runtime's white-space test: space, \t, \n, \v, \f and \r, whatever the locale.
inline bool _istspace(wchar_t c)
{
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

// Opens a file by wide path (converted to UTF-8 bytes); mode "r" opens for reading text.
FILE* _wfopen(const wchar_t* path, const wchar_t* mode);

// The bytes buffered in the stream and not yet read, for readers that take a run of plain
// ASCII at once; count is 0 where the buffer is not reachable.
inline const unsigned char* RvzBufferedBytes(FILE* stream, size_t& count)
{
#ifdef __GLIBC__
    count = static_cast<size_t>(stream->_IO_read_end - stream->_IO_read_ptr);
    return reinterpret_cast<const unsigned char*>(stream->_IO_read_ptr);
#else
    (void)stream;
    count = 0;
    return nullptr;
#endif
}

// Marks the first count of those bytes as read.
inline void RvzSkipBufferedBytes(FILE* stream, size_t count)
{
#ifdef __GLIBC__
    stream->_IO_read_ptr += count;
#else
    (void)stream, (void)count;
#endif
}

// Line read: at most n-1 characters, stopping after an LF; NULL at end of file.
wchar_t* RvzGetWideLine(wchar_t* buffer, int n, FILE* stream);
// The same read, giving the length of the text stored (up to a NUL read from the file, as
// wcslen counts) instead, or -1 at end of file, so that the caller need not count again.
int RvzReadWideLine(wchar_t* buffer, int n, FILE* stream);
// A code line and a value line, read as two RvzReadWideLine calls would: code = _wtoi of the
// first (written only once that line is read), the second into buffer. Returns the second's
// length as RvzReadWideLine counts it, or -1 when either line cannot be read.
int RvzReadCodeAndLine(FILE* stream, wchar_t* buffer, int n, int& code);
// Its fast part alone: the same pair when both lines are plain ASCII, the code line a bare
// number, and both whole within the stream's buffer and n-1 characters; else -1, with nothing
// read, for a caller that must see each line of the general way.
int RvzTakePlainPair(FILE* stream, wchar_t* buffer, int n, int& code);
// A code line and a value line, the value trimmed of white space, for the readers that keep only
// that: 1, or 0 when either line cannot be read (code may then hold the new code). line is a
// buffer of n characters for the pairs that are not short.
int RvzReadTrimmedPair(FILE* stream, wchar_t* line, int n, int& code, CString& value);
// Its fast part alone: the same pair when both lines are plain and whole within the stream's
// buffer, as RvzTakePlainPair takes them; 1, or 0 with nothing read.
int RvzTakeTrimmedPair(FILE* stream, wchar_t* line, int n, int& code, CString& value);
// The character that starts with byte b0 (not EOF), reading the rest of it from the stream.
unsigned int RvzDecodeWideChar(int b0, FILE* stream);

// Character read: the next character, or 0xFFFF at end of file. Inline, as the plotter reader
// calls it once per byte and nearly every byte is plain ASCII.
inline unsigned int RvzGetWideChar(FILE* stream)
{
    int b = stream ? getc_unlocked(stream) : EOF;
    if (b >= 0 && b < 0x80 && b != '\r')
        return static_cast<unsigned int>(b);
    return b == EOF ? 0xFFFFu : RvzDecodeWideChar(b, stream);
}

// The runtime's own names, mapped onto the decoding above.
#define fgetws RvzGetWideLine
#define fgetwc RvzGetWideChar

// Leading white space, optional sign, decimal digits; saturates at the int range.
int _wtoi(const wchar_t* str);
// Longest decimal prefix (sign, digits, locale decimal point, exponent), correctly rounded.
double _wtof(const wchar_t* str);

// While one is alive on a thread, _wtof there reads by the decimal point the C locale had when
// the first began, instead of asking the locale for every number (a fifth of a number's
// reading). The importers hold one through each read, as nothing in a read changes the locale.
class RvzDecimalPointHeld
{
  public:
    RvzDecimalPointHeld();
    ~RvzDecimalPointHeld();
    RvzDecimalPointHeld(const RvzDecimalPointHeld&) = delete;
    RvzDecimalPointHeld& operator=(const RvzDecimalPointHeld&) = delete;

  private:
    bool m_first;
};
#endif
