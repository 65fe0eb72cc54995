#pragma once
// The general DXF importer's walk, retold: which entity each reader keeps, drops or passes
// over, by the same pairs and the same rules, without building a shape.
#include <string>
#include <unordered_set>

#include "DxfScan.h"

class DxfWalk : public DxfScan
{
  public:
    using DxfScan::DxfScan;

    // steps: ReadLayer, Read_C and ReadEntities in turn instead of Read.
    WalkOutcome Run(bool steps = false);
    // The entity types the importer makes something of.
    static bool Reads(const std::string& type);
    // The output class of a kept entity type: "polyline", "circle", "text" or "insert".
    static std::string ClassOf(const std::string& type);

  private:
    int Read();
    int ReadInSteps();
    int ReadLayer();
    int ReadC();
    int AddLayer();
    int ReadBlock();
    int ReadEntities();
    // Runs the reader of the current value, when it has one; -1 when it has none.
    int Dispatch(bool blockOnly);
    int SkipToNextEntity();
    int PassOver(std::string_view reason);

    // Reads the entity's pairs after its type up to the next group 0, handing each code to
    // onPair and noting whether one gave a layer name or a colour; false when the file ends.
    template <class OnPair> bool ReadPairs(bool& hasLayer, OnPair onPair);
    int ReadLine();
    int ReadPolyline();
    int ReadSpline();
    int ReadCircle();
    int ReadArcOrEllipse();
    int ReadInsert();
    int ReadImage();
    int ReadText();

    std::string_view LayerRule(bool hasLayer, std::string_view otherwise = "no-layer-or-colour");
    void FinishCircle(bool layerAfterRadius);

    std::unordered_set<std::wstring> m_layers;       // names a lookup finds
    std::unordered_set<std::wstring> m_definedBlocks; // every definition read to its ENDBLK
    std::unordered_set<std::wstring> m_keptBlocks;    // those that hold something
    long long m_blockShapes = 0;
    std::optional<Entity> m_circleWithoutLayer; // a CIRCLE whose reader stopped at its radius
    std::string m_block;
    long long m_blockLine = 0;
    bool m_readingBlock = false;
};
