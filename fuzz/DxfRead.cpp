// CKVDxf::Read on any bytes.
#include "FuzzFile.h"
#include "dxf/CKVDxf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzFile file(data, size, ".dxf");
    CKVDxf dxf;
    if (dxf.Open(file.Path()))
        dxf.Read();
    DeleteAll(dxf.m_arrShape);
    DeleteAll(dxf.m_arrInsert);
    return 0;
}
