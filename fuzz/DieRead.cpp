// CKVDieDxf::ReadData on any bytes; the importer deletes its own shapes.
#include "FuzzFile.h"
#include "diedxf/CKVDieDxf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzFile file(data, size, ".dxf");
    CKVDieDxf die;
    if (die.Open(file.Path()))
        die.ReadData();
    return 0;
}
