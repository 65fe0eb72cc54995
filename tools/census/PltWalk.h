#pragma once
// The plotter importer's command scan and dispatch, retold: which command drew what, which
// only moved the pen or set something, and which the reader does not read.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

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
    // Appends the parameter text that follows the mnemonic, as far as the stream has it read.
    void TakeParameterRun();
    // Sets m_mnemonic for the command just read.
    void NameCommand();
    // The current command's row name, and whether its mnemonic is one of the given ones.
    std::string Mnemonic() const;
    bool Is(const wchar_t* mnemonic) const { return IsMnemonic(m_label, mnemonic); }
    // A chain of pen commands gathered into one polyline, begun by the current command.
    int Polyline(bool fromPen);
    void AddToChain();
    void NoteChain(const std::string& reason);
    // How many points a pen command adds, and how many values an arc or circle has.
    int PenPoints() const;
    int ShapeValueCount() const;

    FILE* m_file;
    TypeNames& m_names;
    Tally& m_tally;
    CString m_label;
    std::string m_mnemonic; // the row of the command in m_label
    struct NamedCommand
    {
        wchar_t first, second;
        std::string name;
    };
    static constexpr size_t kNamedCommands = 16;
    std::vector<NamedCommand> m_named; // rows of the first commands, by their characters
    wchar_t m_pending = 0;
    long long m_lines = 0;
    int m_drawState = -1;
    std::vector<std::pair<std::string, long long>> m_chain; // commands of the polyline gathered
    WalkOutcome m_outcome;
};
