#pragma once
// Helpers the die-layout entity readers share: pair loop and line-type rule.
#include "diedxf/CKVDieDxf.h"
#include "dxf/PairValue.h"

namespace diedxf
{

// Reads an entity from its first pair up to the pair for which ends() holds, handing every
// pair before it to act(); the shape (if any) is deleted and 0 returned when the file ends
// inside.
template <class Ends, class Act>
int ReadEntityPairs(CKVDieDxf& dxf, CShape* shape, Ends ends, Act act)
{
    if (!dxf.GetLabel())
    {
        delete shape;
        return 0;
    }
    while (!ends())
    {
        act();
        if (!dxf.GetLabel())
        {
            delete shape;
            return 0;
        }
    }
    return 1;
}

// GetLayer(name) for a name the caller keeps, without the copy a by-value call makes: 0 for a
// colour 1 layer, 1 for a colour 7 layer, -1 for any other name.
int FindLayer(const CKVDieDxf& dxf, const CString& name);

// Line type of an entity: an explicit colour 1 or 7 decides alone, colour 0 or 256 takes the
// layer's; -1 means the entity is not kept.
int LineTypeOf(int colour, int layerResult);

// Appends the shape with its line type, or deletes it when the type is -1; always 1.
int StoreShape(CObArray& shapes, CShape* shape, int lineType);
} // namespace diedxf
