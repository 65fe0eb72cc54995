#pragma once
// The shape library as the importers see it, and the helpers it offers the host.
#include "shape/CBodyShape.h"
#include "shape/CBodyType.h"
#include "shape/CCircleShape.h"
#include "shape/CEllipseShape.h"
#include "shape/CKVEdage.h"
#include "shape/CKVLayers.h"
#include "shape/CKVMathPoly.h"
#include "shape/CKVSingleNestSortCenter.h"
#include "shape/CPolylineShape.h"
#include "shape/CShape.h"
#include "shape/CTextShape.h"
