#pragma once
// Ordered array of object pointers; destroying it frees only its own storage.
#include <vector>

#include "CObject.h"
#include "WinTypes.h"

class CObArray
{
public:
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_items.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }

    CObject* GetAt(INT_PTR nIndex) const { return m_items[static_cast<size_t>(nIndex)]; }
    CObject*& ElementAt(INT_PTR nIndex) { return m_items[static_cast<size_t>(nIndex)]; }
    CObject* operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    CObject*& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
    void SetAt(INT_PTR nIndex, CObject* p) { m_items[static_cast<size_t>(nIndex)] = p; }

    INT_PTR Add(CObject* p)
    {
        m_items.push_back(p);
        return GetSize() - 1;
    }
    void InsertAt(INT_PTR nIndex, CObject* p)
    {
        m_items.insert(m_items.begin() + nIndex, p);
    }
    // Later entries move down by nCount.
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        m_items.erase(m_items.begin() + nIndex, m_items.begin() + nIndex + nCount);
    }
    void RemoveAll()
    {
        m_items.clear();
        m_items.shrink_to_fit();
    }
    void FreeExtra() { m_items.shrink_to_fit(); }

private:
    std::vector<CObject*> m_items;
};
