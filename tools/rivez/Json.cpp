#include "Json.h"

#include <cmath>

using nlohmann::ordered_json;

namespace
{
ordered_json Number(double value)
{
    // JSON has no NaN or infinity; the contract spells them as strings.
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    return value;
}

ordered_json Text(const CString& text)
{
    return RvzUtf8FromWide(text);
}

ordered_json Pair(double x, double y)
{
    return ordered_json::array({Number(x), Number(y)});
}

ordered_json ShapeToJson(const CObject* object);

ordered_json ShapesToJson(const CObArray& shapes)
{
    ordered_json list = ordered_json::array();
    for (INT_PTR i = 0; i < shapes.GetSize(); ++i)
        list.push_back(ShapeToJson(shapes[i]));
    return list;
}

ordered_json ShapesToJson(const OwnedShapes& shapes)
{
    ordered_json list = ordered_json::array();
    for (const auto& shape : shapes)
        list.push_back(ShapeToJson(shape.get()));
    return list;
}

void AddGeometry(ordered_json& j, const CShape* shape)
{
    if (const auto* p = dynamic_cast<const CPolylineShape*>(shape))
    {
        j["closed"] = p->m_bClose;
        ordered_json points = ordered_json::array();
        for (int i = 0; i < p->m_nCount; ++i)
            points.push_back(Pair(p->m_pX[i], p->m_pY[i]));
        j["points"] = std::move(points);
    }
    else if (const auto* c = dynamic_cast<const CCircleShape*>(shape))
    {
        j["center"] = Pair(c->m_dCenterX, c->m_dCenterY);
        j["radius"] = Number(c->m_dRadius);
        j["startAngle"] = Number(c->m_dStartAngle);
        j["endAngle"] = Number(c->m_dEndAngle);
    }
    else if (const auto* e = dynamic_cast<const CEllipseShape*>(shape))
    {
        j["center"] = Pair(e->m_dCenterX, e->m_dCenterY);
        j["major"] = Number(e->m_dMajor);
        j["minor"] = Number(e->m_dMinor);
        j["angle"] = Number(e->m_dAngle);
        j["startParam"] = Number(e->m_dStartParam);
        j["endParam"] = Number(e->m_dEndParam);
    }
    else if (const auto* t = dynamic_cast<const CTextShape*>(shape))
    {
        j["text"] = Text(t->m_strText);
        j["style"] = Text(t->m_strStyle);
        j["position"] = Pair(t->m_dX, t->m_dY);
        j["height"] = Number(t->m_dHeight);
        j["widthFactor"] = Number(t->m_dWidthFactor);
        j["angle"] = Number(t->m_dAngle);
    }
}

const char* TypeName(const CShape* shape)
{
    if (dynamic_cast<const CPolylineShape*>(shape))
        return "polyline";
    if (dynamic_cast<const CCircleShape*>(shape))
        return "circle";
    if (dynamic_cast<const CEllipseShape*>(shape))
        return "ellipse";
    return "text";
}

ordered_json ShapeToJson(const CObject* object)
{
    ordered_json j;
    if (const auto* body = dynamic_cast<const CBodyShape*>(object))
    {
        j["type"] = "body";
        j["name"] = Text(body->m_strName);
        j["base"] = Pair(body->m_dBaseX, body->m_dBaseY);
        j["state"] = body->m_nState;
        j["shapes"] = ShapesToJson(body->m_arrShape);
        return j;
    }
    const auto* shape = dynamic_cast<const CShape*>(object);
    if (!shape)
        return nullptr;
    j["type"] = TypeName(shape);
    j["layer"] = shape->m_nLayer;
    j["lineType"] = shape->m_nLineType;
    AddGeometry(j, shape);
    return j;
}

ordered_json StringsToJson(const std::vector<CString>& strings)
{
    ordered_json list = ordered_json::array();
    for (const CString& s : strings)
        list.push_back(Text(s));
    return list;
}
} // namespace

ordered_json ImportToJson(const Import& import)
{
    ordered_json j;
    j["importer"] = import.importer;
    j["result"] = import.result;
    j["shapes"] = ShapesToJson(import.shapes);
    j["inserts"] = ShapesToJson(import.inserts);
    if (import.importer == "die")
        j["layers"] = {{"color1", StringsToJson(import.color1)},
                       {"color7", StringsToJson(import.color7)}};
    else
        j["layers"] = StringsToJson(import.layers);
    if (import.pen)
        j["pen"] = {{"number", import.pen->number},
                    {"text", Text(import.pen->text)},
                    {"x", Number(import.pen->x)},
                    {"y", Number(import.pen->y)},
                    {"drawState", import.pen->drawState}};
    return j;
}
