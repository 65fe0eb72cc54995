#include "Import.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <tuple>

#include "Text.h"
#include "diedxf/CKVDieDxf.h"
#include "dxf/CKVDxf.h"
#include "plt/CKVPlt.h"

namespace
{
// Takes every object out of an importer's output array; the host owns them from here on.
OwnedShapes TakeOver(CObArray& array)
{
    OwnedShapes owned;
    owned.reserve(static_cast<size_t>(array.GetSize()));
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        owned.emplace_back(array[i]);
    array.RemoveAll();
    return owned;
}

std::vector<CString> Strings(const CStringArray& array)
{
    std::vector<CString> list;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        list.push_back(array[i]);
    return list;
}

void SetScale(double& x, double& y, const std::optional<std::pair<double, double>>& scale)
{
    if (scale)
        std::tie(x, y) = *scale;
}

bool ReadDxf(const CString& path, const ImportSettings& settings, Import& out)
{
    CKVDxf dxf;
    SetScale(dxf.m_Layers.m_dDxfScaleX, dxf.m_Layers.m_dDxfScaleY, settings.dxfScale);
    if (!dxf.Open(path))
        return false;
    if (settings.numbersAsWritten)
        std::setlocale(LC_NUMERIC, "C");
    if (settings.dxfSteps)
    {
        out.result = dxf.ReadLayer();
        if (out.result)
            out.result = dxf.Read_C();
        if (out.result)
            out.result = dxf.ReadEntities();
    }
    else
        out.result = dxf.Read();
    out.shapes = TakeOver(dxf.m_arrShape);
    out.inserts = TakeOver(dxf.m_arrInsert);
    out.layers = Strings(dxf.m_arrLayer);
    return true;
}

bool ReadDie(const CString& path, Import& out)
{
    CKVDieDxf die;
    if (!die.Open(path))
        return false;
    out.result = die.ReadData();
    die.Close();
    // Taken out of the array first, so that the importer's destructor leaves them alone.
    out.shapes = TakeOver(die.m_arrShape);
    out.color1 = Strings(die.m_arrLayerColor1);
    out.color7 = Strings(die.m_arrLayerColor7);
    return true;
}
bool ReadPlt(const CString& path, const ImportSettings& settings, Import& out)
{
    CKVPlt plt;
    SetScale(plt.m_Layers.m_dPltScaleX, plt.m_Layers.m_dPltScaleY, settings.pltScale);
    SetScale(plt.m_Layers.m_dPltScaleX2, plt.m_Layers.m_dPltScaleY2, settings.pltScale2);
    plt.m_nUnitMode = settings.unitMode;
    if (!plt.Open(path))
        return false;
    out.result = plt.Read();
    out.shapes = TakeOver(plt.m_arrShape);
    out.pen = PenState{plt.m_nPen, plt.m_strPen, plt.m_dPenX, plt.m_dPenY, plt.m_nDrawState};
    return true;
}
} // namespace

const std::vector<std::string>& AvailableImporters()
{
    static const std::vector<std::string> importers = {"dxf", "die", "plt"};
    return importers;
}

std::string ImporterForPath(const std::string& path)
{
    std::string name = path.substr(path.find_last_of('/') + 1);
    size_t dot = name.find_last_of('.');
    if (dot == std::string::npos)
        return "";
    std::string extension = name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "dxf")
        return "dxf";
    if (extension == "plt" || extension == "hpgl" || extension == "hgl" || extension == "hpg")
        return "plt";
    return "";
}

bool RunImport(const std::string& importer, const std::string& path, const ImportSettings& settings,
               Import& out)
{
    out.importer = importer;
    const CString widePath = WideFromUtf8(path);
    if (importer == "die")
        return ReadDie(widePath, out);
    if (importer == "plt")
        return ReadPlt(widePath, settings, out);
    return ReadDxf(widePath, settings, out);
}
