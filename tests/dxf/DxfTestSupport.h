#pragma once
#include <sstream>
#include <string>
#include <vector>

#include "dxf/CKVDxf.h"
#include "support/TempFile.h"

// A CKVDxf reading the given text; deletes the output shapes, which the host owns, when it goes.
struct Imported
{
    explicit Imported(const std::string& text) : file(text) { dxf.Open(file.WidePath().c_str()); }
    ~Imported()
    {
        for (CObArray* shapes : {&dxf.m_arrShape, &dxf.m_arrInsert})
            for (INT_PTR i = 0; i < shapes->GetSize(); ++i)
                delete (*shapes)[i];
    }
    CPolylineShape* Line(INT_PTR i) { return dynamic_cast<CPolylineShape*>(dxf.m_arrShape[i]); }

    TempFile file;
    CKVDxf dxf;
};

// Pairs written as words, code and value apart: "0 LINE 8 CUT".
inline std::string Words(const std::string& words)
{
    std::istringstream in(words);
    std::string text, word;
    while (in >> word)
        text += word + '\n';
    return text;
}

// An ENTITIES section holding the given pairs, then the end of the file.
inline std::string InEntities(const std::string& pairs)
{
    return Words("0 SECTION 2 ENTITIES") + pairs + Words("0 ENDSEC 0 EOF");
}

// A LINE on the named layer from (x1, y1) to (x2, y2).
inline std::string LinePairs(const char* layer, const char* x1, const char* y1, const char* x2,
                             const char* y2)
{
    return Pairs({"0", "LINE", "8", layer, "10", x1, "20", y1, "11", x2, "21", y2});
}

// The points of a polyline as x0, y0, x1, y1, ...
inline std::vector<double> Points(const CPolylineShape* line)
{
    std::vector<double> xy;
    for (int i = 0; i < line->m_nCount; ++i)
        xy.insert(xy.end(), {line->m_pX[i], line->m_pY[i]});
    return xy;
}
