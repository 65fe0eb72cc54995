// rivez: reads drawings with the RIVEzozer importers, as the host application does, and
// shows what came out as a summary, JSON or an SVG picture.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <thread>

#include <CLI/CLI.hpp>

#include "Census.h"
#include "Explain.h"
#include "Import.h"
#include "Json.h"
#include "Parts.h"
#include "PictureFiles.h"
#include "Report.h"
#include "Summary.h"
#include "Svg.h"
#include "platform/StandardOutput.h"

namespace
{
const char* kVersion = "rivez 0.1.0";

struct Options
{
    std::string importer;
    std::string format = "summary";
    std::string output;
    std::vector<std::string> files;
    ImportSettings settings;
    WorkerLimits limits{std::max(1u, std::thread::hardware_concurrency()), 60};
    std::map<std::string, int> skipped; // html: files in folders that are not drawings
    std::optional<double> gapTolerance;
    std::optional<double> chordTolerance;
    bool parts = false; // svg: fill the parts
};

PartsOptions PartsOf(const Options& options)
{
    return {options.gapTolerance, options.chordTolerance};
}

struct UsageError
{
    std::string message;
};

// "SX,SY" as two numbers, nothing else.
std::pair<double, double> ParseScale(const std::string& option, const std::string& text)
{
    const char* s = text.c_str();
    char* end = nullptr;
    errno = 0;
    double x = std::strtod(s, &end);
    if (end != s && *end == ',')
    {
        const char* second = end + 1;
        double y = std::strtod(second, &end);
        if (end != second && *end == '\0' && errno == 0)
            return {x, y};
    }
    throw UsageError{option + " takes two numbers as SX,SY, not '" + text + "'"};
}

std::string ImporterOf(const Options& options, const std::string& file)
{
    if (!options.importer.empty())
        return options.importer;
    std::string importer = ImporterForPath(file);
    if (importer.empty())
        throw UsageError{"cannot tell the importer of '" + file +
                         "' from its extension; give --importer dxf|die|plt"};
    return importer;
}

void Validate(const Options& options)
{
    const auto& available = AvailableImporters();
    for (const std::string& file : options.files)
    {
        std::string importer = ImporterOf(options, file);
        if (std::find(available.begin(), available.end(), importer) == available.end())
            throw UsageError{"the " + importer + " importer is not available yet"};
        if (options.parts && options.format != "svg")
            throw UsageError{"--parts goes with --format svg; --format parts gives them as JSON"};
        if (options.settings.dxfSteps && importer != "dxf")
            throw UsageError{"--dxf-steps works with the dxf importer only"};
    }
    if ((options.format == "parts" || options.parts) && !PartsAvailable())
        throw UsageError{"parts need GEOS, which this build of rivez lacks"};
    if (options.format == "svg" && options.files.size() > 1 && options.output.empty())
        throw UsageError{"several FILEs make several pictures: give -o DIR for an SVG file each"};
    if (options.format == "html" && options.output.empty())
        throw UsageError{"--format html writes a page: give -o PAGE.html"};
    if (!options.output.empty() && options.format != "summary" && options.format != "svg" &&
        options.format != "html" && options.files.size() > 1)
        throw UsageError{"--output takes one FILE only for --format " + options.format};
}

Options Parse(int argc, char** argv)
{
    Options options;
    CLI::App app{"Reads drawings with the RIVEzozer importers and shows the shapes they make.",
                 "rivez"};
    app.allow_windows_style_options(false); // a path may begin with "/" on Windows too
    std::string dxfScale, pltScale, pltScale2;
    app.set_version_flag("--version", kVersion);
    app.add_option("--importer", options.importer,
                   "dxf, die or plt (default: by extension: .dxf, or .plt .hpgl .hgl .hpg)")
        ->check(CLI::IsMember({"dxf", "die", "plt"}));
    app.add_option("--format", options.format,
                   "summary, json, svg, html (one page of every FILE and folder), explain "
                   "(why each entity was kept, dropped or passed over), explain-json or parts "
                   "(outlines with their holes and marks, as JSON)")
        ->check(CLI::IsMember(
            {"summary", "json", "svg", "html", "explain", "explain-json", "parts"}));
    app.add_option("-o,--output", options.output,
                   "write there instead of standard output; for --format svg with several "
                   "FILEs (or an existing directory) a directory: one NAME.svg per FILE, "
                   "NAME-2.svg ... when names repeat");
    app.add_option("--dxf-scale", dxfScale, "SX,SY: the DXF scale factors");
    app.add_option("--plt-scale", pltScale, "SX,SY: the plotter scale factors of unit mode 0");
    app.add_option("--plt-scale2", pltScale2, "SX,SY: the plotter scale factors of unit mode 1");
    app.add_option("--unit-mode", options.settings.unitMode, "the plotter unit mode, 0 or 1");
    app.add_flag("--dxf-steps", options.settings.dxfSteps,
                 "dxf only: ReadLayer, Read_C, ReadEntities in turn instead of Read");
    app.add_option("-j,--jobs", options.limits.jobs, "html: files imported at once")
        ->check(CLI::Range(1, 256));
    app.add_option("--time-limit", options.limits.secondsPerJob,
                   "html: seconds an import may take before it is stopped")
        ->check(CLI::Range(0.1, 86400.0));
    double gapTolerance = 0.0;
    auto* gapOption = app.add_option("--gap-tolerance", gapTolerance,
                                     "D: contour ends meet within D drawing units (default: "
                                     "1e-5 of the larger side of the extent)");
    double chordTolerance = 0.0;
    auto* chordOption = app.add_option("--chord-tolerance", chordTolerance,
                                       "D: parts: arcs become chords straying at most D drawing "
                                       "units (default: 1e-4 of the larger side of the extent)");
    app.add_flag("--parts", options.parts,
                 "svg: fill the parts, holes left open, marks drawn over, problems ringed");
    app.add_option("FILE", options.files,
                   "the drawings to read (html: folders too); with several, JSON is one object "
                   "per line")
        ->required();
    try
    {
        app.parse(argc, argv);
    }
    catch (const CLI::CallForHelp&)
    {
        std::cout << app.help();
        std::exit(0);
    }
    catch (const CLI::CallForVersion&)
    {
        std::cout << kVersion << "\n";
        std::exit(0);
    }
    catch (const CLI::ParseError& e)
    {
        throw UsageError{e.what()};
    }
    if (gapOption->count() > 0)
    {
        if (!(gapTolerance >= 0) || !std::isfinite(gapTolerance))
            throw UsageError{"--gap-tolerance takes a number of drawing units, 0 or more"};
        options.gapTolerance = gapTolerance;
    }
    if (chordOption->count() > 0)
    {
        if (!(chordTolerance > 0) || !std::isfinite(chordTolerance))
            throw UsageError{"--chord-tolerance takes a number of drawing units above 0"};
        options.chordTolerance = chordTolerance;
    }
    if (!dxfScale.empty())
        options.settings.dxfScale = ParseScale("--dxf-scale", dxfScale);
    if (!pltScale.empty())
        options.settings.pltScale = ParseScale("--plt-scale", pltScale);
    if (!pltScale2.empty())
        options.settings.pltScale2 = ParseScale("--plt-scale2", pltScale2);
    if (options.format == "html")
    {
        DrawingList drawings = ListDrawings(options.files, options.importer);
        options.files = std::move(drawings.files);
        options.skipped = std::move(drawings.skippedByExtension);
    }
    Validate(options);
    return options;
}

// Says how far a run over several files is, on a terminal only.
class Progress
{
  public:
    explicit Progress(size_t total) : m_total(total), m_shown(total > 1 && isatty(2)) {}
    ~Progress()
    {
        if (m_shown)
            std::cerr << "\r\033[K" << std::flush;
    }
    void At(size_t index, const std::string& file) const
    {
        if (m_shown)
            std::cerr << "\r\033[Krivez: " << index + 1 << "/" << m_total << " " << file
                      << std::flush;
    }

  private:
    size_t m_total;
    bool m_shown;
};

// The picture of one import; with its parts filled, the ends it rings are those of the open
// outlines, where creases and engravings do not count.
void WritePicture(std::ostream& out, const std::string& path, const Import& import,
                  const Options& options)
{
    if (!options.parts)
    {
        WriteSvg(out, path, import, FreeEnds(CheckContours(import, options.gapTolerance)));
        return;
    }
    const PartsReport parts = BuildParts(import, PartsOf(options));
    std::vector<ContourPoint> ends;
    for (const OpenOutline& open : parts.open)
        ends.insert(ends.end(), std::begin(open.ends), std::end(open.ends));
    WriteSvg(out, path, import, ends, &parts);
}

// Writes the picture of one import into its own file.
bool WritePictureFile(const std::filesystem::path& picture, const std::string& path,
                      const Import& import, const Options& options)
{
    std::ofstream file(picture, std::ios::binary);
    if (file)
        WritePicture(file, path, import, options);
    if (!file.flush())
    {
        std::cerr << "rivez: cannot write " << picture.string() << ": " << std::strerror(errno)
                  << "\n";
        return false;
    }
    return true;
}

// The system takes a large import's memory back at exit at once, faster than freeing its shapes
// one by one.
void KeepUntilExit(Import&& import)
{
    static Import* kept = nullptr;
    delete kept;
    kept = new Import(std::move(import));
}

int Run(const Options& options)
{
    if (options.format == "html")
        return WriteReport({options.files, options.skipped},
                           {options.importer, options.settings, options.limits,
                            options.gapTolerance, options.output});
    std::ofstream file;
    std::vector<std::filesystem::path> pictures;
    std::error_code error;
    if (options.format == "svg" && !options.output.empty() &&
        (options.files.size() > 1 || std::filesystem::is_directory(options.output)))
    {
        if (!std::filesystem::create_directories(options.output, error) && error)
        {
            std::cerr << "rivez: cannot make the directory " << options.output << ": "
                      << error.message() << "\n";
            return 1;
        }
        pictures = PictureFiles(options.output, options.files);
    }
    else if (!options.output.empty())
    {
        file.open(options.output, std::ios::binary);
        if (!file)
        {
            std::cerr << "rivez: cannot write " << options.output << ": " << std::strerror(errno)
                      << "\n";
            return 1;
        }
    }
    std::ostream& out = options.output.empty() ? std::cout : file;
    int status = 0;
    Progress progress(options.files.size());
    for (size_t i = 0; i < options.files.size(); ++i)
    {
        const std::string& path = options.files[i];
        progress.At(i, path);
        Import import;
        const std::string importer = ImporterOf(options, path);
        // The census reads the file on its own, beside the import.
        std::optional<FileCensus> census;
        if (options.format == "summary" || options.format == "explain" ||
            options.format == "explain-json")
            census.emplace(path, importer,
                           options.format == "summary" ? ImportSettings{} : options.settings);
        if (!RunImport(importer, path, options.settings, import))
        {
            std::cerr << "rivez: cannot open " << path << "\n";
            status = 1;
            continue;
        }
        if (options.format == "json")
            out << ImportToJson(import).dump() << "\n";
        else if (options.format == "explain-json")
            out << ExplanationWithContoursJson(
                       census->Explain(import),
                       CheckContours(import, options.gapTolerance),
                       BuildParts(import, PartsOf(options)))
                       .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
                << "\n";
        else if (options.format == "svg" && !pictures.empty())
            status = WritePictureFile(pictures[i], path, import, options) ? status : 1;
        else if (options.format == "svg")
            WritePicture(out, path, import, options);
        else if (options.format == "parts")
        {
            nlohmann::ordered_json json = {{"file", path}, {"importer", import.importer}};
            json.update(PartsJson(BuildParts(import, PartsOf(options))));
            out << json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
                << "\n";
        }
        else
        {
            if (i > 0)
                out << "\n";
            if (options.format == "explain")
                WriteExplanationWithContours(
                    out, census->Explain(import),
                    CheckContours(import, options.gapTolerance));
            else
                WriteSummary(out, path, import, *census, PartsOf(options));
        }
        if (i + 1 == options.files.size())
            KeepUntilExit(std::move(import));
    }
    out.flush();
    return status;
}
} // namespace

int main(int argc, char** argv)
{
    RvzBinaryStandardOutput();
    try
    {
        return Run(Parse(argc, argv));
    }
    catch (const UsageError& e)
    {
        std::cerr << "rivez: " << e.message << "\nRun 'rivez --help' for usage.\n";
        return 2;
    }
    catch (const std::exception& e) // out of memory, or the system refusing what rivez asks of it
    {
        std::cerr << "rivez: stopped: " << e.what() << "\n";
        return 1;
    }
}
