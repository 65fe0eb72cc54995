// CKVDxf's staged reading, ReadLayer then Read_C then ReadEntities, on any bytes.
#include "FuzzFile.h"
#include "dxf/CKVDxf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzFile file(data, size, ".dxf");
    CKVDxf dxf;
    if (dxf.Open(file.Path()) && dxf.ReadLayer() && dxf.Read_C())
        dxf.ReadEntities();
    DeleteAll(dxf.m_arrShape);
    DeleteAll(dxf.m_arrInsert);
    return 0;
}
