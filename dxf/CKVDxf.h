#pragma once
// The general DXF importer: layer table, blocks and inserts, and the drawing's entities.
#include "platform/Afx.h"
#include "shape/Shape.h"

class RIVEZOZER_API CKVDxf
{
  public:
    CKVDxf();
    ~CKVDxf();
    CKVDxf(const CKVDxf&) = delete;
    CKVDxf& operator=(const CKVDxf&) = delete;

    // Object and pair reader
    // Open sets the whole process to the user's locale, whose decimal point the numbers are
    // then read by: under a decimal-comma locale a host that wants "0.5" read as 0.5 calls
    // setlocale(LC_NUMERIC, "C") after Open.
    int Open(CString path);
    int ReadLabel();
    int GetCode(CString text, int& code, CString& name);
    void clear();
    int clearTemp();

    // Section driver and entity dispatch
    int Read();
    int ReadEntities();
    int ReadLine();

    // Layer table
    int ReadLayer();
    int AddLayer();
    int GetLayer(CString name, int& color);
    int GetLayer(int color);

    // Blocks and inserts
    int Read_C();
    int ReadBlock();
    int ReadInsert();

    // Text and image
    int ReadText();
    int ReadImage();

    // Curves
    void CalcTuEx(CPolylineShape* pShape, double dBulge, double x, double y);
    int ReadPolyline();
    int ReadLWPolyline();
    int ReadCircle();
    int ReadArc();
    int ReadEllipse();
    int ReadSpline();

    int m_nCode;
    CString m_strValue;
    wchar_t m_szLine[2048];
    FILE* m_pFile;
    CObArray m_arrShape;
    CObArray m_arrInsert;
    CStringArray m_arrLayer;
    CKVLayers m_Layers;
    int m_nReserved;
    CObArray m_arrTemp;
    CObArray m_arrBlock;
    int m_bInBlock;

  private:
    // The points of the polyline being read, kept from one polyline to the next so that each
    // stored polyline is allocated once, at its size.
    CPolylineShape m_Gathered;
};
