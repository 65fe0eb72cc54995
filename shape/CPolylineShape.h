#pragma once
// A run of points, open or closed.
#include "shape/CShape.h"

class RIVEZOZER_API CPolylineShape : public CShape
{
  public:
    CPolylineShape() = default;
    CPolylineShape(const CPolylineShape& other);
    CPolylineShape& operator=(const CPolylineShape&) = delete;
    ~CPolylineShape() override;

    void Recalc() override;
    CShape* Clone() const override;
    void Move(double dx, double dy) override;
    void Turn(double cx, double cy, double angle) override;

    // Appends a point; nFlag (1 outline, 0 spline control point) is accepted and not kept.
    // The arrays grow geometrically, and may also have been set directly by the caller.
    // Inline while there is room, as the importers append nearly every point that way.
    void Add(double x, double y, int nFlag)
    {
        if (m_nCount >= 0 && m_pX == m_pOwnX && m_nCount < m_nCapacity)
        {
            m_pX[m_nCount] = x;
            m_pY[m_nCount] = y;
            ++m_nCount;
        }
        else
            AddGrowing(x, y, nFlag);
    }
    void DeletePoint(int nIndex);
    // Adds the points of other, each as Add(x, y, 1), with room for them made at once: how an
    // importer stores a polyline that it gathered point by point in one it keeps for that.
    void AddPoints(const CPolylineShape& other);

    // Replaces the control points by points of the B-spline curve of that degree: clamped
    // uniform knots, or the given knots when they are valid for the control points.
    void BasicSpline(int nDegree);
    void BasicSpline(int nDegree, int nKnots, double* pKnots);

    int m_nCount = 0;
    int m_nAux = 0;
    int m_bClose = 0;
    double* m_pX = nullptr;
    double* m_pY = nullptr;

  private:
    void AddGrowing(double x, double y, int nFlag);
    void Reserve(int nCapacity);

    int m_nCapacity = 0;
    const double* m_pOwnX = nullptr; // the array m_nCapacity describes
};
