// Folders walked for drawings by extension; other paths taken as given.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "Drawings.h"

namespace fs = std::filesystem;

class DrawingFolder : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("rivez_drawings_" + std::to_string(getpid()));
        fs::create_directories(root / "sub");
        for (const char* name : {"b.dxf", "a.hpgl", "sub/c.PLT", "notes.txt", "d.hp", "README"})
            std::ofstream(root / name) << "x";
    }
    void TearDown() override { fs::remove_all(root); }
    // The path as the walk gives it, with the separator of the system.
    std::string At(const char* name) const { return (root / fs::path(name).make_preferred()).string(); }

    fs::path root;
};

TEST_F(DrawingFolder, TakesDrawingsByExtensionSortedAndCountsTheRest)
{
    const DrawingList list = ListDrawings({At("notes.txt"), root.string(), "missing.dxf"}, "");
    const std::vector<std::string> expected = {At("notes.txt"), At("a.hpgl"), At("b.dxf"),
                                               At("sub/c.PLT"), "missing.dxf"};
    EXPECT_EQ(list.files, expected);
    const std::map<std::string, int> skipped = {{"(none)", 1}, {".hp", 1}, {".txt", 1}};
    EXPECT_EQ(list.skippedByExtension, skipped);
}

TEST_F(DrawingFolder, AnImporterTakesOnlyTheFilesItReads)
{
    EXPECT_EQ(ListDrawings({root.string()}, "die").files, std::vector<std::string>{At("b.dxf")});
    const std::vector<std::string> plotter = {At("a.hpgl"), At("sub/c.PLT")};
    EXPECT_EQ(ListDrawings({root.string()}, "plt").files, plotter);
}
