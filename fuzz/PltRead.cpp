// CKVPlt::Read on any bytes, in both unit modes.
#include "FuzzFile.h"
#include "plt/CKVPlt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzFile file(data, size, ".plt");
    for (int unitMode : {0, 1})
    {
        CKVPlt plt;
        plt.m_nUnitMode = unitMode;
        if (plt.Open(file.Path()))
            plt.Read();
        DeleteAll(plt.m_arrShape);
        DeleteAll(plt.m_arrShape2);
    }
    return 0;
}
