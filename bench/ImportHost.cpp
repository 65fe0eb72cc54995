// A tiny host: runs one importer on a file, counts and deletes the shapes it made, and says how
// long the importer's own calls (Open and the read) took, apart from the counting and deleting
// that follow. With --held it also says how much memory the shapes took (heap blocks with their
// size words, and the arrays' entries), so that the peak RSS can be set against it; timed runs
// leave that out, as asking the allocator for every block's size is no part of an import.
// rvz_import [--held] dxf|die|plt FILE
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <typeinfo>

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
using Clock = std::chrono::steady_clock;

CString WidePath(const char* path)
{
    std::wstring wide;
    for (const char* p = path; *p; ++p)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    return CString(wide.c_str());
}

// What a heap block takes: the bytes it holds and the allocator's size word in front of it.
size_t BlockBytes(void* block)
{
    return block ? malloc_usable_size(block) + sizeof(size_t) : 0;
}

size_t ArrayBytes(const CObArray& shapes);

// The shape as a polyline, or null; by its exact type, which costs a host far less per shape
// than a dynamic_cast through the shapes' two bases.
const CPolylineShape* AsPolyline(const CObject* shape)
{
    return shape && typeid(*shape) == typeid(CPolylineShape)
               ? static_cast<const CPolylineShape*>(shape)
               : nullptr;
}

// What a shape takes on the heap: the object, the point arrays of a polyline, the children of a
// body.
size_t HeapBytes(CObject* shape)
{
    size_t bytes = BlockBytes(shape);
    if (const auto* polyline = AsPolyline(shape))
        bytes += BlockBytes(polyline->m_pX) + BlockBytes(polyline->m_pY);
    else if (shape && typeid(*shape) == typeid(CBodyShape))
        bytes += ArrayBytes(static_cast<CBodyShape*>(shape)->m_arrShape);
    return bytes;
}

// The shapes of an array and the array's entries that point at them.
size_t ArrayBytes(const CObArray& shapes)
{
    size_t bytes = static_cast<size_t>(shapes.GetSize()) * sizeof(CObject*);
    for (INT_PTR i = 0; i < shapes.GetSize(); ++i)
        bytes += HeapBytes(shapes.GetAt(i));
    return bytes;
}

// Whether the memory the shapes take is summed (--held).
bool g_sumHeld = false;

// Sums the points, and what the shapes take when asked, deleting each shape as soon as it is
// counted (one pass over their memory, as a host taking them would make); empties the array.
void DeleteShapes(CObArray& shapes, long long& points, size_t& bytes)
{
    if (g_sumHeld)
        bytes += static_cast<size_t>(shapes.GetSize()) * sizeof(CObject*);
    for (INT_PTR i = 0; i < shapes.GetSize(); ++i)
    {
        CObject* shape = shapes.GetAt(i);
        const auto* polyline = AsPolyline(shape);
        points += polyline ? polyline->m_nCount : 1;
        if (g_sumHeld)
            bytes += HeapBytes(shape);
        delete shape;
    }
    shapes.RemoveAll();
}

// Counts and deletes the shapes, and the inserts' bodies with them; read is when the importer
// was called.
void TakeShapes(Clock::time_point read, CObArray& shapes, int result, CObArray* inserts = nullptr)
{
    const double readSeconds = std::chrono::duration<double>(Clock::now() - read).count();
    const long long count = static_cast<long long>(shapes.GetSize());
    const long long insertCount = inserts ? static_cast<long long>(inserts->GetSize()) : 0;
    long long points = 0, insertPoints = 0;
    size_t bytes = 0;
    DeleteShapes(shapes, points, bytes);
    if (inserts)
        DeleteShapes(*inserts, insertPoints, bytes);
    std::printf("result %d shapes %lld points %lld inserts %lld", result, count, points,
                insertCount);
    if (g_sumHeld)
        std::printf(" shapes MB %.1f", bytes / 1048576.0);
    std::printf(" read s %.3f\n", readSeconds);
}
} // namespace

int main(int argc, char** argv)
{
    const char* program = argv[0];
    g_sumHeld = argc > 1 && std::strcmp(argv[1], "--held") == 0;
    argv += g_sumHeld;
    argc -= g_sumHeld;
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: %s [--held] dxf|die|plt FILE\n", program);
        return 2;
    }
    CString path = WidePath(argv[2]);
    if (std::strcmp(argv[1], "dxf") == 0)
    {
        CKVDxf dxf;
        const Clock::time_point read = Clock::now();
        int result = dxf.Open(path) ? dxf.Read() : 0;
        TakeShapes(read, dxf.m_arrShape, result, &dxf.m_arrInsert);
        return 0;
    }
#ifdef RVZ_HAVE_DIEDXF
    if (std::strcmp(argv[1], "die") == 0)
    {
        CKVDieDxf die;
        const Clock::time_point read = Clock::now();
        int result = die.Open(path) ? die.ReadData() : 0;
        TakeShapes(read, die.m_arrShape, result);
        die.Close();
        return 0;
    }
#endif
#ifdef RVZ_HAVE_PLT
    if (std::strcmp(argv[1], "plt") == 0)
    {
        CKVPlt plt;
        const Clock::time_point read = Clock::now();
        int result = plt.Open(path) ? plt.Read() : 0;
        TakeShapes(read, plt.m_arrShape, result);
        return 0;
    }
#endif
    std::fprintf(stderr, "importer %s not built\n", argv[1]);
    return 3;
}
