#include "Census.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <memory>

#include "Beside.h"
#include "DieWalk.h"
#include "DxfWalk.h"
#include "PltWalk.h"
#include "Reasons.h"
#include "ShapeKind.h"
#include "Sniff.h"
#include "Warnings.h"
#include "Text.h"
#include "platform/WinCrt.h"

namespace
{
struct FileCloser
{
    void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

File OpenAsImporter(const std::string& path)
{
    return File(_wfopen(WideFromUtf8(path), L"r"));
}

// The shapes the import holds, by the class the census predicts them by.
std::map<std::string, long long> ShapesByClass(const Import& import)
{
    std::map<std::string, long long> classes;
    long long polylines = 0, circles = 0, texts = 0, others = 0;
    for (const auto& object : import.shapes)
    {
        switch (KindOf(*object))
        {
        case ShapeKind::Polyline:
            ++polylines;
            break;
        case ShapeKind::Circle:
            ++circles;
            break;
        case ShapeKind::Text:
            ++texts;
            break;
        default:
            ++others;
            break;
        }
    }
    for (const auto& [name, count] : {std::pair{"polyline", polylines}, std::pair{"circle", circles},
                                      std::pair{"text", texts}, std::pair{"other", others}})
        if (count)
            classes[name] = count;
    classes["insert"] = static_cast<long long>(import.inserts.size());
    return classes;
}

void AddInto(AccountRow& sum, const AccountRow& row)
{
    sum.inFile += row.inFile;
    sum.kept += row.kept;
    for (const auto& [code, count] : row.dropped)
        sum.dropped[code] += count;
    for (const auto& [code, count] : row.passedOver)
        sum.passedOver[code] += count;
    sum.unexplained += row.unexplained;
}

// Rows of the ENTITIES section: every entity the file holds or the walk met. seen: the
// entities of the section as the reader's pairs show it.
void FillRows(Explanation& out, const std::map<std::string, long long>& seen, const Tally& tally,
              const WalkOutcome& outcome, bool pairsShifted)
{
    const auto countIn = [](const std::map<std::string, long long>& counts, const std::string& type) {
        auto it = counts.find(type);
        return it == counts.end() ? 0 : it->second;
    };
    // What the reader took for entities in the shifted pairs, the file does not hold: one row.
    AccountRow shifted;
    shifted.type = "(shifted pairs)";
    std::map<std::string, AccountRow> rows = tally.Rows();
    for (const auto& [type, count] : seen)
        rows[type].type = type;
    for (const auto& [type, count] : out.holds.entities)
        rows[type].type = type;
    for (auto& [type, row] : rows)
    {
        row.inFile = std::max(countIn(out.holds.entities, type),
                              countIn(seen, type) + tally.OutsideCount(type));
        const long long missing = row.inFile - Accounted(row);
        if (missing < 0)
            row.inFile -= missing;
        else if (missing > 0 && pairsShifted)
            row.passedOver["shifted-pairs"] += missing;
        else if (missing > 0 && outcome.stop)
            row.passedOver["not-reached"] += missing;
        else if (missing > 0 && !outcome.unreachedReason.empty())
            row.passedOver[outcome.unreachedReason] += missing;
        else
            row.unexplained += missing;
        if (pairsShifted && !out.holds.entities.count(type))
            AddInto(shifted, row);
        else
            out.accounting.push_back(row);
    }
    if (shifted.inFile)
        out.accounting.push_back(shifted);
}

// Sets the kept counts against the shapes the import holds: what differs is unexplained.
template <class ClassOf>
void Reconcile(Explanation& out, const Import& import, const WalkOutcome& outcome, ClassOf classOf)
{
    auto actual = ShapesByClass(import);
    for (const auto& [name, count] : outcome.predicted)
        actual[name] += 0; // a class the import holds none of
    for (const auto& [name, count] : actual)
    {
        auto expected = outcome.predicted.find(name);
        long long deficit = (expected == outcome.predicted.end() ? 0 : expected->second) - count;
        for (AccountRow& row : out.accounting)
            if (deficit > 0 && classOf(row.type) == name)
            {
                const long long moved = std::min(deficit, row.kept);
                row.kept -= moved;
                row.unexplained += moved;
                deficit -= moved;
            }
        if (deficit < 0)
        {
            AccountRow surplus;
            surplus.type = "(more " + name + " shapes)";
            surplus.inFile = surplus.unexplained = -deficit;
            out.accounting.push_back(surplus);
        }
    }
    if (outcome.result != import.result)
    {
        AccountRow answer;
        answer.type = "(read result " + std::to_string(import.result) + ")";
        answer.inFile = answer.unexplained = 1;
        out.accounting.push_back(answer);
    }
}

} // namespace

// The census of a file before it is set against an import: all of it but the kept shapes.
struct CensusSurvey
{
    Explanation out;
    WalkOutcome outcome;
    std::string (*classOf)(const std::string&) = nullptr;
};

namespace
{
void SurveyDxf(CensusSurvey& survey, const std::string& path, bool steps)
{
    Explanation& out = survey.out;
    File file = OpenAsImporter(path);
    const bool die = out.importer == "die";
    TypeNames names;
    Tally entities, blockEntities;
    const auto reads = die ? &DieWalk::Reads : &DxfWalk::Reads;
    // The file as it is, and the file as the reader's pairs show it: they part at a line the
    // reader cuts, and the walk is set against the second.
    DxfHoldings fileView(out, names, reads);
    PairStream stream(file.get(), die ? 255 : 2048, fileView);
    ReaderHoldings readerView(fileView, out, stream);
    WalkOutcome outcome;
    if (die)
        outcome = DieWalk(stream, readerView, names, entities, blockEntities).Run();
    else
        outcome = DxfWalk(stream, readerView, names, entities, blockEntities).Run(steps);
    while (stream.Next()) // the rest of the file, for what it holds
        readerView.Observe(stream.Code(), stream.Value());
    fileView.Finish();

    out.result = outcome.result;
    out.stoppedAt = outcome.stop;
    FillRows(out, readerView.Holds().entities, entities, outcome, stream.FirstLongLine().has_value());
    for (const auto& [type, row] : blockEntities.Rows())
    {
        AccountRow counted = row;
        counted.inFile = Accounted(row);
        out.blockAccounting.push_back(counted);
    }
    survey.outcome = outcome;
    survey.classOf = die ? &DieWalk::ClassOf : &DxfWalk::ClassOf;
    if (die && !readerView.View().SawTable() && !out.holds.entities.empty())
        Warn(out, "die-no-tables");
    DxfWarnings(out, fileView, stream);
}

void SurveyPlt(CensusSurvey& survey, const std::string& path)
{
    Explanation& out = survey.out;
    File file = OpenAsImporter(path);
    TypeNames names;
    Tally commands;
    const WalkOutcome outcome = PltWalk(file.get(), names, commands).Run();
    out.result = outcome.result;
    out.stoppedAt = outcome.stop;
    for (const auto& [mnemonic, row] : commands.Rows())
    {
        AccountRow counted = row;
        counted.inFile = Accounted(row);
        out.holds.commands[mnemonic] = counted.inFile;
        out.accounting.push_back(counted);
    }
    survey.outcome = outcome;
    survey.classOf = &PltWalk::ClassOf;
    PltWarnings(out, commands);
}
} // namespace

std::optional<std::string> UnitsName(const Explanation& explanation)
{
    static const char* const kUnits[] = {
        "unitless",    "inches",     "feet",        "miles",       "millimetres",
        "centimetres", "metres",     "kilometres",  "microinches", "mils",
        "yards",       "angstroms",  "nanometres",  "microns",     "decimetres",
        "decametres",  "hectometres", "gigametres", "astronomical units", "light years",
        "parsecs"};
    if (!explanation.insUnits)
        return std::nullopt;
    const int units = *explanation.insUnits;
    if (units < 0 || units >= static_cast<int>(sizeof kUnits / sizeof kUnits[0]))
        return "unknown unit " + std::to_string(units);
    return std::string(kUnits[units]);
}

namespace
{
std::unique_ptr<CensusSurvey> Survey(const std::string& path, const std::string& importer,
                                     const ImportSettings& settings)
{
    auto survey = std::make_unique<CensusSurvey>();
    Explanation& out = survey->out;
    out.file = path;
    out.importer = importer;
    const FileKind kind = SniffFile(path);
    out.kind = kind.kind;
    out.kindDetail = kind.detail;
    if (importer == "plt")
        SurveyPlt(*survey, path);
    else
        SurveyDxf(*survey, path, settings.dxfSteps);
    return survey;
}

Explanation SetAgainst(CensusSurvey& survey, const Import& import)
{
    Explanation out = std::move(survey.out);
    Reconcile(out, import, survey.outcome, survey.classOf);
    out.result = import.result;
    KindWarnings(out);
    LocaleWarning(out);
    const long long unexplained = TotalsOf(out).unexplained;
    if (unexplained)
        Warn(out, "unexplained", std::to_string(unexplained));
    return out;
}
} // namespace

Explanation Explain(const std::string& path, const std::string& importer,
                    const ImportSettings& settings, const Import& import)
{
    return SetAgainst(*Survey(path, importer, settings), import);
}

FileCensus::FileCensus(const std::string& path, const std::string& importer,
                       const ImportSettings& settings)
{
    // The dxf importer sets the user's locale as it opens the file: set it first, so that it
    // is already in force, and stays so, while the census reads numbers beside the import.
    if (importer == "dxf")
        std::setlocale(LC_ALL, "");
    m_survey = Beside([=] { return Survey(path, importer, settings); });
}

FileCensus::~FileCensus() = default;

Explanation FileCensus::Explain(const Import& import)
{
    return SetAgainst(*m_survey.get(), import);
}

CensusTotals TotalsOf(const Explanation& explanation)
{
    CensusTotals totals;
    for (const AccountRow& row : explanation.accounting)
    {
        for (const auto& [reason, count] : row.dropped)
            totals.dropped += count;
        for (const auto& [reason, count] : row.passedOver)
            totals.passedOver += count;
        totals.unexplained += row.unexplained;
    }
    return totals;
}
