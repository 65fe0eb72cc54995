// A host linked with rivezozer.dll: the importers, the shapes and their helpers all come
// through the DLL's exports, and shapes made inside it are deleted by the host.
#include <gtest/gtest.h>

#include "diedxf/CKVDieDxf.h"
#include "dxf/CKVDxf.h"
#include "plt/CKVPlt.h"

static int TakeShapes(CObArray& shapes)
{
    const int count = static_cast<int>(shapes.GetSize());
    for (INT_PTR i = 0; i < shapes.GetSize(); ++i)
        delete static_cast<CShape*>(shapes[i]);
    shapes.RemoveAll();
    return count;
}

TEST(DllHost, ImportsWithEachImporterAndUsesTheShapeHelpers)
{
    CKVDxf dxf;
    ASSERT_EQ(dxf.Open(RIVEZ_EXAMPLES L"/bracket.dxf"), 1);
    EXPECT_EQ(dxf.Read(), 1);
    EXPECT_GT(TakeShapes(dxf.m_arrShape), 0);

    CKVDieDxf die;
    ASSERT_EQ(die.Open(RIVEZ_EXAMPLES L"/die/carton.dxf"), 1);
    EXPECT_EQ(die.ReadData(), 1);
    EXPECT_GT(TakeShapes(die.m_arrShape), 0);

    CKVPlt plt;
    ASSERT_EQ(plt.Open(RIVEZ_EXAMPLES L"/star.plt"), 1);
    plt.Read();
    EXPECT_GT(TakeShapes(plt.m_arrShape), 0);

    CPolylineShape arc;
    arc.Add(0, 0, 1);
    die.CalcTuEx(&arc, 1.0, 10.0, 0.0); // a half circle to (10, 0)
    EXPECT_GT(arc.m_nCount, 2);
    EXPECT_EQ(CKVMathPoly().Corss(0, 0, 1, 0, 0, 1), 1.0);
}
