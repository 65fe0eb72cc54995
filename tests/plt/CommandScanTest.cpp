#include <filesystem>

#include <gtest/gtest.h>

#include "PltTestSupport.h"

TEST(PltCommands, TerminatorsCaseAndBlankLines)
{
    PlottedFile semicolons("PU0,0;PD100,0,100,100;PU;");
    EXPECT_EQ(semicolons.result, 0); // the reader always answers 0
    ASSERT_EQ(semicolons.Count(), 1);
    EXPECT_EQ(PointsOf(semicolons.Line(0)), "0,0 100,0 100,100");
    EXPECT_EQ(semicolons.Line(0)->m_nLayer, 1);
    EXPECT_EQ(semicolons.Line(0)->m_nLineType, 1);
    EXPECT_EQ(semicolons.Line(0)->m_bClose, 0);

    PlottedFile lower("pu0,0;pd10,10;pu;");
    ASSERT_EQ(lower.Count(), 1);
    EXPECT_EQ(PointsOf(lower.Line(0)), "0,0 10,10");

    // A letter after two characters begins the next command; line ends and ;; are empty.
    PlottedFile letters("\n\nPU0,0PD10,10\r\n;;PU\n");
    ASSERT_EQ(letters.Count(), 1);
    EXPECT_EQ(PointsOf(letters.Line(0)), "0,0 10,10");
}

TEST(PltCommands, CutOffCommandAndPolylineAreLost)
{
    PlottedFile cut("PU0,0;PD10,10");
    EXPECT_EQ(cut.Count(), 0);
    EXPECT_EQ(cut.plt.m_dPenX, 0.0); // PD10,10 never ran

    PlottedFile open("PU0,0;PD10,10;");
    EXPECT_EQ(open.Count(), 0); // the polyline was still open at the end
    EXPECT_EQ(open.plt.m_dPenX, 10.0);

    PlottedFile separators(";;;\n\n ;\r\r;");
    EXPECT_EQ(separators.Count(), 0);
}

TEST(PltCommands, PenSelectionAndUnknownCommands)
{
    PlottedFile pens("IN;SP2;XY12,13;PU0,0;PD5,5;SP -3;");
    EXPECT_EQ(pens.plt.m_nPen, -3);
    EXPECT_EQ(std::wstring(pens.plt.m_strPen.GetString()), L"SP -3");
    EXPECT_EQ(pens.plt.m_nDrawState, 0);
    ASSERT_EQ(pens.Count(), 1);
    EXPECT_EQ(pens.Line(0)->m_nLayer, 1);
    EXPECT_EQ(pens.plt.GetLayer(7), 1);

    CKVPlt unopened;
    EXPECT_EQ(unopened.Read(), 0);
    EXPECT_EQ(unopened.Open(L"/no/such/file.plt"), 0);
}

TEST(PltCommands, ExampleAndCorpusImportInMillimetres)
{
    std::vector<std::filesystem::path> files{std::filesystem::path(RIVEZ_EXAMPLES) / "star.plt"};
    if (std::filesystem::is_directory(RIVEZ_PLT_CORPUS))
        for (const auto& entry : std::filesystem::directory_iterator(RIVEZ_PLT_CORPUS))
            files.push_back(entry.path());
    else
        std::printf("no plotter corpus at %s: only the example is read\n", RIVEZ_PLT_CORPUS);
    for (const auto& path : files)
    {
        CKVPlt plt;
        ASSERT_EQ(plt.Open(CString(path.wstring().c_str())), 1) << path;
        EXPECT_EQ(plt.Read(), 0);
        for (INT_PTR i = 0; i < plt.m_arrShape.GetSize(); ++i)
        {
            auto* line = dynamic_cast<CPolylineShape*>(plt.m_arrShape[i]);
            EXPECT_TRUE(!line || line->m_nCount >= 2) << path;
            delete plt.m_arrShape[i];
        }
    }
}
