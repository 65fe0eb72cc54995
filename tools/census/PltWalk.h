#pragma once
// The plotter importer's command scan and dispatch, retold: which command drew what, which
// only moved the pen or set something, and which the reader does not read.
#include <cstdio>
#include <map>
#include <string>

#include "DxfScan.h"
#include "Tally.h"
#include "plt/Mnemonic.h"

class PltWalk
{
  public:
    PltWalk(FILE* file, TypeNames& names, Tally& commands)
        : m_file(file), m_names(names), m_tally(commands)
    {
    }

    WalkOutcome Run();
    static std::string ClassOf(const std::string& mnemonic);

  private:
    bool ReadLabel();
    // The current command's row name, and whether its mnemonic is one of the given ones.
    std::string Mnemonic() const;
    bool Is(const wchar_t* mnemonic) const { return IsMnemonic(m_label, mnemonic); }
    // A chain of pen commands gathered into one polyline, begun by the current command.
    int Polyline(bool fromPen);
    void NoteChain(const std::string& reason);
    // How many points a pen command adds, and how many values an arc or circle has.
    int PenPoints() const;
    int ShapeValueCount() const;

    FILE* m_file;
    TypeNames& m_names;
    Tally& m_tally;
    CString m_label;
    wchar_t m_pending = 0;
    long long m_lines = 0;
    int m_drawState = -1;
    std::map<std::string, long long> m_chain; // commands of the polyline being gathered
    WalkOutcome m_outcome;
};
