#pragma once
// A named group of shapes, such as a block; it owns its children.
#include "shape/CShape.h"

class RIVEZOZER_API CBodyShape : public CObject, public CWorldTransforms
{
  public:
    CBodyShape() = default;
    CBodyShape(const CBodyShape&) = delete;
    CBodyShape& operator=(const CBodyShape&) = delete;
    ~CBodyShape() override;

    // Moves the base point and every child.
    virtual void Offset(double dx, double dy);
    // Turns the base point and every child about (cx, cy) by angle radians.
    virtual void Rotate(double cx, double cy, double angle);

    // m_rcBound = the union of the children's bounding rectangles.
    void CalcRect();
    // A new deep copy, owned by the caller.
    CBodyShape* CopyBodyShape() const;

    // 1 when rect holds m_rcBound whole (a rubber-band selection), else 0.
    int MouseInRect(CRect rect) { return BoundInRect(m_rcBound, rect); }

    CObArray m_arrShape;
    CString m_strName;
    double m_dBaseX = 0.0;
    double m_dBaseY = 0.0;
    int m_nState = 0;
    CRect m_rcBound;
};
