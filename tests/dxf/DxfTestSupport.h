#pragma once
// Opens inline DXF text in a CKVDxf and deletes the shapes the importer hands over.
#include <string>

#include "dxf/CKVDxf.h"
#include "support/TempFile.h"

// A CKVDxf that deletes the output shapes, which the host owns, when it goes.
struct OwningDxf : CKVDxf
{
    ~OwningDxf()
    {
        for (CObArray* shapes : {&m_arrShape, &m_arrInsert})
            for (INT_PTR i = 0; i < shapes->GetSize(); ++i)
                delete (*shapes)[i];
    }
};

struct Imported
{
    explicit Imported(const std::string& text) : file(text)
    {
        opened = dxf.Open(CString(file.WidePath().c_str()));
    }
    CPolylineShape* Line(INT_PTR i) { return dynamic_cast<CPolylineShape*>(dxf.m_arrShape[i]); }

    TempFile file;
    OwningDxf dxf;
    int opened = 0;
};

// An ENTITIES section holding the given pairs, then the end of the file.
inline std::string InEntities(const std::string& pairs)
{
    return Pairs({"0", "SECTION", "2", "ENTITIES"}) + pairs + Pairs({"0", "ENDSEC", "0", "EOF"});
}

// A LINE on the named layer from (0, 0) to (x2, y2).
inline std::string LinePairs(const char* layer, const char* x2, const char* y2 = "0")
{
    return Pairs({"0", "LINE", "8", layer, "10", "0", "20", "0", "11", x2, "21", y2});
}
