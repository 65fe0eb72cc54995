#pragma once
// The group-code pair, as both DXF readers read it: a code line, then a value line.
#include <cstddef>
#include <cwchar>

#include "platform/Afx.h"

// Sets value to the count characters of line without the white space at their ends, as
// assigning the line and then trimming it would, but copying only the characters kept.
inline void SetTrimmedValue(CString& value, const wchar_t* line, int count)
{
    const wchar_t* end = line + count;
    while (line < end && _istspace(*line))
        ++line;
    while (end > line && _istspace(end[-1]))
        --end;
    value.SetString(line, static_cast<int>(end - line));
}

// Reads the next pair through line, a buffer of size characters: code = the integer of the
// first line, value = the second line trimmed. 0 when either line cannot be read; code then
// may already hold the new code.
inline int ReadGroupPair(FILE* file, wchar_t* line, int size, int& code, CString& value)
{
    if (!file)
        return 0;
    // Most pairs are short, taken whole from the stream's buffer straight into the value; the
    // pair read takes the rest through line, two plain lines at once where it can.
    if (RvzTakeShortPair(file, size, code, value))
        return 1;
    const int count = RvzReadCodeAndLine(file, line, size, code);
    if (count < 0)
        return 0;
    SetTrimmedValue(value, line, count);
    return 1;
}

// Whether the value is the keyword (capital ASCII letters) ignoring case, as CompareNoCase
// says: a value of another length is told apart without looking at its characters, and ASCII
// characters are folded here, the first that differs ending the test; a character beyond ASCII
// leaves the answer to CompareNoCase, whose folding may map it onto a letter.
inline bool IsKeyword(const CString& value, const wchar_t* keyword, std::size_t length)
{
    if (static_cast<std::size_t>(value.GetLength()) != length)
        return false;
    const wchar_t* text = value.GetString();
    for (std::size_t i = 0; i < length; ++i)
    {
        const wchar_t c = text[i];
        if (c >= 0x80)
            return value.CompareNoCase(keyword) == 0;
        if ((c >= L'a' && c <= L'z' ? c - (L'a' - L'A') : c) != keyword[i])
            return false;
    }
    return true;
}

template <std::size_t N> bool IsKeyword(const CString& value, const wchar_t (&keyword)[N])
{
    return IsKeyword(value, keyword, N - 1);
}
