#pragma once
// Die-layout files for the tests: a fixed layer table, then the given entities.
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

inline CPolylineShape* PolylineAt(const CKVDieDxf& dxf, int index)
{
    return dynamic_cast<CPolylineShape*>(dxf.m_arrShape.GetAt(index));
}
