#include "CString.h"

#include <cstdarg>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <vector>

#include "WinCrt.h"

CString& CString::operator=(const wchar_t* psz)
{
    if (!psz)
        psz = L"";
    SetString(psz, static_cast<int>(std::wcslen(psz)));
    return *this;
}

void CString::SetString(const wchar_t* pch, int nLength)
{
    const size_t length = nLength > 0 ? static_cast<size_t>(nLength) : 0;
    const wchar_t* own = m_str.data();
    if (pch >= own && pch <= own + m_str.size())
        m_str.assign(pch, length); // a part of this string itself
    else
    {
#ifdef __cpp_lib_string_resize_and_overwrite
        // Written in place, with no call into the library while the storage suffices: the
        // readers set a value for every pair of a file.
        // The count given is not relied on: GCC 12's library passes the new capacity there
        // when the string grows.
        m_str.resize_and_overwrite(length, [pch, length](wchar_t* to, size_t) {
            std::memcpy(to, pch, length * sizeof(wchar_t));
            return length;
        });
#else
        m_str.clear();
        m_str.append(pch, length);
#endif
    }
}

CString& CString::operator=(wchar_t ch)
{
    m_str.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& s)
{
    m_str += s.m_str;
    return *this;
}

CString& CString::operator+=(const wchar_t* psz)
{
    if (psz)
        m_str += psz;
    return *this;
}

namespace
{
// Where the characters from text to end start and stop without the white space at their ends.
struct Unpadded
{
    const wchar_t* begin;
    const wchar_t* end;
};

Unpadded WithoutPadding(const wchar_t* text, const wchar_t* end)
{
    while (end > text && _istspace(end[-1]))
        --end;
    while (text < end && _istspace(*text))
        ++text;
    return {text, end};
}
} // namespace

CString& CString::Trim()
{
    const wchar_t* own = m_str.data();
    const Unpadded kept = WithoutPadding(own, own + m_str.size());
    const size_t begin = static_cast<size_t>(kept.begin - own);
    const size_t end = static_cast<size_t>(kept.end - own);
    if (begin == 0)
        m_str.resize(end); // the usual case, a value with only its line end to drop
    else
        m_str.assign(m_str, begin, end - begin);
    return *this;
}

void RvzSetTrimmed(CString& value, const wchar_t* text, int count)
{
    const Unpadded kept = WithoutPadding(text, text + count);
    value.SetString(kept.begin, static_cast<int>(kept.end - kept.begin));
}

CString& CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_str.size() && _istspace(m_str[i]))
        ++i;
    m_str.erase(0, i);
    return *this;
}

CString& CString::TrimRight()
{
    size_t n = m_str.size();
    while (n > 0 && _istspace(m_str[n - 1]))
        --n;
    m_str.resize(n);
    return *this;
}

int CString::Compare(const wchar_t* psz) const
{
    int r = std::wcscmp(m_str.c_str(), psz ? psz : L"");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

static wchar_t FoldCase(wchar_t c)
{
    if (c < 0x80)
        return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
    return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
}

int CString::CompareNoCase(const wchar_t* psz) const
{
    const wchar_t* a = m_str.c_str();
    const wchar_t* b = psz ? psz : L"";
    for (;; ++a, ++b)
    {
        wchar_t ca = FoldCase(*a), cb = FoldCase(*b);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

CString CString::Left(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    return CString(m_str.substr(0, static_cast<size_t>(nCount)));
}

CString CString::Right(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    size_t n = static_cast<size_t>(nCount);
    if (n >= m_str.size())
        return *this;
    return CString(m_str.substr(m_str.size() - n));
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    size_t first = static_cast<size_t>(nFirst);
    if (first >= m_str.size())
        return CString();
    return CString(m_str.substr(first, static_cast<size_t>(nCount)));
}

int CString::Find(wchar_t ch, int nStart) const
{
    if (nStart < 0 || static_cast<size_t>(nStart) > m_str.size())
        return -1;
    size_t pos = m_str.find(ch, static_cast<size_t>(nStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const wchar_t* psz, int nStart) const
{
    if (!psz || nStart < 0 || static_cast<size_t>(nStart) > m_str.size())
        return -1;
    size_t pos = m_str.find(psz, static_cast<size_t>(nStart));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

void CString::Format(const wchar_t* pszFormat, ...)
{
    std::vector<wchar_t> buf(64);
    for (;;)
    {
        va_list args;
        va_start(args, pszFormat);
        int n = std::vswprintf(buf.data(), buf.size(), pszFormat, args);
        va_end(args);
        if (n >= 0 && static_cast<size_t>(n) < buf.size())
        {
            m_str.assign(buf.data(), static_cast<size_t>(n));
            return;
        }
        if (buf.size() >= (1u << 20))
        {
            m_str.clear();
            return;
        }
        buf.resize(buf.size() * 4);
    }
}

CString operator+(const CString& a, const CString& b)
{
    return CString(a.str() + b.str());
}

CString operator+(const CString& a, const wchar_t* b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const wchar_t* a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
bool operator==(const CString& a, const wchar_t* b) { return a.Compare(b) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
bool operator<(const CString& a, const CString& b) { return a.str() < b.str(); }
