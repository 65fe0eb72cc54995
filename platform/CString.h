#pragma once
// Wide string of the host's class framework: the subset the importers use.
#include <string>

#include "WinTypes.h"

class CString
{
public:
    CString() = default;
    CString(const wchar_t* psz) : m_str(psz ? psz : L"") {}
    CString(const wchar_t* pch, int nLength) : m_str(pch, nLength > 0 ? nLength : 0) {}
    CString(wchar_t ch, int nRepeat = 1) : m_str(nRepeat > 0 ? nRepeat : 0, ch) {}
    explicit CString(std::wstring s) : m_str(std::move(s)) {}

    CString& operator=(const wchar_t* psz);
    // The first nLength characters at pch.
    void SetString(const wchar_t* pch, int nLength);
    CString& operator=(wchar_t ch);
    CString& operator+=(const CString& s);
    CString& operator+=(const wchar_t* psz);
    // Sets the string to what write puts in its storage: write(wchar_t* to) has room for count
    // characters there and returns how many it wrote, at most count.
    template <class Write> void Overwrite(int count, Write write)
    {
        const size_t room = count > 0 ? static_cast<size_t>(count) : 0;
#ifdef __cpp_lib_string_resize_and_overwrite
        // The count given to the writer is not relied on: GCC 12's library passes the new
        // capacity there when the string grows.
        m_str.resize_and_overwrite(room, [&write](wchar_t* to, size_t)
                                   { return static_cast<size_t>(write(to)); });
#else
        m_str.resize(room);
        m_str.resize(static_cast<size_t>(write(&m_str[0])));
#endif
    }
    // As Overwrite, when the storage has room for count characters already: false, with the
    // string unchanged, when it has not. Nothing is allocated, so a caller keeps no registers
    // across a call.
    template <class Write> bool OverwriteInPlace(int count, Write write)
    {
        if (count < 0 || static_cast<size_t>(count) > m_str.capacity())
            return false;
        Overwrite(count, write);
        return true;
    }
    // Gives the storage room for nLength characters, keeping the string.
    void Preallocate(int nLength)
    {
        if (nLength > 0)
            m_str.reserve(static_cast<size_t>(nLength));
    }
    // Appends the first nLength characters at pch.
    void Append(const wchar_t* pch, int nLength)
    {
        if (nLength > 0)
            m_str.append(pch, static_cast<size_t>(nLength));
    }
    // Inline: the plotter reader builds each command a character at a time.
    CString& operator+=(wchar_t ch)
    {
        m_str.push_back(ch);
        return *this;
    }

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    wchar_t GetAt(int nIndex) const { return m_str[static_cast<size_t>(nIndex)]; }
    wchar_t operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, wchar_t ch) { m_str[static_cast<size_t>(nIndex)] = ch; }
    operator const wchar_t*() const { return m_str.c_str(); }
    const wchar_t* GetString() const { return m_str.c_str(); }

    // White space is what _istspace says: space, \t, \n, \v, \f, \r.
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();

    int Compare(const wchar_t* psz) const;
    int CompareNoCase(const wchar_t* psz) const;

    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    int Find(wchar_t ch, int nStart = 0) const;
    int Find(const wchar_t* psz, int nStart = 0) const;

    // printf-style formatting of numbers (the importers use "%03d").
    void Format(const wchar_t* pszFormat, ...);

    const std::wstring& str() const { return m_str; }

private:
    std::wstring m_str;
};

// Sets value to the count characters at text without the white space at their ends, as assigning
// them and then Trim would, but copying only the characters kept.
void RvzSetTrimmed(CString& value, const wchar_t* text, int count);

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const wchar_t* b);
CString operator+(const wchar_t* a, const CString& b);
bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const wchar_t* b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const wchar_t* b);
bool operator<(const CString& a, const CString& b);

