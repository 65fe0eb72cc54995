#pragma once
// A record of the single nesting: a piece with its place and the key it is sorted by.
#include "platform/Export.h"

class RIVEZOZER_API CKVSingleNestSortCenter
{
  public:
    CKVSingleNestSortCenter() = default;
    CKVSingleNestSortCenter(const CKVSingleNestSortCenter& src)
        : m_nBody(src.m_nBody), m_dCenterX(src.m_dCenterX), m_dCenterY(src.m_dCenterY),
          m_dAngle(src.m_dAngle), m_dWidth(src.m_dWidth), m_dHeight(src.m_dHeight),
          m_dArea(src.m_dArea), m_dOffsetX(src.m_dOffsetX), m_dOffsetY(src.m_dOffsetY),
          m_dSortKey(src.m_dSortKey), m_nCount(src.m_nCount)
    {
    }
    CKVSingleNestSortCenter& operator=(const CKVSingleNestSortCenter&) = default;
    virtual ~CKVSingleNestSortCenter();

    int m_nBody = 0;
    double m_dCenterX = 0.0;
    double m_dCenterY = 0.0;
    double m_dAngle = 0.0;
    double m_dWidth = 0.0;
    double m_dHeight = 0.0;
    double m_dArea = 0.0;
    double m_dOffsetX = 0.0;
    double m_dOffsetY = 0.0;
    double m_dSortKey = 0.0;
    int m_nCount = 0;
};
