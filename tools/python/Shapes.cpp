#include "Shapes.h"

#include <pybind11/numpy.h>

#include "PythonJson.h"

namespace py = pybind11;

namespace
{
struct ShapeView
{
    SharedImport owner;
    const CShape* shape;
};

template <class T> struct ViewOf : ShapeView
{
    const T& Get() const { return static_cast<const T&>(*shape); }
};

using PolylineView = ViewOf<CPolylineShape>;
using CircleView = ViewOf<CCircleShape>;
using EllipseView = ViewOf<CEllipseShape>;
using TextView = ViewOf<CTextShape>;

struct BodyView
{
    SharedImport owner;
    const CBodyShape* body;
};

py::tuple Pair(double x, double y)
{
    return py::make_tuple(x, y);
}

// A polyline's points as one (N, 2) array of its own, filled in C++.
py::array_t<double> Points(const CPolylineShape& polyline)
{
    const py::ssize_t count = polyline.m_nCount > 0 ? polyline.m_nCount : 0;
    py::array_t<double> points({count, py::ssize_t{2}});
    double* out = points.mutable_data();
    for (py::ssize_t i = 0; i < count; ++i)
    {
        out[2 * i] = polyline.m_pX[i];
        out[2 * i + 1] = polyline.m_pY[i];
    }
    return points;
}

// "Name(layer=1, line_type=1, " and the rest the shape's own.
std::string Repr(const char* name, const CShape& shape, const std::string& rest)
{
    return std::string(name) + "(layer=" + std::to_string(shape.m_nLayer) +
           ", line_type=" + std::to_string(shape.m_nLineType) + ", " + rest + ")";
}

std::string Real(double value)
{
    return py::repr(py::float_(value));
}

std::string RealPair(double x, double y)
{
    return "(" + Real(x) + ", " + Real(y) + ")";
}

py::object Wrap(const SharedImport& owner, const CObject* object)
{
    if (const auto* body = dynamic_cast<const CBodyShape*>(object))
        return py::cast(BodyView{owner, body});
    const auto* shape = dynamic_cast<const CShape*>(object);
    if (!shape)
        return py::none();
    if (dynamic_cast<const CPolylineShape*>(shape))
        return py::cast(PolylineView{{owner, shape}});
    if (dynamic_cast<const CCircleShape*>(shape))
        return py::cast(CircleView{{owner, shape}});
    if (dynamic_cast<const CEllipseShape*>(shape))
        return py::cast(EllipseView{{owner, shape}});
    return py::cast(TextView{{owner, shape}});
}

void BindGeometry(py::module_& m)
{
    py::class_<ShapeView>(m, "Shape", "What every shape has: its layer and line class.")
        .def_property_readonly(
            "layer", [](const ShapeView& v) { return v.shape->m_nLayer; }, "m_nLayer")
        .def_property_readonly(
            "line_type", [](const ShapeView& v) { return v.shape->m_nLineType; },
            "m_nLineType, the line class: for die layouts 0 cutting, 1 creasing");

    py::class_<PolylineView, ShapeView>(m, "Polyline", "A run of points, open or closed.")
        .def_property_readonly("closed",
                               [](const PolylineView& v) { return v.Get().m_bClose != 0; })
        .def_property_readonly(
            "points", [](const PolylineView& v) { return Points(v.Get()); },
            "The points as a new (N, 2) float64 array of x and y, a copy the caller owns.")
        .def("__len__", [](const PolylineView& v) { return std::max(v.Get().m_nCount, 0); })
        .def("__repr__",
             [](const PolylineView& v)
             {
                 return Repr("Polyline", *v.shape,
                             std::string("closed=") + (v.Get().m_bClose ? "True" : "False") +
                                 ", points=<" + std::to_string(std::max(v.Get().m_nCount, 0)) +
                                 " points>");
             })
        .attr("type") = "polyline";

    py::class_<CircleView, ShapeView>(m, "Circle", "A circle or an arc, angles in radians.")
        .def_property_readonly("center", [](const CircleView& v)
                               { return Pair(v.Get().m_dCenterX, v.Get().m_dCenterY); })
        .def_property_readonly("radius", [](const CircleView& v) { return v.Get().m_dRadius; })
        .def_property_readonly(
            "start_angle", [](const CircleView& v) { return v.Get().m_dStartAngle; },
            "Counter-clockwise from the x axis.")
        .def_property_readonly("end_angle", [](const CircleView& v) { return v.Get().m_dEndAngle; })
        .def("__repr__",
             [](const CircleView& v)
             {
                 const CCircleShape& c = v.Get();
                 return Repr("Circle", c,
                             "center=" + RealPair(c.m_dCenterX, c.m_dCenterY) + ", radius=" +
                                 Real(c.m_dRadius) + ", start_angle=" + Real(c.m_dStartAngle) +
                                 ", end_angle=" + Real(c.m_dEndAngle));
             })
        .attr("type") = "circle";

    py::class_<EllipseView, ShapeView>(m, "Ellipse", "An ellipse or an elliptical arc.")
        .def_property_readonly("center", [](const EllipseView& v)
                               { return Pair(v.Get().m_dCenterX, v.Get().m_dCenterY); })
        .def_property_readonly("major", [](const EllipseView& v) { return v.Get().m_dMajor; })
        .def_property_readonly("minor", [](const EllipseView& v) { return v.Get().m_dMinor; })
        .def_property_readonly("angle", [](const EllipseView& v) { return v.Get().m_dAngle; })
        .def_property_readonly("start_param",
                               [](const EllipseView& v) { return v.Get().m_dStartParam; })
        .def_property_readonly("end_param",
                               [](const EllipseView& v) { return v.Get().m_dEndParam; })
        .def("__repr__",
             [](const EllipseView& v)
             {
                 const CEllipseShape& e = v.Get();
                 return Repr("Ellipse", e,
                             "center=" + RealPair(e.m_dCenterX, e.m_dCenterY) +
                                 ", major=" + Real(e.m_dMajor) + ", minor=" + Real(e.m_dMinor) +
                                 ", angle=" + Real(e.m_dAngle) + ", start_param=" +
                                 Real(e.m_dStartParam) + ", end_param=" + Real(e.m_dEndParam));
             })
        .attr("type") = "ellipse";

    py::class_<TextView, ShapeView>(m, "Text", "A line of text at its position, height and angle.")
        .def_property_readonly("text",
                               [](const TextView& v) { return PythonText(v.Get().m_strText); })
        .def_property_readonly("style",
                               [](const TextView& v) { return PythonText(v.Get().m_strStyle); })
        .def_property_readonly("position",
                               [](const TextView& v) { return Pair(v.Get().m_dX, v.Get().m_dY); })
        .def_property_readonly("height", [](const TextView& v) { return v.Get().m_dHeight; })
        .def_property_readonly("width_factor",
                               [](const TextView& v) { return v.Get().m_dWidthFactor; })
        .def_property_readonly("angle", [](const TextView& v) { return v.Get().m_dAngle; })
        .def("__repr__",
             [](const TextView& v)
             {
                 const CTextShape& t = v.Get();
                 return Repr("Text", t,
                             "text=" + std::string(py::repr(PythonText(t.m_strText))) +
                                 ", position=" + RealPair(t.m_dX, t.m_dY) +
                                 ", height=" + Real(t.m_dHeight));
             })
        .attr("type") = "text";
}
} // namespace

size_t ShapeList::Size() const
{
    return m_owned ? m_owned->size() : static_cast<size_t>(m_array->GetSize());
}

py::object ShapeList::At(size_t index) const
{
    return Wrap(m_owner,
                m_owned ? (*m_owned)[index].get() : m_array->GetAt(static_cast<INT_PTR>(index)));
}

void BindShapes(py::module_& m)
{
    BindGeometry(m);

    py::class_<BodyView>(m, "Body", "A placed block: its name, base point and its own shapes.")
        .def_property_readonly("name",
                               [](const BodyView& v) { return PythonText(v.body->m_strName); })
        .def_property_readonly("base", [](const BodyView& v)
                               { return Pair(v.body->m_dBaseX, v.body->m_dBaseY); })
        .def_property_readonly("state", [](const BodyView& v) { return v.body->m_nState; })
        .def_property_readonly("shapes", [](const BodyView& v)
                               { return ShapeList(v.owner, v.body->m_arrShape); })
        .def("__repr__",
             [](const BodyView& v)
             {
                 return "Body(name=" + std::string(py::repr(PythonText(v.body->m_strName))) +
                        ", base=" + RealPair(v.body->m_dBaseX, v.body->m_dBaseY) + ", shapes=<" +
                        std::to_string(v.body->m_arrShape.GetSize()) + " shapes>)";
             })
        .attr("type") = "body";

    py::class_<ShapeList>(m, "ShapeList",
                          "The shapes in their order, made into objects as they are asked for.")
        .def("__len__", &ShapeList::Size)
        .def("__getitem__",
             [](const ShapeList& list, py::ssize_t index)
             {
                 const auto size = static_cast<py::ssize_t>(list.Size());
                 if (index < 0)
                     index += size;
                 if (index < 0 || index >= size)
                     throw py::index_error("shape index out of range");
                 return list.At(static_cast<size_t>(index));
             })
        .def("__getitem__",
             [](const ShapeList& list, const py::slice& slice)
             {
                 size_t start = 0, stop = 0, step = 0, length = 0;
                 if (!slice.compute(list.Size(), &start, &stop, &step, &length))
                     throw py::error_already_set();
                 py::list items(length);
                 for (size_t i = 0; i < length; ++i, start += step)
                     items[i] = list.At(start);
                 return items;
             })
        .def("__repr__", [](const ShapeList& list)
             { return "<ShapeList of " + std::to_string(list.Size()) + " shapes>"; });
}
