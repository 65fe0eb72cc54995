// Every corpus file with every importer that reads its kind: the census accounts for every
// entity and command, and what it says was kept is what the import holds.
#include <filesystem>

#include <gtest/gtest.h>

#include "CensusSupport.h"
#include "support/Corpus.h"

namespace
{
void ExpectAccountedFor(const std::filesystem::path& path, const std::string& importer,
                        const ImportSettings& settings = {})
{
    Import import;
    ASSERT_TRUE(RunImport(importer, path.string(), settings, import)) << path;
    const Explanation e = Explain(path.string(), importer, settings, import);
    long long kept = 0;
    for (const AccountRow& row : e.accounting)
    {
        long long counted = row.kept;
        for (const auto* reasons : {&row.dropped, &row.passedOver})
            for (const auto& [code, count] : *reasons)
                counted += count;
        EXPECT_EQ(counted, row.inFile) << path << " " << importer << " " << row.type;
        EXPECT_EQ(row.unexplained, 0) << path << " " << importer << " " << row.type;
        kept += row.kept;
    }
    if (importer != "plt")
    {
        EXPECT_EQ(kept, static_cast<long long>(import.shapes.size() + import.inserts.size()))
            << path << " " << importer;
    }
}

// A drawing through every importer that reads its kind.
void ExpectEveryImporterAccountsFor(const std::filesystem::path& path, bool plotter)
{
    if (plotter)
        return ExpectAccountedFor(path, "plt");
    ExpectAccountedFor(path, "dxf");
    ImportSettings steps;
    steps.dxfSteps = true;
    ExpectAccountedFor(path, "dxf", steps);
    ExpectAccountedFor(path, "die");
}

TEST(CensusCorpus, AccountsForEveryEntityOfEveryExample)
{
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(RIVEZ_EXAMPLES))
        if (entry.path().extension() == ".dxf" || entry.path().extension() == ".plt")
        {
            ExpectEveryImporterAccountsFor(entry.path(), entry.path().extension() == ".plt");
            ++files;
        }
    EXPECT_EQ(files, 4);
}

TEST(CensusCorpus, AccountsForEveryEntityOfEveryFile)
{
    RIVEZ_CORPUS_OR_SKIP(corpus);
    int files = 0;
    for (const auto& [folder, plotter] : {std::pair{corpus / "dxf", false}, std::pair{corpus / "plt", true}})
        for (const auto& entry : std::filesystem::directory_iterator(folder))
        {
            ExpectEveryImporterAccountsFor(entry.path(), plotter);
            ++files;
        }
    EXPECT_GT(files, 300);
}
} // namespace
