#include <filesystem>

#include <gtest/gtest.h>

#include "Contours.h"
#include "support/Corpus.h"

namespace
{
// Every piece lands in exactly one place: closed, a loop, an open chain, or left out as a dot.
// Answers whether the file was read.
bool ExpectEveryPieceCountedOnce(const std::filesystem::path& file)
{
    const std::string path = file.string();
    Import import;
    const std::string importer = ImporterForPath(path);
    if (importer.empty() || !RunImport(importer, path, {}, import))
        return false;
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
    // The summary's cheaper check tells the same line.
    EXPECT_EQ(ContourLine(CheckContours(import, std::nullopt, ContourDetail::Line)),
              ContourLine(report))
        << path;
    return true;
}
} // namespace

TEST(CorpusContours, LettersDrawnOpenCloseByTheirEnds)
{
    RIVEZ_CORPUS_OR_SKIP(corpus);
    Import import;
    ASSERT_TRUE(RunImport("dxf", (corpus / "dxf" / "dxfparser__polylines.dxf").string(), {}, import));
    EXPECT_EQ(ContourLine(CheckContours(import, std::nullopt)),
              "12 closed, 0 loops of pieces, 0 open");
}

TEST(CorpusContours, EveryExampleIsCheckedAndEveryPieceCountedOnce)
{
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(RIVEZ_EXAMPLES))
        files += entry.is_regular_file() && ExpectEveryPieceCountedOnce(entry.path());
    EXPECT_EQ(files, 5);
}

TEST(CorpusContours, EveryFileIsCheckedAndEveryPieceCountedOnce)
{
    RIVEZ_CORPUS_OR_SKIP(corpus);
    int files = 0;
    for (const char* folder : {"dxf", "plt"})
        for (const auto& entry : std::filesystem::directory_iterator(corpus / folder))
            files += ExpectEveryPieceCountedOnce(entry.path());
    EXPECT_GT(files, 300);
}
