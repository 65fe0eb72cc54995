#pragma once
// Coordinate transforms between the world (doubles, y up) and a window's client area or a
// printer page (ints, y down), shared by CShape and CBodyShape. Doubles become ints by
// truncation toward zero (TruncateToInt), after the origin has been added; the differences of ints
// are formed before the division. A scale of 0 is not guarded.
#include "platform/CPoint.h"
#include "platform/CRect.h"
#include "platform/Export.h"
#include "shape/IntArithmetic.h"

class RIVEZOZER_API CWorldTransforms
{
  public:
    CPoint W2C(double dX, double dY, double dScale, CPoint ptOrg)
    {
        return CPoint(TruncateToInt(dX * dScale + ptOrg.x), TruncateToInt(ptOrg.y - dY * dScale));
    }
    void C2W(double& dX, double& dY, CPoint pt, double dScale, CPoint ptOrg)
    {
        dX = static_cast<double>(WrappingDifference(pt.x, ptOrg.x)) / dScale;
        dY = static_cast<double>(WrappingDifference(ptOrg.y, pt.y)) / dScale;
    }
    CPoint W2P(double dX, double dY, double dScaleX, double dScaleY, int nOrgX, int nOrgY)
    {
        return CPoint(TruncateToInt(dX * dScaleX + nOrgX), TruncateToInt(nOrgY - dY * dScaleY));
    }
    void P2W(double& dX, double& dY, CPoint pt, double dScaleX, double dScaleY, int nOrgX,
             int nOrgY)
    {
        dX = static_cast<double>(WrappingDifference(pt.x, nOrgX)) / dScaleX;
        dY = static_cast<double>(WrappingDifference(nOrgY, pt.y)) / dScaleY;
    }

  protected:
    // 1 when the selection rectangle holds the bounding rectangle whole, touching edges
    // included; an all-zero bound is held by every rectangle.
    static int BoundInRect(const CRect& bound, CRect rect)
    {
        CRect common;
        IntersectRect(&common, &rect, &bound);
        return EqualRect(&common, &bound) ? 1 : 0;
    }
};
