#pragma once
// The warnings of an explanation: what the host will see, though every entity was read by the
// rules (units, paper space, INSERTs, extrusion, plotter scaling, the locale, the file's kind).
#include <string>

#include "Census.h"
#include "DxfHoldings.h"
#include "PairStream.h"
#include "Tally.h"

void Warn(Explanation& out, const std::string& code, const std::string& detail1 = "",
          const std::string& detail2 = "");

// From what a DXF file holds, as the file itself has it.
void DxfWarnings(Explanation& out, const DxfHoldings& holdings, const PairStream& stream);
// From the plotter commands and what became of them.
void PltWarnings(Explanation& out, const Tally& commands);
// A file that is not what the importer reads; its stop then says so.
void KindWarnings(Explanation& out);
void LocaleWarning(Explanation& out);
