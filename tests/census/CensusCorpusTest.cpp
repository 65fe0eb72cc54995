// Every corpus file with every importer that reads its kind: the census accounts for every
// entity and command, and what it says was kept is what the import holds.
#include <filesystem>

#include <gtest/gtest.h>

#include "CensusSupport.h"

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

TEST(CensusCorpus, AccountsForEveryEntityOfEveryFile)
{
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(RIVEZ_DXF_CORPUS))
    {
        ExpectAccountedFor(entry.path(), "dxf");
        ImportSettings steps;
        steps.dxfSteps = true;
        ExpectAccountedFor(entry.path(), "dxf", steps);
        ExpectAccountedFor(entry.path(), "die");
        ++files;
    }
    for (const auto& entry : std::filesystem::directory_iterator(RIVEZ_PLT_CORPUS))
    {
        ExpectAccountedFor(entry.path(), "plt");
        ++files;
    }
    EXPECT_GT(files, 300);
}
} // namespace
