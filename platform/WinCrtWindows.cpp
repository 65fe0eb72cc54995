#include "WinCrt.h"

#include "CString.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

std::string RvzUtf8FromWide(const wchar_t* text)
{
    const int units = static_cast<int>(std::wcslen(text));
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, units, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, units, &bytes[0], size, nullptr, nullptr);
    return bytes;
}

int RvzReadWideLine(wchar_t* buffer, int n, FILE* stream)
{
    if (!buffer || !stream || n <= 0 || !fgetws(buffer, n, stream))
        return -1;
    return static_cast<int>(std::wcslen(buffer));
}

int RvzReadCodeAndLine(FILE* stream, wchar_t* buffer, int n, int& code)
{
    if (RvzReadWideLine(buffer, n, stream) < 0)
        return -1;
    code = _wtoi(buffer);
    return RvzReadWideLine(buffer, n, stream);
}

int RvzReadTrimmedPair(FILE* stream, wchar_t* line, int n, int& code, CString& value)
{
    const int count = RvzReadCodeAndLine(stream, line, n, code);
    if (count < 0)
        return 0;
    RvzSetTrimmed(value, line, count);
    return 1;
}
