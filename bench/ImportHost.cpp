// A tiny host: runs one importer on a file, counts and deletes the shapes it made.
// rvz_import dxf|die|plt FILE
#include <cstdio>
#include <cstring>
#include <string>

#include "dxf/CKVDxf.h"
#if __has_include("diedxf/CKVDieDxf.h")
#include "diedxf/CKVDieDxf.h"
#define RVZ_HAVE_DIEDXF 1
#endif
#if __has_include("plt/CKVPlt.h")
#include "plt/CKVPlt.h"
#define RVZ_HAVE_PLT 1
#endif

namespace
{
CString WidePath(const char* path)
{
    std::wstring wide;
    for (const char* p = path; *p; ++p)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    return CString(wide.c_str());
}

// Counts the shapes and their points, deletes them and empties the array.
void TakeShapes(CObArray& shapes, int result)
{
    long long points = 0;
    for (INT_PTR i = 0; i < shapes.GetSize(); ++i)
    {
        auto* polyline = dynamic_cast<CPolylineShape*>(shapes.GetAt(i));
        points += polyline ? polyline->m_nCount : 1;
        delete shapes.GetAt(i);
    }
    std::printf("result %d shapes %lld points %lld\n", result,
                static_cast<long long>(shapes.GetSize()), points);
    shapes.RemoveAll();
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: %s dxf|die|plt FILE\n", argv[0]);
        return 2;
    }
    CString path = WidePath(argv[2]);
    if (std::strcmp(argv[1], "dxf") == 0)
    {
        CKVDxf dxf;
        int result = dxf.Open(path) ? dxf.Read() : 0;
        TakeShapes(dxf.m_arrShape, result);
        return 0;
    }
#ifdef RVZ_HAVE_DIEDXF
    if (std::strcmp(argv[1], "die") == 0)
    {
        CKVDieDxf die;
        int result = die.Open(path) ? die.ReadData() : 0;
        TakeShapes(die.m_arrShape, result);
        die.Close();
        return 0;
    }
#endif
#ifdef RVZ_HAVE_PLT
    if (std::strcmp(argv[1], "plt") == 0)
    {
        CKVPlt plt;
        int result = plt.Open(path) ? plt.Read() : 0;
        TakeShapes(plt.m_arrShape, result);
        return 0;
    }
#endif
    std::fprintf(stderr, "importer %s not built\n", argv[1]);
    return 3;
}
