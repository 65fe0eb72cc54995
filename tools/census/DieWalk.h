#pragma once
// The die-layout importer's walk, retold: its layer table by colour, its six entity readers
// and the line-type rule that keeps or drops each shape.
#include <string>
#include <unordered_set>

#include "DxfScan.h"

class DieWalk : public DxfScan
{
  public:
    using DxfScan::DxfScan;

    WalkOutcome Run();
    static bool Reads(const std::string& type);
    static std::string ClassOf(const std::string& type);

  private:
    int ReadLayer();
    int AddLayer();
    int ReadData();
    int Skip();
    // Reads an entity to the pair for which ends() holds; firstLayerOnly: the polyline
    // readers take their first group 8 only.
    template <class Ends> int ReadEntity(bool firstLayerOnly, Ends ends);
    int LayerOf(const CString& name) const;
    static std::string_view LineTypeRule(int colour, int layer);

    std::unordered_set<std::wstring> m_colour1, m_colour7;
    bool m_foundTable = false;
    bool m_foundEntities = false;
};
