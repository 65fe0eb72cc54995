// A drawing cut off at every pair boundary: the import fails and keeps exactly the shapes whose
// record was finished before the cut: followed by the next record's code 0, or, for a circle in
// the general reader, read up to its radius.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReadAs.h"
#include "support/TempFile.h"

namespace
{
using Pairs_ = std::vector<std::pair<std::string, std::string>>;

struct Drawing
{
    Pairs_ pairs;
    std::vector<size_t> finished[2]; // the pair that finishes each entity: general reader, die

    void Add(const Pairs_& more) { pairs.insert(pairs.end(), more.begin(), more.end()); }
    // Entities, each finished by the next one's code 0; the last by the ENDSEC after them.
    void AddEntities(const std::vector<Pairs_>& records)
    {
        for (const Pairs_& record : records)
        {
            Add(record);
            const bool circle = record.front().second == "CIRCLE";
            finished[0].push_back(pairs.size() - (circle ? 1 : 0));
            finished[1].push_back(pairs.size());
        }
        Add({{"0", "ENDSEC"}});
    }
    std::string Text(size_t count) const
    {
        std::string text;
        for (size_t i = 0; i < count; ++i)
            text += pairs[i].first + "\n" + pairs[i].second + "\n";
        return text;
    }
    size_t FinishedBefore(size_t count, bool die) const
    {
        size_t n = 0;
        for (size_t pair : finished[die])
            n += pair < count;
        return n;
    }
};

const Pairs_ kLayers = {{"0", "SECTION"}, {"2", "TABLES"},   {"0", "TABLE"}, {"2", "LAYER"},
                        {"0", "LAYER"},   {"2", "CUT"},      {"70", "0"},    {"62", "1"},
                        {"0", "ENDTAB"},  {"0", "ENDSEC"},   {"0", "SECTION"}, {"2", "ENTITIES"}};
const std::vector<Pairs_> kLineWork = {
    {{"0", "LINE"}, {"8", "CUT"}, {"10", "0"}, {"20", "0"}, {"11", "5"}, {"21", "0"}},
    {{"0", "LWPOLYLINE"}, {"8", "CUT"}, {"90", "2"}, {"70", "1"}, {"10", "0"}, {"20", "0"},
     {"42", "0.5"}, {"10", "4"}, {"20", "0"}},
    {{"0", "CIRCLE"}, {"8", "CUT"}, {"10", "2"}, {"20", "2"}, {"40", "1"}},
    {{"0", "ARC"}, {"8", "CUT"}, {"10", "2"}, {"40", "3"}, {"50", "0"}, {"51", "90"}}};

// Cuts up to lastCut pairs fail; the whole drawing reads with all its shapes.
void ExpectCutsFail(const Way& way, const Drawing& d, size_t lastCut, size_t shapes)
{
    const bool die = std::string(way.importer) == "die";
    for (size_t cut = 0; cut <= lastCut; ++cut)
    {
        TempFile file(d.Text(cut));
        const Outcome outcome = ReadAs(way, file.Path());
        ASSERT_EQ(outcome.result, 0) << way.name << " cut after " << cut << " pairs";
        ASSERT_EQ(outcome.shapes, d.FinishedBefore(cut, die)) << way.name << " cut at " << cut;
    }
    TempFile whole(d.Text(d.pairs.size()));
    const Outcome outcome = ReadAs(way, whole.Path());
    EXPECT_EQ(outcome.result, 1) << way.name;
    EXPECT_EQ(outcome.shapes, shapes) << way.name;
}

TEST(CutOff, EveryReaderKeepsTheFinishedShapesAtEveryCut)
{
    Drawing general;
    general.Add({{"0", "SECTION"}, {"2", "BLOCKS"}, {"0", "BLOCK"}, {"2", "HOLE"}, {"0", "CIRCLE"},
                 {"8", "CUT"}, {"40", "1"}, {"0", "ENDBLK"}, {"0", "ENDSEC"}});
    general.Add(kLayers);
    std::vector<Pairs_> entities = kLineWork;
    entities.push_back({{"0", "INSERT"}, {"8", "CUT"}, {"2", "HOLE"}, {"10", "9"}});
    entities.push_back({{"0", "TEXT"}, {"8", "CUT"}, {"40", "2"}, {"1", "Part"}});
    general.AddEntities(entities);
    const size_t entitiesEnd = general.pairs.size() - 1;
    general.Add({{"0", "EOF"}});
    ExpectCutsFail(kEveryWay[0], general, general.pairs.size() - 1, 6);
    // Staged reading and the die reader are done at the ENDSEC after the entities.
    ExpectCutsFail(kEveryWay[1], general, entitiesEnd, 6);

    Drawing lineWork;
    lineWork.Add(kLayers);
    lineWork.AddEntities(kLineWork);
    ExpectCutsFail(kEveryWay[2], lineWork, lineWork.pairs.size() - 1, 4);
}
} // namespace
