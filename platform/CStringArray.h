#pragma once
// Ordered array of wide strings.
#include <vector>

#include "CString.h"

class CStringArray
{
public:
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_items.empty(); }

    const CString& GetAt(INT_PTR nIndex) const { return m_items[static_cast<size_t>(nIndex)]; }
    CString& ElementAt(INT_PTR nIndex) { return m_items[static_cast<size_t>(nIndex)]; }
    const CString& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    CString& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
    void SetAt(INT_PTR nIndex, const CString& s) { m_items[static_cast<size_t>(nIndex)] = s; }

    INT_PTR Add(const CString& s)
    {
        m_items.push_back(s);
        return GetSize() - 1;
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        m_items.erase(m_items.begin() + nIndex, m_items.begin() + nIndex + nCount);
    }
    void RemoveAll()
    {
        m_items.clear();
        m_items.shrink_to_fit();
    }

private:
    std::vector<CString> m_items;
};
