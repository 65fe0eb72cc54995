#include <memory>
#include <vector>

#include "dxf/CKVDxf.h"
#include "dxf/EntityRules.h"

int CKVDxf::ReadSpline()
{
    if (!ReadLabel())
        return 0;
    auto line = std::make_unique<CPolylineShape>();
    line->m_bClose = 0;
    EntityLayers layers;
    int degree = 3, closed = 0;
    double x = 0.0; // a y before any x pairs with x 0
    // The list grows as groups 40 arrive, so a wild count in group 72 reserves nothing.
    bool hasKnots = false;
    long long knotCount = 0;
    std::vector<double> knots;
    auto onPair = [&](int code)
    {
        if (layers.Take(*this))
            return;
        switch (code)
        {
        case 10:
            x = _wtof(m_strValue) * m_Layers.m_dDxfScaleX;
            break;
        case 20:
            line->Add(x, _wtof(m_strValue) * m_Layers.m_dDxfScaleY, 0);
            break;
        case 40:
            if (hasKnots && static_cast<long long>(knots.size()) < knotCount)
                knots.push_back(_wtof(m_strValue));
            break;
        case 70:
            closed = _wtoi(m_strValue) % 2;
            break;
        case 71:
            degree = _wtoi(m_strValue);
            break;
        case 72:
            knotCount = _wtoi(m_strValue);
            hasKnots = knotCount >= 0;
            knots.clear();
            break;
        default:
            break;
        }
    };
    if (!ForEachEntityPair(*this, onPair))
        return 0;
    if (line->m_nCount < 2 || layers.Resolved() == -1)
        return 1;
    if (hasKnots)
        line->BasicSpline(degree, static_cast<int>(knots.size()), knots.data());
    else
        line->BasicSpline(degree);
    // The curve is made open; the flag only says how the finished points join.
    line->m_bClose = closed;
    StoreByLayerRule(*this, line.release(), layers);
    return 1;
}
