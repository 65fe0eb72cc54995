#pragma once
// Steps every entity reader of CKVDxf shares.
#include "dxf/CKVDxf.h"
#include "shape/Geometry.h"

// GetLayer(name, color) for a name the caller keeps, without the copy a by-value call makes.
int FindLayer(const CKVDxf& dxf, const CString& name, int& color);

// Reads pairs, at least one, until the group code is 0; 0 when a read fails.
int SkipToNextEntity(CKVDxf& dxf);

// The two layers an entity may give: by the name of its group 8, by the colour of its 62.
struct EntityLayers
{
    int byName = -1;
    int byColor = -1;

    // Takes the current pair when it is a group 8 (every one, the last counts) or a group 62;
    // false for any other group.
    bool Take(CKVDxf& dxf);
    // The layer-and-colour rule: the colour layer wins over the name layer; -1 when neither.
    int Resolved() const { return byColor != -1 ? byColor : byName; }
};

// Calls onPair for the current pair and each further pair of the entity, up to the next
// group 0; 0 when the file ends inside the entity.
template <class OnPair> int ForEachEntityPair(CKVDxf& dxf, OnPair onPair)
{
    while (dxf.m_nCode != 0)
    {
        onPair(dxf.m_nCode);
        if (!dxf.ReadLabel())
            return 0;
    }
    return 1;
}

// Stores a shape by the layer-and-colour rule, or deletes it when the rule gives no layer.
// A kept shape gets the layer, line class 1 and Recalc, and goes to m_arrTemp inside a block
// definition, else to m_arrShape.
void StoreByLayerRule(CKVDxf& dxf, CShape* shape, const EntityLayers& layers);

typedef int (CKVDxf::*EntityReader)();

// The reader of an entity type name, or null for a type that is passed over; a block
// definition reads only LINE, POLYLINE, SPLINE, LWPOLYLINE, CIRCLE and ARC.
EntityReader FindEntityReader(const CString& value, bool blockEntitiesOnly);
