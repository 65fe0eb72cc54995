#pragma once
// A circle, or the counter-clockwise arc from m_dStartAngle to m_dEndAngle (radians).
#include "shape/CShape.h"
#include "shape/Geometry.h"

class RIVEZOZER_API CCircleShape : public CShape
{
  public:
    // m_rcBound of an arc encloses the arc itself: its end points and the axis points it passes.
    void Recalc() override;
    CShape* Clone() const override;
    void Move(double dx, double dy) override;
    void Turn(double cx, double cy, double angle) override;

    double m_dRadius = 0.0;
    double m_dCenterX = 0.0;
    double m_dCenterY = 0.0;
    double m_dStartAngle = 0.0;
    double m_dEndAngle = kTwoPi;
};
