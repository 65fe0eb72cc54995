// A drawing cut off at every pair boundary: the import fails and keeps exactly the shapes whose
// record was finished before the cut: followed by the next record's code 0, or, for a circle in
// the general reader, read up to its radius.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Importers.h"
#include "support/TempFile.h"

namespace
{
struct Pair
{
    std::string code;
    std::string value;
};

struct Drawing
{
    std::vector<Pair> pairs;
    std::vector<size_t> entityStarts; // where each kept entity's record begins
    std::vector<size_t> radiusEnds;   // the circles' last pair, their radius
    size_t entitiesEnd = 0;           // the ENDSEC pair after the entities

    void Add(std::initializer_list<Pair> more) { pairs.insert(pairs.end(), more); }
    void AddEntity(std::initializer_list<Pair> record)
    {
        entityStarts.push_back(pairs.size());
        if (record.begin()->value == "CIRCLE")
            radiusEnds.push_back(pairs.size() + record.size() - 1);
        Add(record);
    }
    std::string Text(size_t pairCount) const
    {
        std::string text;
        for (size_t i = 0; i < pairCount; ++i)
            text += pairs[i].code + "\n" + pairs[i].value + "\n";
        return text;
    }
    long long FinishedBefore(size_t pairCount, bool circleEndsAtRadius) const
    {
        long long finished = 0;
        for (size_t i = 0; i < entityStarts.size(); ++i)
        {
            size_t last = (i + 1 < entityStarts.size() ? entityStarts[i + 1] : entitiesEnd);
            if (circleEndsAtRadius && IsRadiusEnd(last - 1))
                --last;
            finished += last < pairCount;
        }
        return finished;
    }
    bool IsRadiusEnd(size_t pair) const
    {
        return std::find(radiusEnds.begin(), radiusEnds.end(), pair) != radiusEnds.end();
    }
};

void AddLayerTable(Drawing& d)
{
    d.Add({{"0", "SECTION"}, {"2", "TABLES"}, {"0", "TABLE"}, {"2", "LAYER"}, {"70", "1"},
           {"0", "LAYER"}, {"2", "CUT"}, {"70", "0"}, {"62", "1"}, {"0", "ENDTAB"},
           {"0", "ENDSEC"}});
}

void AddLineWork(Drawing& d)
{
    d.AddEntity({{"0", "LINE"}, {"8", "CUT"}, {"10", "0"}, {"20", "0"}, {"11", "5"}, {"21", "0"}});
    d.AddEntity({{"0", "LWPOLYLINE"}, {"8", "CUT"}, {"90", "3"}, {"70", "1"}, {"10", "0"},
                 {"20", "0"}, {"42", "0.5"}, {"10", "4"}, {"20", "0"}, {"10", "4"}, {"20", "4"}});
    d.AddEntity({{"0", "CIRCLE"}, {"8", "CUT"}, {"10", "2"}, {"20", "2"}, {"40", "1"}});
    d.AddEntity({{"0", "ARC"}, {"8", "CUT"}, {"10", "2"}, {"20", "2"}, {"40", "3"}, {"50", "0"},
                 {"51", "90"}});
}

// Every importer of DXF reads a layer table and line work the same way.
Drawing LineWorkDrawing()
{
    Drawing d;
    AddLayerTable(d);
    d.Add({{"0", "SECTION"}, {"2", "ENTITIES"}});
    AddLineWork(d);
    d.entitiesEnd = d.pairs.size();
    d.Add({{"0", "ENDSEC"}, {"0", "EOF"}});
    return d;
}

// The general reader also keeps blocks, inserts and texts.
Drawing GeneralDrawing()
{
    Drawing d;
    AddLayerTable(d);
    d.Add({{"0", "SECTION"}, {"2", "BLOCKS"}, {"0", "BLOCK"}, {"8", "0"}, {"2", "HOLE"},
           {"10", "0"}, {"20", "0"}, {"0", "CIRCLE"}, {"8", "CUT"}, {"10", "0"}, {"20", "0"},
           {"40", "1"}, {"0", "ENDBLK"}, {"0", "ENDSEC"}, {"0", "SECTION"}, {"2", "ENTITIES"}});
    AddLineWork(d);
    d.AddEntity({{"0", "INSERT"}, {"8", "CUT"}, {"2", "HOLE"}, {"10", "9"}, {"20", "9"}});
    d.AddEntity({{"0", "TEXT"}, {"8", "CUT"}, {"10", "1"}, {"20", "1"}, {"40", "2"},
                 {"1", "Part"}});
    d.entitiesEnd = d.pairs.size();
    d.Add({{"0", "ENDSEC"}, {"0", "EOF"}});
    return d;
}

void ExpectEveryCutFails(Importer importer, const Drawing& drawing, size_t lastCut)
{
    for (size_t cut = 0; cut <= lastCut; ++cut)
    {
        TempFile file(drawing.Text(cut));
        const Outcome outcome = RunImporter(importer, file.Path());
        ASSERT_EQ(outcome.result, 0) << NameOf(importer) << " cut after " << cut << " pairs";
        ASSERT_EQ(outcome.shapes, drawing.FinishedBefore(cut, importer != Importer::Die))
            << NameOf(importer) << " cut after " << cut << " pairs";
    }
}

TEST(CutOff, GeneralReaderKeepsTheFinishedShapesAtEveryCut)
{
    const Drawing drawing = GeneralDrawing();
    ExpectEveryCutFails(Importer::Dxf, drawing, drawing.pairs.size() - 1);
    // The staged reading is done at the ENDSEC after the entities.
    ExpectEveryCutFails(Importer::DxfStaged, drawing, drawing.entitiesEnd);
    TempFile whole(drawing.Text(drawing.pairs.size()));
    for (Importer importer : {Importer::Dxf, Importer::DxfStaged})
    {
        const Outcome outcome = RunImporter(importer, whole.Path());
        EXPECT_EQ(outcome.result, 1);
        EXPECT_EQ(outcome.shapes, 6);
    }
}

TEST(CutOff, DieReaderKeepsTheFinishedShapesAtEveryCut)
{
    const Drawing drawing = LineWorkDrawing();
    // The die reader is done at the ENDSEC after the entities: cuts up to that pair fail.
    ExpectEveryCutFails(Importer::Die, drawing, drawing.entitiesEnd);
    TempFile whole(drawing.Text(drawing.entitiesEnd + 1));
    EXPECT_EQ(RunImporter(Importer::Die, whole.Path()).result, 1);
}
} // namespace
