#pragma once
// The bulge arc tessellation both DXF importers share.
class CPolylineShape;

// Appends the arc of bulge dBulge from the polyline's last point to (x, y), ending exactly there.
void TessellateBulge(CPolylineShape* pShape, double dBulge, double x, double y);
