// The part builder of a build that has no GEOS: it builds nothing and says why, so that every
// caller still answers (the summary, explain-json, the report) while nothing is guessed.
#include "Parts.h"

bool PartsAvailable()
{
    return false;
}

PartsReport BuildParts(const Import&, const PartsOptions&)
{
    PartsReport report;
    report.problems.push_back(
        {"no-geometry-library", {}, {}, "parts need GEOS, which this build of rivez lacks"});
    return report;
}
