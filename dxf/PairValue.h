#pragma once
// The value line of a group-code pair, as both DXF readers keep it.
#include <cwchar>

#include "platform/Afx.h"

// Sets value to the line without the white space at its ends, as assigning the line and then
// trimming it would, but copying only the characters kept.
inline void SetTrimmedValue(CString& value, const wchar_t* line)
{
    while (_istspace(*line))
        ++line;
    const wchar_t* end = line + std::wcslen(line);
    while (end > line && _istspace(end[-1]))
        --end;
    value.SetString(line, static_cast<int>(end - line));
}
