// rivezozer._rivezozer: the importers as a Python host, the same contract as rivez.
// rivezozer/__init__.py checks the arguments and turns a file that cannot be opened into the
// OSError Python users expect; this module reads, with the GIL released.
#include <cmath>

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "Contours.h"
#include "Json.h"
#include "PythonJson.h"
#include "Reading.h"
#include "Shapes.h"

namespace py = pybind11;

namespace
{
struct Drawing
{
    SharedImport import;
};

using Scale = std::optional<std::pair<double, double>>;

ImportSettings Settings(const Scale& dxfScale, bool dxfSteps, const Scale& pltScale,
                        const Scale& pltScale2, int unitMode)
{
    ImportSettings settings;
    settings.dxfScale = dxfScale;
    settings.dxfSteps = dxfSteps;
    settings.pltScale = pltScale;
    settings.pltScale2 = pltScale2;
    settings.unitMode = unitMode;
    return settings;
}

// Contour ends meet within a distance of 0 or more drawing units.
std::optional<double> Tolerance(std::optional<double> gapTolerance)
{
    if (gapTolerance && !(*gapTolerance >= 0 && std::isfinite(*gapTolerance)))
        throw py::value_error("gap_tolerance takes a number of drawing units, 0 or more, not " +
                              std::string(py::repr(py::float_(*gapTolerance))));
    return gapTolerance;
}

py::list Strings(const std::vector<CString>& strings)
{
    py::list list;
    for (const CString& s : strings)
        list.append(PythonText(s));
    return list;
}

py::object Layers(const Import& import)
{
    if (import.importer != "die")
        return Strings(import.layers);
    py::dict layers;
    layers["color1"] = Strings(import.color1);
    layers["color7"] = Strings(import.color7);
    return std::move(layers);
}

void BindPen(py::module_& m)
{
    py::class_<PenState>(m, "Pen", "Where the plotter's pen was left after the read.")
        .def_readonly("number", &PenState::number, "The pen selected (SP).")
        .def_property_readonly(
            "text", [](const PenState& pen) { return PythonText(pen.text); },
            "The last label (LB).")
        .def_readonly("x", &PenState::x)
        .def_readonly("y", &PenState::y)
        .def_readonly("draw_state", &PenState::drawState, "1 while the pen is down.")
        .def("__repr__",
             [](const PenState& pen)
             {
                 return "Pen(number=" + std::to_string(pen.number) +
                        ", x=" + std::string(py::repr(py::float_(pen.x))) +
                        ", y=" + std::string(py::repr(py::float_(pen.y))) +
                        ", draw_state=" + std::to_string(pen.drawState) + ")";
             });
}

void BindDrawing(py::module_& m)
{
    py::class_<Drawing>(m, "Drawing", "What one importer made of one file; read() makes it.")
        .def_property_readonly(
            "importer", [](const Drawing& d) { return d.import->importer; },
            "'dxf', 'die' or 'plt'.")
        .def_property_readonly(
            "result", [](const Drawing& d) { return d.import->result; },
            "What the read operation returned: for the DXF importers 1 when read to the end, 0 "
            "when it broke off; the plotter importer always returns 0.")
        .def_property_readonly(
            "shapes", [](const Drawing& d) { return ShapeList(d.import, d.import->shapes); },
            "The shapes in the importer's order (m_arrShape).")
        .def_property_readonly(
            "inserts", [](const Drawing& d) { return ShapeList(d.import, d.import->inserts); },
            "The dxf importer's placed blocks (m_arrInsert), each a Body.")
        .def_property_readonly(
            "layers", [](const Drawing& d) { return Layers(*d.import); },
            "dxf: the layer strings; die: {'color1': [...], 'color7': [...]}; plt: [].")
        .def_property_readonly(
            "pen",
            [](const Drawing& d) -> py::object
            { return d.import->pen ? py::cast(*d.import->pen) : py::none(); },
            "plt: where the pen was left; None for the other importers.")
        .def(
            "to_dict",
            [](const Drawing& d)
            {
                nlohmann::ordered_json json;
                {
                    py::gil_scoped_release released;
                    json = ImportToJson(*d.import);
                }
                return PythonFromJson(json);
            },
            "The drawing as json.loads gives `rivez --format json`: camelCase keys, points as "
            "lists of [x, y], NaN and infinities as the strings 'nan', 'inf', '-inf'.")
        .def(
            "contours",
            [](const Drawing& d, std::optional<double> gapTolerance)
            {
                gapTolerance = Tolerance(gapTolerance);
                nlohmann::ordered_json json;
                {
                    py::gil_scoped_release released;
                    json = ContoursJson(CheckContours(*d.import, gapTolerance));
                }
                return PythonFromJson(json);
            },
            py::arg("gap_tolerance") = py::none(),
            "The contour check, as the 'contours' key of explain(): tolerance, closed, "
            "loopsOfPieces and the open chains.")
        .def("__repr__",
             [](const Drawing& d)
             {
                 return "<Drawing " + d.import->importer +
                        " result=" + std::to_string(d.import->result) +
                        " shapes=" + std::to_string(d.import->shapes.size()) +
                        " inserts=" + std::to_string(d.import->inserts.size()) + ">";
             });
}
} // namespace

PYBIND11_MODULE(_rivezozer, m)
{
    m.doc() = "The RIVEzozer importers; use the rivezozer package, which checks the arguments.";
    BindShapes(m);
    BindPen(m);
    BindDrawing(m);

    m.def(
        "importer_for_path", [](const py::bytes& path) { return ImporterForPath(path); },
        "The importer rivez picks by the file's extension, or '' when it says nothing.");
    m.def("importers", &AvailableImporters, "The importers this build offers.");
    m.def(
        "read",
        [](const py::bytes& path, const std::string& importer, const Scale& dxfScale, bool dxfSteps,
           const Scale& pltScale, const Scale& pltScale2, int unitMode) -> py::object
        {
            const std::string file = path;
            SharedImport import;
            {
                py::gil_scoped_release released;
                import = ReadDrawing(importer, file,
                                     Settings(dxfScale, dxfSteps, pltScale, pltScale2, unitMode));
            }
            return import ? py::cast(Drawing{import}) : py::none();
        },
        "The Drawing, or None when the importer cannot open the file.", py::arg("path"),
        py::arg("importer"), py::arg("dxf_scale"), py::arg("dxf_steps"), py::arg("plt_scale"),
        py::arg("plt_scale2"), py::arg("unit_mode"));
    m.def(
        "explain",
        [](const py::bytes& path, const std::string& importer, const Scale& dxfScale, bool dxfSteps,
           const Scale& pltScale, const Scale& pltScale2, int unitMode,
           std::optional<double> gapTolerance) -> py::object
        {
            const std::string file = path;
            gapTolerance = Tolerance(gapTolerance);
            std::optional<nlohmann::ordered_json> json;
            {
                py::gil_scoped_release released;
                json = ExplainDrawing(importer, file,
                                      Settings(dxfScale, dxfSteps, pltScale, pltScale2, unitMode),
                                      gapTolerance);
            }
            return json ? PythonFromJson(*json) : py::none();
        },
        "What `rivez --format explain-json` prints, or None when the file cannot be opened.",
        py::arg("path"), py::arg("importer"), py::arg("dxf_scale"), py::arg("dxf_steps"),
        py::arg("plt_scale"), py::arg("plt_scale2"), py::arg("unit_mode"),
        py::arg("gap_tolerance"));
}
