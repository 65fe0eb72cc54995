#pragma once
// Die-layout files for the tests: a fixed layer table, then the given entities.
#include <cmath>
#include <sstream>
#include <string>

#include "diedxf/CKVDieDxf.h"
#include "support/TempFile.h"

// CUT colour 1, CREASE colour 7 (flags 64); FROZEN (flags 1), NOFLAGS and GREEN are not kept.
inline const std::string kDieTables = Pairs(
    {"0",  "SECTION", "2",  "TABLES", "0",  "TABLE",  "2",  "LAYER", "70", "5",      "0",  "LAYER",
     "2",  "CUT",     "70", "0",      "62", "1",      "0",  "LAYER", "2",  "CREASE", "70", "64",
     "62", "7",       "0",  "LAYER",  "2",  "FROZEN", "70", "1",     "62", "1",      "0",  "LAYER",
     "2",  "NOFLAGS", "62", "7",      "0",  "LAYER",  "2",  "GREEN", "70", "0",      "62", "3",
     "0",  "ENDTAB",  "0",  "ENDSEC"});

inline std::string DieFile(const std::string& entities, const std::string& tables = kDieTables)
{
    return tables + Pairs({"0", "SECTION", "2", "ENTITIES"}) + entities +
           Pairs({"0", "ENDSEC", "0", "EOF"});
}

// Opens the text as a file and runs ReadData on it; -1 if it does not open.
inline int ReadDie(CKVDieDxf& dxf, const std::string& text)
{
    TempFile file(text);
    if (!dxf.Open(CString(file.WidePath())))
        return -1;
    int result = dxf.ReadData();
    dxf.Close();
    return result;
}

// The shapes as "type:x,y x,y[ closed]" and "type:@x,y r angle>angle" (degrees), joined by
// " | ", so that a test compares a whole import at once.
inline std::string Shapes(const CKVDieDxf& dxf)
{
    std::ostringstream text;
    for (INT_PTR i = 0; i < dxf.m_arrShape.GetSize(); ++i)
    {
        auto* shape = static_cast<CShape*>(dxf.m_arrShape.GetAt(i));
        text << (i ? " | " : "") << shape->m_nLineType << ':';
        if (auto* arc = dynamic_cast<CCircleShape*>(shape))
            text << '@' << arc->m_dCenterX << ',' << arc->m_dCenterY << " r" << arc->m_dRadius
                 << ' ' << arc->m_dStartAngle * 180 / M_PI << '>' << arc->m_dEndAngle * 180 / M_PI;
        auto* line = dynamic_cast<CPolylineShape*>(shape);
        for (int p = 0; line && p < line->m_nCount; ++p)
            text << (p ? " " : "") << line->m_pX[p] << ',' << line->m_pY[p];
        text << (line && line->m_bClose ? " closed" : "");
    }
    return text.str();
}
