#include "dxf/CKVDxf.h"
#include "dxf/EntityRules.h"

int CKVDxf::ReadPolyline() { return SkipToNextEntity(*this); }
int CKVDxf::ReadLWPolyline() { return SkipToNextEntity(*this); }
int CKVDxf::ReadCircle() { return SkipToNextEntity(*this); }
int CKVDxf::ReadArc() { return SkipToNextEntity(*this); }
int CKVDxf::ReadEllipse() { return SkipToNextEntity(*this); }
int CKVDxf::ReadSpline() { return SkipToNextEntity(*this); }
