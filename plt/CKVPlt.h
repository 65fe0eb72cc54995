#pragma once
// Reads an HPGL plotter file: pen moves gathered into polylines, arcs and circles as circle
// shapes, scaled by the unit mode's factors. The host takes the shapes out of m_arrShape.
#include "platform/Afx.h"
#include "shape/Shape.h"

class RIVEZOZER_API CKVPlt
{
  public:
    CKVPlt();
    ~CKVPlt();

    int Open(CString path);
    void clear();
    int ReadLabel();
    int Read();
    int GetLayer(CString name);
    int GetLayer(int n);

    int ReadXY(CString label, int bRelative);
    int ReadXY_POLYLINE(CString label, CPolylineShape* pPoly, int bRelative);
    int ReadPolyline(int bRelative);
    int ReadPolylineEx(int bRelative);

    int ReadArc(int bRelative);
    int ReadCircle(int n);
    double CalcAngle(double x1, double y1, double x2, double y2);

    CString m_strLabel;
    FILE* m_pFile;
    CObArray m_arrShape;
    CObArray m_arrShape2;
    int m_nPen;
    CString m_strPen;
    int m_nDrawState;
    wchar_t m_chPending;
    double m_dPenX;
    double m_dPenY;
    int m_nUnitMode;
    CKVLayers m_Layers;

  private:
    // The points of the polyline being read, kept from one polyline to the next so that each
    // stored polyline is allocated once, at its size.
    CPolylineShape m_Gathered;

    CKVPlt(const CKVPlt&) = delete;
    CKVPlt& operator=(const CKVPlt&) = delete;
};
