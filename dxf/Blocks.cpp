#include "dxf/CKVDxf.h"
#include "dxf/EntityRules.h"

int CKVDxf::Read_C()
{
    return 1;
}

int CKVDxf::ReadBlock()
{
    return SkipToNextEntity(*this);
}

int CKVDxf::ReadInsert()
{
    return SkipToNextEntity(*this);
}
