#pragma once
// A line of text at an insertion point.
#include "shape/CShape.h"

class RIVEZOZER_API CTextShape : public CShape
{
  public:
    // m_rcBound encloses the insertion point and the turned box of height by estimated width.
    void Recalc() override;
    CShape* Clone() const override;
    void Move(double dx, double dy) override;
    void Turn(double cx, double cy, double angle) override;

    // The corners of the turned box of height by estimated width, the insertion point first.
    void GetBoxCorners(double xs[4], double ys[4]) const;

    double m_dX = 0.0;
    double m_dY = 0.0;
    CString m_strStyle;
    CString m_strText;
    double m_dWidthFactor = 1.0;
    double m_dAngle = 0.0;
    double m_dHeight = 0.0;
};
