#include "shape/CPolylineShape.h"

void CPolylineShape::BasicSpline(int nDegree)
{
    BasicSpline(nDegree, 0, nullptr);
}

void CPolylineShape::BasicSpline(int /*nDegree*/, int /*nKnots*/, double* /*pKnots*/)
{
}
