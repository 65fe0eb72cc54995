#pragma once
// Base of the host's drawable shapes.
#include "platform/Afx.h"
#include "shape/WorldTransforms.h"

class RIVEZOZER_API CShape : public CObject, public CWorldTransforms
{
  public:
    CShape() = default;
    ~CShape() override = default;

    // Brings m_rcBound up to date: floor of the geometry's minimum and ceiling of its maximum,
    // in drawing units (top is the smaller y), clamped to the int range; all zero when empty.
    virtual void Recalc();

    // Used by CBodyShape to copy, move and turn its children.
    virtual CShape* Clone() const = 0;
    virtual void Move(double dx, double dy) = 0;
    virtual void Turn(double cx, double cy, double angle) = 0;

    // 1 when rect holds m_rcBound whole (a rubber-band selection), else 0.
    int MouseInRect(CRect rect) { return BoundInRect(m_rcBound, rect); }

    int m_nLineType = 0;
    int m_nLayer = 0;
    CRect m_rcBound;

  protected:
    // Sets m_rcBound to the rectangle enclosing [minX, maxX] x [minY, maxY].
    void SetBound(double minX, double minY, double maxX, double maxY);
};

// Turns (x, y) about (cx, cy) by angle radians.
void RotatePoint(double& x, double& y, double cx, double cy, double angle);
// The same turn by the angle whose cosine and sine are c and s, for turning many points.
inline void TurnPoint(double& x, double& y, double cx, double cy, double c, double s)
{
    const double dx = x - cx, dy = y - cy;
    x = cx + dx * c - dy * s;
    y = cy + dx * s + dy * c;
}
