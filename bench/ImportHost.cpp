// A tiny host: runs one importer on a file, counts and deletes the shapes it made, and says
// how much heap they held, so that the peak RSS can be set against it.
// rvz_import dxf|die|plt FILE
#include <cstdio>
#include <cstring>
#include <string>

#include <malloc.h>

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

// The heap blocks of a shape as the allocator handed them out: the object, the point arrays of
// a polyline, the children of a body.
size_t HeapBytes(CObject* shape)
{
    size_t bytes = malloc_usable_size(shape);
    if (auto* polyline = dynamic_cast<CPolylineShape*>(shape))
        bytes += malloc_usable_size(polyline->m_pX) + malloc_usable_size(polyline->m_pY);
    else if (auto* body = dynamic_cast<CBodyShape*>(shape))
        for (INT_PTR i = 0; i < body->m_arrShape.GetSize(); ++i)
            bytes += HeapBytes(body->m_arrShape.GetAt(i));
    return bytes;
}

// Deletes the shapes of an array and empties it; adds their heap blocks to bytes.
void DeleteShapes(CObArray& shapes, size_t& bytes)
{
    for (INT_PTR i = 0; i < shapes.GetSize(); ++i)
    {
        bytes += HeapBytes(shapes.GetAt(i));
        delete shapes.GetAt(i);
    }
    shapes.RemoveAll();
}

// Counts the shapes and their points, then deletes them, the inserts' bodies with them.
void TakeShapes(CObArray& shapes, int result, CObArray* inserts = nullptr)
{
    long long points = 0;
    for (INT_PTR i = 0; i < shapes.GetSize(); ++i)
    {
        auto* polyline = dynamic_cast<CPolylineShape*>(shapes.GetAt(i));
        points += polyline ? polyline->m_nCount : 1;
    }
    const long long count = static_cast<long long>(shapes.GetSize());
    const long long insertCount = inserts ? static_cast<long long>(inserts->GetSize()) : 0;
    size_t bytes = 0;
    DeleteShapes(shapes, bytes);
    if (inserts)
        DeleteShapes(*inserts, bytes);
    std::printf("result %d shapes %lld points %lld inserts %lld shapes MB %.1f\n", result, count,
                points, insertCount, bytes / 1048576.0);
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
        TakeShapes(dxf.m_arrShape, result, &dxf.m_arrInsert);
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
