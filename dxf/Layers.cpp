#include "dxf/CKVDxf.h"
#include "dxf/EntityRules.h"

#include <cwchar>

int CKVDxf::AddLayer()
{
    if (!ReadLabel())
        return 0;
    CString name;
    int color = -1;
    int accepted = 1;
    while (m_nCode != 0)
    {
        switch (m_nCode)
        {
        case 2:
            name = m_strValue;
            break;
        case 62:
            color = _wtoi(m_strValue);
            break;
        case 70:
            if (_wtoi(m_strValue) == 1)
                accepted = 0;
            break;
        default:
            break;
        }
        if (!ReadLabel())
            return 0;
    }
    if (!accepted || color < 0)
        return 1;
    CString entry;
    entry.Format(L"%03d", color);
    m_arrLayer.Add(name + entry);
    return 1;
}

int CKVDxf::GetLayer(CString name, int& color)
{
    return FindLayer(*this, name, color);
}

int FindLayer(const CKVDxf& dxf, const CString& name, int& color)
{
    for (INT_PTR i = 0; i < dxf.m_arrLayer.GetSize(); ++i)
    {
        // The entry's name is all but its three colour digits; compared in place, not copied.
        const CString& entry = dxf.m_arrLayer[i];
        const int nameLength = entry.GetLength() > 3 ? entry.GetLength() - 3 : 0;
        if (name.GetLength() == nameLength && wcsncmp(entry, name, nameLength) == 0)
        {
            color = _wtoi(entry.Right(3));
            return 1;
        }
    }
    return 0;
}

int CKVDxf::GetLayer(int /*color*/)
{
    return 1;
}

namespace
{
bool IsSectionAfterTables(const CString& value)
{
    return value.CompareNoCase(L"ENTITIES") == 0 || value.CompareNoCase(L"BLOCKS") == 0;
}
} // namespace

int CKVDxf::ReadLayer()
{
    if (!ReadLabel())
        return 0;
    while (m_strValue.CompareNoCase(L"TABLE") != 0)
    {
        if (IsSectionAfterTables(m_strValue))
            return 1;
        if (!ReadLabel())
            return 0;
    }
    for (;;)
    {
        if (m_strValue.CompareNoCase(L"BLOCKS") == 0)
            return 1;
        int result = m_strValue.CompareNoCase(L"LAYER") == 0 ? AddLayer() : ReadLabel();
        if (!result)
            return 0;
        if (m_strValue.CompareNoCase(L"ENTITIES") == 0)
            return 1;
    }
}
