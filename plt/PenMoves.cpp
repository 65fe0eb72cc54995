#include <memory>
#include <vector>

#include "plt/CKVPlt.h"
#include "plt/Mnemonic.h"
#include "plt/Parameters.h"

namespace
{
// Moves the pen by the values of a command, X and Y in turn; onPoint runs after each Y.
// Returns the number of values.
template <class OnPoint>
int MovePen(CKVPlt& plt, const CString& label, int bRelative, OnPoint onPoint)
{
    double sx = 0.0, sy = 0.0;
    UnitFactors(plt, sx, sy);
    bool isX = true;
    return ForEachPenValue(label,
                           [&](double value)
                           {
                               double& pen = isX ? plt.m_dPenX : plt.m_dPenY;
                               const double scaled = value * (isX ? sx : sy);
                               pen = bRelative == 1 ? pen + scaled : scaled;
                               if (!isX)
                                   onPoint();
                               isX = !isX;
                           });
}

bool ContinuesPolyline(const CString& label, int& bRelative)
{
    bRelative = IsMnemonic(label, L"PR") ? 1 : 0;
    return bRelative || IsMnemonic(label, L"PD") || IsMnemonic(label, L"PA");
}
} // namespace

int CKVPlt::ReadXY(CString label, int bRelative)
{
    MovePen(*this, label, bRelative, [] {});
    return ReadLabel();
}

namespace
{
// The points of a polyline while its commands are read, in the importer's arrays.
struct GatheredPoints
{
    std::vector<double>& x;
    std::vector<double>& y;
    void Add(double px, double py, int /*nFlag*/)
    {
        x.push_back(px);
        y.push_back(py);
    }
};

// ReadXY_POLYLINE on a label the caller keeps: the polyline readers pass the current command
// without the copy a by-value call makes.
template <class Points>
int AddPenPoints(CKVPlt& plt, const CString& label, Points* pPoints, int bRelative)
{
    if (label.GetLength() <= 2)
        return 0;
    const int values =
        MovePen(plt, label, bRelative, [&] { pPoints->Add(plt.m_dPenX, plt.m_dPenY, 1); });
    if (values % 2 == 1) // a lone X keeps the old Y
        pPoints->Add(plt.m_dPenX, plt.m_dPenY, 1);
    return 1;
}
} // namespace

int CKVPlt::ReadXY_POLYLINE(CString label, CPolylineShape* pPoly, int bRelative)
{
    return AddPenPoints(*this, label, pPoly, bRelative);
}

namespace
{
// Gathers the commands that continue a polyline begun by the current one, then stores it
// when it has two points. 0 when the file ends, which discards the polyline.
int GatherPolyline(CKVPlt& plt, int bRelative, bool fromPen, GatheredPoints points)
{
    const int layer = plt.GetLayer(plt.m_strPen);
    points.x.clear();
    points.y.clear();
    if (fromPen)
        points.Add(plt.m_dPenX, plt.m_dPenY, 1);
    AddPenPoints(plt, plt.m_strLabel, &points, bRelative);
    for (;;)
    {
        if (!plt.ReadLabel())
            return 0;
        int relative = 0;
        if (!ContinuesPolyline(plt.m_strLabel, relative))
            break;
        plt.m_nDrawState = 1;
        AddPenPoints(plt, plt.m_strLabel, &points, relative);
    }
    const int count = static_cast<int>(points.x.size());
    if (count >= 2)
    {
        auto line = std::make_unique<CPolylineShape>();
        line->m_nLayer = layer;
        line->m_bClose = 0;
        line->Reserve(count);
        for (int i = 0; i < count; ++i)
            line->Add(points.x[static_cast<size_t>(i)], points.y[static_cast<size_t>(i)], 1);
        line->m_nLineType = 1;
        line->Recalc();
        plt.m_arrShape.Add(line.release());
    }
    return 1;
}
} // namespace

int CKVPlt::ReadPolyline(int bRelative)
{
    return GatherPolyline(*this, bRelative, false, {m_arrGatherX, m_arrGatherY});
}

int CKVPlt::ReadPolylineEx(int bRelative)
{
    return GatherPolyline(*this, bRelative, true, {m_arrGatherX, m_arrGatherY});
}
