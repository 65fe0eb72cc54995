// The census on any bytes, set against each importer's own read of them: it must explain
// every entity and command it counts, whatever the file holds.
#include <cstdlib>
#include <sstream>

#include "Census.h"
#include "FuzzFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzFile file(data, size, ".dxf");
    for (const char* importer : {"dxf", "die", "plt"})
    {
        Import import;
        if (!RunImport(importer, file.NarrowPath(), {}, import))
            continue;
        const Explanation explanation = Explain(file.NarrowPath(), importer, {}, import);
        std::ostringstream text;
        WriteExplanation(text, explanation);
        text << ExplanationJson(explanation).dump(); // names and texts are whole UTF-8
        if (TotalsOf(explanation).unexplained != 0)
            std::abort(); // the census and the importer disagree about this file
    }
    return 0;
}
