#include "diedxf/CKVDieDxf.h"

#include "diedxf/EntityRules.h"
#include "dxf/Bulge.h"
#include "dxf/PairValue.h"

CKVDieDxf::CKVDieDxf() : m_nCode(0), m_szLine{}, m_pFile(nullptr) {}

CKVDieDxf::~CKVDieDxf()
{
    Close();
    Clear();
    m_arrLayerColor1.RemoveAll();
    m_arrLayerColor7.RemoveAll();
}

int CKVDieDxf::Open(CString path)
{
    Close();
    m_pFile = _wfopen(path, L"r");
    return m_pFile ? 1 : 0;
}

void CKVDieDxf::Close()
{
    if (m_pFile)
    {
        fclose(m_pFile);
        m_pFile = nullptr;
    }
}

int CKVDieDxf::GetLabel()
{
    // 255 leaves 254 characters and the NUL; a longer line spills into the next read.
    return RvzReadTrimmedPair(m_pFile, m_szLine, 255, m_nCode, m_strValue);
}

void CKVDieDxf::Clear()
{
    for (INT_PTR i = m_arrShape.GetSize() - 1; i >= 0; --i)
    {
        CObject* shape = m_arrShape.GetAt(i);
        m_arrShape.RemoveAt(i);
        delete shape;
    }
}

int CKVDieDxf::ReadToEntities()
{
    return ReadLayer();
}

int CKVDieDxf::ReadData()
{
    const RvzDecimalPointHeld decimalPoint; // asked of the locale once for the whole read
    if (!ReadLayer() || !GetLabel())
        return 0;
    while (!IsKeyword(m_strValue, L"ENDSEC"))
    {
        int result;
        if (IsKeyword(m_strValue, L"LINE"))
            result = Line();
        else if (IsKeyword(m_strValue, L"POLYLINE"))
            result = Polyline();
        else if (IsKeyword(m_strValue, L"SPLINE"))
            result = Spline();
        else if (IsKeyword(m_strValue, L"LWPOLYLINE"))
            result = Polygon();
        else if (IsKeyword(m_strValue, L"ARC"))
            result = ReadArc();
        else if (IsKeyword(m_strValue, L"CIRCLE"))
            result = ReadCircle();
        else
        {
            // Entities without a reader, SEQEND among them, pass over up to the next code 0.
            do
                result = GetLabel();
            while (result && m_nCode != 0);
        }
        if (!result)
            return 0;
    }
    return 1;
}

void CKVDieDxf::CalcTuEx(CPolylineShape* pShape, double dBulge, double x, double y)
{
    TessellateBulge(pShape, dBulge, x, y);
}
