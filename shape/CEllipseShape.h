#pragma once
// An ellipse, or its part from m_dStartParam to m_dEndParam.
#include "shape/CShape.h"
#include "shape/PolyData.h"

class CEllipseShape : public CShape
{
public:
    void Recalc() override;
    CShape* Clone() const override;
    void Move(double dx, double dy) override;
    void Turn(double cx, double cy, double angle) override;

    // The ellipse as points, at most 0.05 drawing units off the curve and at most 4096 points.
    // A whole turn (a sweep of 2*pi or more, or none) is closed without a repeated end point;
    // a part is open with both ends. An end parameter below the start runs through 2*pi.
    // m_nAux holds the number of segments: the count when closed, one less when open.
    // A non-finite field gives an empty record.
    virtual void GetPolyData(POLYDATA& record);

    double m_dCenterX = 0.0;
    double m_dCenterY = 0.0;
    double m_dMajor = 0.0;
    double m_dMinor = 0.0;
    double m_dAngle = 0.0;
    double m_dStartParam = 0.0;
    double m_dEndParam = 6.283185307179586;
};
