#include "Reading.h"

#include <clocale>
#include <mutex>

#include "Census.h"
#include "Contours.h"
#include "Explain.h"

namespace
{
// The dxf importer's Open switches the whole process, every thread, to the user's locale, and
// every importer reads numbers by the process's decimal point: a read running beside another
// would see the locale change under it. So reads take turns.
std::mutex g_reading;

// Holds LC_NUMERIC at "C" for one read and gives the program back the locale it had.
class NumbersAsWritten
{
  public:
    NumbersAsWritten() : m_saved(std::setlocale(LC_ALL, nullptr))
    {
        std::setlocale(LC_NUMERIC, "C");
    }
    ~NumbersAsWritten() { std::setlocale(LC_ALL, m_saved.c_str()); }
    NumbersAsWritten(const NumbersAsWritten&) = delete;
    NumbersAsWritten& operator=(const NumbersAsWritten&) = delete;

  private:
    std::string m_saved;
};
} // namespace

std::shared_ptr<const Import> ReadDrawing(const std::string& importer, const std::string& path,
                                          ImportSettings settings)
{
    settings.numbersAsWritten = true;
    auto import = std::make_shared<Import>();
    std::lock_guard<std::mutex> turn(g_reading);
    NumbersAsWritten locale;
    if (!RunImport(importer, path, settings, *import))
        return nullptr;
    return import;
}

std::optional<nlohmann::ordered_json> ExplainDrawing(const std::string& importer,
                                                     const std::string& path,
                                                     ImportSettings settings,
                                                     std::optional<double> gapTolerance)
{
    settings.numbersAsWritten = true;
    Import import;
    std::optional<Explanation> explanation;
    {
        std::lock_guard<std::mutex> turn(g_reading);
        NumbersAsWritten locale; // the census looks at the decimal point the import had
        if (!RunImport(importer, path, settings, import))
            return std::nullopt;
        explanation = Explain(path, importer, settings, import);
    }
    return ExplanationWithContoursJson(*explanation, CheckContours(import, gapTolerance),
                                       BuildParts(import, PartsOptions{gapTolerance, std::nullopt}));
}
