#pragma once
// The host framework's classes and runtime calls, as the importers include them.
#include "CObArray.h"
#include "CObject.h"
#include "CPoint.h"
#include "CRect.h"
#include "CString.h"
#include "Export.h"
#include "CStringArray.h"
#include "WinCrt.h"
#include "WinTypes.h"
