#pragma once
// The shape library as the importers see it.
#include "shape/CBodyShape.h"
#include "shape/CCircleShape.h"
#include "shape/CEllipseShape.h"
#include "shape/CKVLayers.h"
#include "shape/CPolylineShape.h"
#include "shape/CShape.h"
#include "shape/CTextShape.h"
