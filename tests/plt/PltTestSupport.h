#pragma once
// Reads inline HPGL with CKVPlt, at factors 1 unless told otherwise, and owns the shapes.
#include <string>

#include "plt/CKVPlt.h"
#include "support/TempFile.h"

struct PlottedFile
{
    explicit PlottedFile(const std::string& text, int unitMode = 0, double factor = 1.0)
        : file(text, ".plt")
    {
        plt.m_Layers.m_dPltScaleX = plt.m_Layers.m_dPltScaleY = factor;
        plt.m_nUnitMode = unitMode;
        if (plt.Open(CString(file.WidePath().c_str())))
            result = plt.Read();
    }
    ~PlottedFile()
    {
        for (INT_PTR i = 0; i < plt.m_arrShape.GetSize(); ++i)
            delete plt.m_arrShape[i];
    }
    INT_PTR Count() const { return plt.m_arrShape.GetSize(); }
    CPolylineShape* Line(INT_PTR i) { return dynamic_cast<CPolylineShape*>(plt.m_arrShape[i]); }
    CCircleShape* Circle(INT_PTR i) { return dynamic_cast<CCircleShape*>(plt.m_arrShape[i]); }

    TempFile file;
    CKVPlt plt;
    int result = -1;
};

// The points of a polyline as "x,y x,y ...", for comparing whole point lists at once.
inline std::string PointsOf(const CPolylineShape* line)
{
    std::string text;
    for (int i = 0; line && i < line->m_nCount; ++i)
    {
        char point[64];
        std::snprintf(point, sizeof point, "%s%g,%g", i ? " " : "", line->m_pX[i], line->m_pY[i]);
        text += point;
    }
    return text;
}
