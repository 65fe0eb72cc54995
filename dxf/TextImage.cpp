#include "dxf/CKVDxf.h"
#include "dxf/EntityRules.h"

int CKVDxf::ReadText()
{
    return SkipToNextEntity(*this);
}

int CKVDxf::ReadImage()
{
    return SkipToNextEntity(*this);
}
