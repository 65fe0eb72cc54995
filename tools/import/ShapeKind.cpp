#include "ShapeKind.h"

#include <typeinfo>

namespace
{
ShapeKind KindByCast(const CObject& object)
{
    if (dynamic_cast<const CBodyShape*>(&object))
        return ShapeKind::Body;
    if (dynamic_cast<const CPolylineShape*>(&object))
        return ShapeKind::Polyline;
    if (dynamic_cast<const CCircleShape*>(&object))
        return ShapeKind::Circle;
    if (dynamic_cast<const CEllipseShape*>(&object))
        return ShapeKind::Ellipse;
    if (dynamic_cast<const CTextShape*>(&object))
        return ShapeKind::Text;
    return ShapeKind::Other;
}
} // namespace

ShapeKind KindOf(const CObject& object)
{
    // Per thread, so that the contour check and the census may ask beside the summary.
    struct Known
    {
        const std::type_info* type;
        ShapeKind kind;
    };
    constexpr int kRemembered = 8;
    thread_local Known known[kRemembered];
    thread_local int count = 0;
    const std::type_info* type = &typeid(object);
    for (int i = 0; i < count; ++i)
        if (known[i].type == type)
            return known[i].kind;
    const ShapeKind kind = KindByCast(object);
    if (count < kRemembered)
        known[count++] = {type, kind};
    return kind;
}
