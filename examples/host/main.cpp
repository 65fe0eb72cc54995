// A host program's first import: read a DXF drawing and take its shapes over.
#include <cstdio>
#include <cstring>
#include <string>

#include "dxf/CKVDxf.h"

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    CKVDxf dxf;
    dxf.m_Layers.m_dDxfScaleX = dxf.m_Layers.m_dDxfScaleY = 1.0; // drawing units as they are
    if (!dxf.Open(CString(std::wstring(argv[1], argv[1] + std::strlen(argv[1])).c_str())))
        return 1;
    int result = dxf.Read(); // 1: read to the end; 0: the file broke off
    // The shapes belong to the host now: take them out of the importer and delete them.
    for (INT_PTR i = 0; i < dxf.m_arrShape.GetSize(); ++i)
    {
        auto* shape = static_cast<CShape*>(dxf.m_arrShape[i]);
        std::printf("layer %d, line class %d\n", shape->m_nLayer, shape->m_nLineType);
        delete shape;
    }
    dxf.m_arrShape.RemoveAll();
    std::printf("result %d\n", result);
    return 0;
}
