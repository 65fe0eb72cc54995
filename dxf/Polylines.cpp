#include "dxf/CKVDxf.h"
#include "dxf/EntityRules.h"
#include "dxf/PairValue.h"

namespace
{
bool IsSeqEnd(const CString& value)
{
    return IsKeyword(value, L"SEQEND");
}

// Both polyline forms: the header and its VERTEX records up to SEQEND, or the compact record
// up to the next entity. Bulges bend the segment after their vertex only when withBulges.
// The points are read into gathered, then stored in a polyline of their number.
int ReadPolylineEntity(CKVDxf& dxf, bool withBulges, CPolylineShape& gathered)
{
    if (!dxf.ReadLabel())
        return 0;
    CPolylineShape* line = &gathered;
    line->m_nCount = 0;
    line->m_bClose = 0;
    EntityLayers layers;
    int unusedColor = 0;
    bool layerResolved = false, bulgePending = false, skipNextY = false;
    double x = 0.0; // a y before any x pairs with x 0
    double bulge = 0.0;
    bool ended = IsSeqEnd(dxf.m_strValue);
    while (!ended && !(dxf.m_nCode == 0 && !IsKeyword(dxf.m_strValue, L"VERTEX")))
    {
        switch (dxf.m_nCode)
        {
        case 8:
            if (!layerResolved)
                layers.byName = FindLayer(dxf, dxf.m_strValue, unusedColor);
            layerResolved = true;
            break;
        case 10:
            x = _wtof(dxf.m_strValue) * dxf.m_Layers.m_dDxfScaleX;
            break;
        case 20:
        {
            double y = _wtof(dxf.m_strValue) * dxf.m_Layers.m_dDxfScaleY;
            if (skipNextY)
                skipNextY = false; // the header's dummy point
            else if (bulgePending)
            {
                bulgePending = false;
                dxf.CalcTuEx(line, bulge, x, y);
            }
            else
                line->Add(x, y, 1);
            break;
        }
        case 42:
            if (withBulges)
            {
                bulge = _wtof(dxf.m_strValue);
                bulgePending = true;
            }
            break;
        case 62:
            layers.byColor = dxf.GetLayer(_wtoi(dxf.m_strValue));
            break;
        case 66:
            if (_wtoi(dxf.m_strValue) == 1)
                skipNextY = true;
            break;
        case 70:
            if (_wtoi(dxf.m_strValue) == 1)
                line->m_bClose = 1;
            break;
        default:
            break;
        }
        if (!dxf.ReadLabel())
            return 0;
        ended = IsSeqEnd(dxf.m_strValue);
    }
    if (line->m_nCount < 2)
        return 1;
    if (line->m_bClose == 1 && bulgePending)
        dxf.CalcTuEx(line, bulge, line->m_pX[0], line->m_pY[0]);
    auto* stored = new CPolylineShape;
    stored->m_bClose = line->m_bClose;
    stored->AddPoints(*line);
    StoreByLayerRule(dxf, stored, layers);
    return 1;
}
} // namespace

int CKVDxf::ReadLWPolyline()
{
    return ReadPolylineEntity(*this, true, m_Gathered);
}

int CKVDxf::ReadPolyline()
{
    return ReadPolylineEntity(*this, false, m_Gathered);
}
