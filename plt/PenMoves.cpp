#include <memory>

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
// ReadXY_POLYLINE on a label the caller keeps: the polyline readers pass the current command
// without the copy a by-value call makes.
int AddPenPoints(CKVPlt& plt, const CString& label, CPolylineShape* pPoly, int bRelative)
{
    if (label.GetLength() <= 2)
        return 0;
    const int values =
        MovePen(plt, label, bRelative, [&] { pPoly->Add(plt.m_dPenX, plt.m_dPenY, 1); });
    if (values % 2 == 1) // a lone X keeps the old Y
        pPoly->Add(plt.m_dPenX, plt.m_dPenY, 1);
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
int GatherPolyline(CKVPlt& plt, int bRelative, bool fromPen, CPolylineShape& gathered)
{
    const int layer = plt.GetLayer(plt.m_strPen);
    gathered.m_nCount = 0;
    if (fromPen)
        gathered.Add(plt.m_dPenX, plt.m_dPenY, 1);
    AddPenPoints(plt, plt.m_strLabel, &gathered, bRelative);
    for (;;)
    {
        if (!plt.ReadLabel())
            return 0;
        int relative = 0;
        if (!ContinuesPolyline(plt.m_strLabel, relative))
            break;
        plt.m_nDrawState = 1;
        AddPenPoints(plt, plt.m_strLabel, &gathered, relative);
    }
    if (gathered.m_nCount >= 2)
    {
        auto line = std::make_unique<CPolylineShape>();
        line->m_nLayer = layer;
        line->m_bClose = 0;
        line->AddPoints(gathered);
        line->m_nLineType = 1;
        line->Recalc();
        plt.m_arrShape.Add(line.release());
    }
    return 1;
}
} // namespace

int CKVPlt::ReadPolyline(int bRelative)
{
    return GatherPolyline(*this, bRelative, false, m_Gathered);
}

int CKVPlt::ReadPolylineEx(int bRelative)
{
    return GatherPolyline(*this, bRelative, true, m_Gathered);
}
