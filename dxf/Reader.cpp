#include "dxf/CKVDxf.h"

#include <clocale>

#include "dxf/Bulge.h"
#include "dxf/PairValue.h"

namespace
{
// Deletes every shape of the array, from the last entry down.
void DeleteAll(CObArray& shapes)
{
    for (INT_PTR i = shapes.GetSize() - 1; i >= 0; --i)
    {
        CObject* p = shapes.GetAt(i);
        shapes.RemoveAt(i);
        delete p;
    }
}
} // namespace

CKVDxf::CKVDxf() : m_pFile(nullptr), m_nReserved(1), m_bInBlock(0) {}

CKVDxf::~CKVDxf()
{
    if (m_pFile)
    {
        fclose(m_pFile);
        m_pFile = nullptr;
    }
    clear();
}

int CKVDxf::Open(CString path)
{
    if (m_pFile)
        clear();
    m_pFile = _wfopen(path, L"r");
    setlocale(LC_ALL, "");
    return m_pFile ? 1 : 0;
}

int CKVDxf::ReadLabel()
{
    return RvzReadTrimmedPair(m_pFile, m_szLine, 2048, m_nCode, m_strValue);
}

int CKVDxf::GetCode(CString text, int& code, CString& name)
{
    name = L"";
    int hash = text.Find(L'#');
    if (text.IsEmpty() || hash < 0)
        return 0;
    code = _wtoi(text.Mid(hash + 1));
    name = text.Left(hash);
    return 1;
}

void CKVDxf::clear()
{
    if (m_pFile)
    {
        fclose(m_pFile);
        m_pFile = nullptr;
    }
    DeleteAll(m_arrTemp);
    DeleteAll(m_arrBlock);
    m_arrLayer.RemoveAll();
}

int CKVDxf::clearTemp()
{
    DeleteAll(m_arrTemp);
    return 0;
}

void CKVDxf::CalcTuEx(CPolylineShape* pShape, double dBulge, double x, double y)
{
    TessellateBulge(pShape, dBulge, x, y);
}
