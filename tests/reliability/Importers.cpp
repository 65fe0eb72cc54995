#include "Importers.h"

#include "diedxf/CKVDieDxf.h"
#include "dxf/CKVDxf.h"
#include "plt/CKVPlt.h"

namespace
{
long long DeleteAll(CObArray& shapes)
{
    const long long count = shapes.GetSize();
    for (INT_PTR i = 0; i < shapes.GetSize(); ++i)
        delete shapes[i];
    shapes.RemoveAll();
    return count;
}

Outcome ReadDxf(const CString& path, bool staged)
{
    Outcome outcome;
    CKVDxf dxf;
    outcome.opened = dxf.Open(path);
    if (outcome.opened)
    {
        if (!staged)
            outcome.result = dxf.Read();
        else
        {
            outcome.result = dxf.ReadLayer();
            if (outcome.result)
                outcome.result = dxf.Read_C();
            if (outcome.result)
                outcome.result = dxf.ReadEntities();
        }
    }
    outcome.shapes = DeleteAll(dxf.m_arrShape) + DeleteAll(dxf.m_arrInsert);
    return outcome;
}

Outcome ReadDie(const CString& path)
{
    Outcome outcome;
    CKVDieDxf die; // deletes its own shapes
    outcome.opened = die.Open(path);
    if (outcome.opened)
        outcome.result = die.ReadData();
    outcome.shapes = die.m_arrShape.GetSize();
    return outcome;
}

Outcome ReadPlt(const CString& path, int unitMode)
{
    Outcome outcome;
    CKVPlt plt;
    plt.m_nUnitMode = unitMode;
    outcome.opened = plt.Open(path);
    if (outcome.opened)
        outcome.result = plt.Read();
    outcome.shapes = DeleteAll(plt.m_arrShape) + DeleteAll(plt.m_arrShape2);
    return outcome;
}
} // namespace

Outcome RunImporter(Importer importer, const std::filesystem::path& path)
{
    const CString widePath(path.wstring().c_str());
    switch (importer)
    {
    case Importer::Dxf:
        return ReadDxf(widePath, false);
    case Importer::DxfStaged:
        return ReadDxf(widePath, true);
    case Importer::Die:
        return ReadDie(widePath);
    case Importer::Plt:
        return ReadPlt(widePath, 0);
    case Importer::PltUnits:
        return ReadPlt(widePath, 1);
    }
    return {};
}

const char* NameOf(Importer importer)
{
    switch (importer)
    {
    case Importer::Dxf:
        return "Dxf";
    case Importer::DxfStaged:
        return "DxfStaged";
    case Importer::Die:
        return "Die";
    case Importer::Plt:
        return "Plt";
    case Importer::PltUnits:
        return "PltUnits";
    }
    return "";
}
