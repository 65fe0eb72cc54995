#include <filesystem>

#include <gtest/gtest.h>

#include "Contours.h"

TEST(CorpusContours, LettersDrawnOpenCloseByTheirEnds)
{
    Import import;
    ASSERT_TRUE(RunImport("dxf", RIVEZ_DXF_CORPUS "/dxfparser__polylines.dxf", {}, import));
    EXPECT_EQ(ContourLine(CheckContours(import, std::nullopt)),
              "12 closed, 0 loops of pieces, 0 open");
}

// Every piece lands in exactly one place: closed, a loop, an open chain, or left out as a dot.
TEST(CorpusContours, EveryFileIsCheckedAndEveryPieceCountedOnce)
{
    int files = 0;
    for (const char* folder : {RIVEZ_DXF_CORPUS, RIVEZ_PLT_CORPUS})
        for (const auto& entry : std::filesystem::directory_iterator(folder))
        {
            const std::string path = entry.path().string();
            Import import;
            const std::string importer = ImporterForPath(path);
            if (importer.empty() || !RunImport(importer, path, {}, import))
                continue;
            ++files;
            const ContourReport report = CheckContours(import, std::nullopt);
            std::vector<int> seen;
            for (const JoinedLoops& joined : report.joined)
            {
                EXPECT_GE(joined.loops, 1) << path;
                seen.insert(seen.end(), joined.pieces.begin(), joined.pieces.end());
            }
            for (const OpenContour& chain : report.open)
            {
                seen.insert(seen.end(), chain.pieces.begin(), chain.pieces.end());
                for (const ContourEnd& end : chain.ends)
                    EXPECT_TRUE(!end.nearest || end.nearestDistance > report.tolerance) << path;
            }
            std::sort(seen.begin(), seen.end());
            EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end()) << path;
        }
    EXPECT_GT(files, 300);
}
