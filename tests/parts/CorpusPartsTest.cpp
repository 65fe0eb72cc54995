#include <filesystem>

#include <gtest/gtest.h>

#include "Nesting.h"
#include "support/Corpus.h"

TEST(CorpusParts, LettersDrawnClosedAreEightPartsWithFourHoles)
{
    RIVEZ_CORPUS_OR_SKIP(corpus);
    Import import;
    ASSERT_TRUE(
        RunImport("dxf", (corpus / "dxf" / "dxfparser__polylines.dxf").string(), {}, import));
    EXPECT_EQ(PartsLine(BuildParts(import)), "8 parts, 4 holes, 0 marks, 0 loose, 0 problems");
}

// Every file gives parts whose rings turn the right way and whose holes lie in their boxes.
TEST(CorpusParts, EveryFileBuildsOrientedParts)
{
    RIVEZ_CORPUS_OR_SKIP(corpus);
    int files = 0;
    for (const char* folder : {"dxf", "plt"})
        for (const auto& entry : std::filesystem::directory_iterator(corpus / folder))
        {
            const std::string path = entry.path().string();
            Import import;
            const std::string importer = ImporterForPath(path);
            if (importer.empty() || !RunImport(importer, path, {}, import))
                continue;
            ++files;
            const PartsReport report = BuildParts(import);
            for (const Part& part : report.parts)
            {
                EXPECT_GT(SignedArea(part.outline.points), 0) << path;
                for (const PartRing& hole : part.holes)
                {
                    EXPECT_LT(SignedArea(hole.points), 0) << path;
                    EXPECT_GE(hole.box[0], part.outline.box[0]) << path;
                    EXPECT_LE(hole.box[2], part.outline.box[2]) << path;
                }
            }
        }
    EXPECT_GT(files, 300);
}
