#include "diedxf/CKVDieDxf.h"

#include "diedxf/EntityRules.h"

namespace
{
// Colour and layer of a many-point entity: its first code-8 pair names the layer, so the
// layers of its vertices are ignored, while every code-62 pair counts, the last one winning.
struct LineClass
{
    int colour = 0;
    int layer = -1;
    bool layerTaken = false;

    void Take(CKVDieDxf& dxf)
    {
        if (dxf.m_nCode == 62)
            colour = _wtoi(dxf.m_strValue);
        else if (dxf.m_nCode == 8 && !layerTaken)
        {
            layer = diedxf::FindLayer(dxf, dxf.m_strValue);
            layerTaken = true;
        }
    }
    int LineType() const { return diedxf::LineTypeOf(colour, layer); }
};

// The bulge still pending after the last vertex closes the outline back to the first point.
void AddClosingPiece(CKVDieDxf& dxf, CPolylineShape* shape, bool pending, double bulge)
{
    if (pending && shape->m_nCount > 0)
        dxf.CalcTuEx(shape, bulge, shape->m_pX[0], shape->m_pY[0]);
}

// A vertex's y: the arc of the pending bulge ends here, otherwise a plain point.
void AddVertex(CKVDieDxf& dxf, CPolylineShape* shape, bool& pending, double bulge, double x,
               double y)
{
    if (pending)
    {
        pending = false;
        dxf.CalcTuEx(shape, bulge, x, y);
    }
    else
        shape->Add(x, y, 1);
}

// Starts gathering the points of an entity in the importer's polyline kept for that.
CPolylineShape* Gathering(CPolylineShape& gathered, int bClose)
{
    gathered.m_nCount = 0;
    gathered.m_bClose = bClose;
    return &gathered;
}

// Stores a polyline made at the number of the gathered points, as they were read.
int StoreGathered(CObArray& shapes, const CPolylineShape& gathered, int lineType)
{
    auto* shape = new CPolylineShape;
    shape->m_bClose = gathered.m_bClose;
    shape->AddPoints(gathered);
    return diedxf::StoreShape(shapes, shape, lineType);
}
} // namespace

int CKVDieDxf::Polyline()
{
    CPolylineShape* shape = Gathering(m_Gathered, 0);
    LineClass lineClass;
    double x = 0.0, bulge = 0.0;
    bool pending = false, skipNextY = false, closed = false;
    // The header's 66 marks its placeholder point, whose y is passed over.
    int read = diedxf::ReadEntityPairs(
        *this, nullptr, [&] { return IsKeyword(m_strValue, L"SEQEND"); },
        [&]
        {
            lineClass.Take(*this);
            if (m_nCode == 10)
                x = _wtof(m_strValue);
            else if (m_nCode == 20 && skipNextY)
                skipNextY = false;
            else if (m_nCode == 20)
                AddVertex(*this, shape, pending, bulge, x, _wtof(m_strValue));
            else if (m_nCode == 42)
            {
                bulge = _wtof(m_strValue);
                pending = true;
            }
            else if (m_nCode == 66)
                skipNextY = true;
            else if (m_nCode == 70 && _wtoi(m_strValue) == 1)
                closed = true;
        });
    if (!read)
        return 0;
    int lineType = lineClass.LineType();
    if (lineType >= 0)
    {
        AddClosingPiece(*this, shape, pending, bulge);
        if (closed)
            shape->m_bClose = 1;
    }
    return StoreGathered(m_arrShape, *shape, lineType);
}

int CKVDieDxf::Polygon()
{
    CPolylineShape* shape = Gathering(m_Gathered, 1);
    LineClass lineClass;
    double x = 0.0, bulge = 0.0;
    bool pending = false, dropFirstPoint = false;
    int read = diedxf::ReadEntityPairs(
        *this, nullptr,
        [&] {
            return IsKeyword(m_strValue, L"SEQEND") ||
                   (m_nCode == 0 && !IsKeyword(m_strValue, L"VERTEX"));
        },
        [&]
        {
            lineClass.Take(*this);
            if (m_nCode == 10)
                x = _wtof(m_strValue);
            else if (m_nCode == 20)
                AddVertex(*this, shape, pending, bulge, x, _wtof(m_strValue));
            else if (m_nCode == 42)
            {
                bulge = _wtof(m_strValue);
                pending = true;
            }
            else if (m_nCode == 66)
                dropFirstPoint = true;
        });
    if (!read)
        return 0;
    int lineType = lineClass.LineType();
    if (lineType >= 0)
    {
        if (dropFirstPoint)
            shape->DeletePoint(0);
        AddClosingPiece(*this, shape, pending, bulge);
    }
    return StoreGathered(m_arrShape, *shape, lineType);
}

int CKVDieDxf::Spline()
{
    CPolylineShape* shape = new CPolylineShape;
    shape->m_bClose = 1;
    LineClass lineClass;
    double x = 0.0;
    // Only the control points are kept, as the corners of a closed outline.
    int read = diedxf::ReadEntityPairs(
        *this, shape, [&] { return m_nCode == 0; },
        [&]
        {
            lineClass.Take(*this);
            if (m_nCode == 10)
                x = _wtof(m_strValue);
            else if (m_nCode == 20)
                shape->Add(x, _wtof(m_strValue), 1);
        });
    if (!read)
        return 0;
    return diedxf::StoreShape(m_arrShape, shape, lineClass.LineType());
}
