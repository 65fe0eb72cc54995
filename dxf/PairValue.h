#pragma once
// The group-code pair's value, as both DXF readers test it.
#include <cstddef>
#include <cwchar>

#include "platform/Afx.h"

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
