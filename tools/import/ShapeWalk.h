#pragma once
// The numbering the contour check and the part builder share: shape i of the import is number
// i, a body's children sharing it; then every child of the inserts, insert after insert, depth
// first, has a number of its own.
#include <cstddef>

#include "Import.h"
#include "ShapeKind.h"

// Calls visit(shape, number) for every shape within object that is not a body.
template <class Visit> void VisitNumbered(const CObject& object, int number, Visit& visit)
{
    if (KindOf(object) != ShapeKind::Body)
    {
        visit(object, number);
        return;
    }
    const auto& body = static_cast<const CBodyShape&>(object);
    for (INT_PTR i = 0; i < body.m_arrShape.GetSize(); ++i)
        if (body.m_arrShape[i])
            VisitNumbered(*body.m_arrShape[i], number, visit);
}

// The import's shapes from..to, shape i numbered i.
template <class Visit>
void VisitShapes(const OwnedShapes& shapes, std::size_t from, std::size_t to, Visit&& visit)
{
    for (std::size_t i = from; i < to; ++i)
        VisitNumbered(*shapes[i], static_cast<int>(i), visit);
}

// The children of an insert, numbered from next on; the number after the last of them.
template <class Visit> int VisitInsertChildren(const CObject& insert, int next, Visit&& visit)
{
    if (KindOf(insert) != ShapeKind::Body)
        return next;
    const auto& body = static_cast<const CBodyShape&>(insert);
    for (INT_PTR i = 0; i < body.m_arrShape.GetSize(); ++i)
    {
        const CObject* child = body.m_arrShape[i];
        if (child && KindOf(*child) == ShapeKind::Body)
            next = VisitInsertChildren(*child, next, visit);
        else if (child)
            visit(*child, next++);
    }
    return next;
}
