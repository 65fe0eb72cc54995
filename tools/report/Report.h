#pragma once
// rivez --format html: every drawing imported in a worker of its own, then one page.
#include <optional>
#include <string>

#include "Drawings.h"
#include "Import.h"
#include "Workers.h"

struct ReportOptions
{
    std::string importer; // empty: by each file's extension
    ImportSettings settings;
    WorkerLimits limits;
    std::optional<double> gapTolerance; // contour ends meet within it; default: the check's own
    std::string page; // the HTML file; the pictures and JSON go to a folder beside it
};

// The folder beside the page: "report.html" keeps its files in "report.files".
std::string FilesFolderOf(const std::string& page);

// Writes the page of the drawings and returns the exit status: 0 when every file was read,
// 1 when one could not be opened or its import failed, or the page cannot be written.
int WriteReport(const DrawingList& drawings, const ReportOptions& options);
