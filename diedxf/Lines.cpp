#include "diedxf/CKVDieDxf.h"

#include "diedxf/EntityRules.h"
#include "shape/Geometry.h"

namespace
{
double Radians(const CString& degrees)
{
    return DegreesToRadians(_wtof(degrees));
}

// ARC and CIRCLE share their record; only an arc takes the angles 50 and 51.
int ReadRound(CKVDieDxf& dxf, bool withAngles)
{
    CCircleShape* shape = new CCircleShape;
    int colour = 0, layer = -1;
    const CString& value = dxf.m_strValue;
    int read = diedxf::ReadEntityPairs(
        dxf, shape, [&] { return dxf.m_nCode == 0; },
        [&]
        {
            switch (dxf.m_nCode)
            {
            case 8:
                layer = diedxf::FindLayer(dxf, value);
                break;
            case 10:
                shape->m_dCenterX = _wtof(value);
                break;
            case 20:
                shape->m_dCenterY = _wtof(value);
                break;
            case 40:
                shape->m_dRadius = _wtof(value);
                break;
            case 50:
                if (withAngles)
                    shape->m_dStartAngle = Radians(value);
                break;
            case 51:
                if (withAngles)
                    shape->m_dEndAngle = Radians(value);
                break;
            case 62:
                colour = _wtoi(value);
                break;
            }
        });
    if (!read)
        return 0;
    return diedxf::StoreShape(dxf.m_arrShape, shape, diedxf::LineTypeOf(colour, layer));
}
} // namespace

int CKVDieDxf::Line()
{
    CPolylineShape* shape = new CPolylineShape;
    double x = 0.0; // a y before any x pairs with 0
    int colour = 0, layer = -1;
    int read = diedxf::ReadEntityPairs(
        *this, shape, [&] { return m_nCode == 0; },
        [&]
        {
            switch (m_nCode)
            {
            case 8:
                layer = diedxf::FindLayer(*this, m_strValue);
                break;
            case 10:
            case 11:
                x = _wtof(m_strValue);
                break;
            case 20:
            case 21:
                shape->Add(x, _wtof(m_strValue), 1);
                break;
            case 62:
                colour = _wtoi(m_strValue);
                break;
            }
        });
    if (!read)
        return 0;
    return diedxf::StoreShape(m_arrShape, shape, diedxf::LineTypeOf(colour, layer));
}

int CKVDieDxf::ReadArc()
{
    return ReadRound(*this, true);
}

int CKVDieDxf::ReadCircle()
{
    return ReadRound(*this, false);
}
