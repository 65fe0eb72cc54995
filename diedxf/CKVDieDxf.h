#pragma once
// The die-layout importer: line work only, sorted into two line types by colour or layer.
#include "platform/Afx.h"
#include "shape/Shape.h"

class RIVEZOZER_API CKVDieDxf
{
public:
    CKVDieDxf();
    virtual ~CKVDieDxf();
    CKVDieDxf(const CKVDieDxf&) = delete;
    CKVDieDxf& operator=(const CKVDieDxf&) = delete;

    // Object, file and pair reader
    int Open(CString path);
    void Close();
    int GetLabel();
    int ReadData();
    int ReadToEntities();
    void Clear();

    // Layer table and layer lookup: 0 for colour 1, 1 for colour 7, -1 for neither
    int ReadLayer();
    int AddLayer();
    int GetLayer(CString name);

    // Entities of one record
    int Line();
    int ReadArc();
    int ReadCircle();

    // Entities of many points
    int Polyline();
    int Polygon();
    int Spline();

    void CalcTuEx(CPolylineShape* pShape, double dBulge, double x, double y);

    CObArray m_arrShape;
    int m_nCode;
    CString m_strValue;
    wchar_t m_szLine[256];
    FILE* m_pFile;
    CStringArray m_arrLayerColor1;
    CStringArray m_arrLayerColor7;

  private:
    // The points of the polyline or polygon being read, kept from one to the next so that each
    // stored one is allocated once, at its size.
    CPolylineShape m_Gathered;
};
