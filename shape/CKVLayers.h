#pragma once
// The host's layer collection, as far as the importers read it: six scale factors.
#include "platform/Export.h"

class RIVEZOZER_API CKVLayers
{
  public:
    CKVLayers() = default;
    ~CKVLayers() = default;

    double m_dDxfScaleX = 1.0;
    double m_dDxfScaleY = 1.0;
    double m_dPltScaleX = 0.025; // HPGL plotter units of 0.025 mm, to millimetres
    double m_dPltScaleY = 0.025;
    double m_dPltScaleX2 = 0.0254; // units of 1/1000 inch, to millimetres
    double m_dPltScaleY2 = 0.0254;
};
