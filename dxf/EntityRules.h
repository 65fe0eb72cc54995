#pragma once
// Steps every entity reader of CKVDxf shares.
#include "dxf/CKVDxf.h"

// Reads pairs, at least one, until the group code is 0; 0 when a read fails.
int SkipToNextEntity(CKVDxf& dxf);

// The layer-and-colour rule: the colour layer wins over the name layer; -1 when neither.
inline int LayerByRule(int nameLayer, int colorLayer)
{
    return colorLayer != -1 ? colorLayer : nameLayer;
}

// Stores a shape by the layer-and-colour rule; a shape with neither layer is deleted. A kept shape
// gets the layer, line class 1 and Recalc, and goes to m_arrTemp inside a block definition, else to
// m_arrShape.
void StoreByLayerRule(CKVDxf& dxf, CShape* shape, int nameLayer, int colorLayer);

typedef int (CKVDxf::*EntityReader)();

// The reader of an entity type name, or null for a type that is passed over; a block
// definition reads only LINE, POLYLINE, SPLINE, LWPOLYLINE, CIRCLE and ARC.
EntityReader FindEntityReader(const CString& value, bool blockEntitiesOnly);

// Degrees as a file gives them, to radians: divided by 180.0 first, then times pi.
inline double DegreesToRadians(double degrees)
{
    return degrees / 180.0 * 3.141592653589793;
}
