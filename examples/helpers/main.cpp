// A host's use of the shape helpers: screen transforms, rubber-band selection, ellipse points,
// packed nesting angles and the polygon tests.
#include <cstdio>

#include "shape/Shape.h"

int main()
{
    CPolylineShape square;
    for (auto [x, y] : {std::pair{0.0, 0.0}, {10.0, 0.0}, {10.0, 10.0}, {0.0, 10.0}})
        square.Add(x, y, 1);
    square.Recalc();

    // Where the square's far corner lands in a window, and back.
    CPoint corner = square.W2C(10, 10, 4.0, CPoint(20, 100));
    double x = 0, y = 0;
    square.C2W(x, y, corner, 4.0, CPoint(20, 100));
    std::printf("corner: window (%d, %d), world (%g, %g)\n", corner.x, corner.y, x, y);

    std::printf("selected: %d\n", square.MouseInRect(CRect(-1, -1, 11, 11)));

    CEllipseShape ellipse;
    ellipse.EllipsePoint(0.5, 0, 0, 3, 2, x, y);
    std::printf("ellipse point: (%.3f, %.3f)\n", x, y);

    CBodyType type;
    type.SetAngle(370.5, 725);
    std::printf("angles: %g and %g\n", type.GetSingleAngle(), type.GetMulAngle());

    CKVEdage edge;
    CKVMathPoly poly;
    std::printf("between: %d, edge: %g, turn: %g, convex: %d\n", edge.IsMiddle(5, 0, 10),
                edge.PTP(0, 0, 10, 10), poly.Corss(0, 0, 10, 0, 10, 10), poly.IsConvx(4.0, 1.0));
    return 0;
}
