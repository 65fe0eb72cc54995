#include "Svg.h"

#include <cmath>
#include <cstdio>

#include "Contours.h"
#include "Geometry.h"
#include "Text.h"

namespace
{
const double kDrawingPixels = 1000; // the longer side of the drawing
const double kMargin = 24;
const double kLegendBand = 56;
const double kLegendEntry = 260;     // from one line class's entry to the next
const double kLegendLabel = 36;      // from an entry's swatch to its label
const double kLegendCharWidth = 7.5; // a character at the legend's 13 pixels, generously
const double kLegendRow = 24;
const double kFreeEndRing = 7; // pixels, whatever the scale
const char* kFreeEndColor = "#1a9e3f";
const char* kPartFill = "#f2b866";
const double kProblemRing = 12; // pixels
const char* kProblemColor = "#c2189b";

const char* LineClassColor(int lineClass)
{
    return lineClass == 0 ? "#d62728" : lineClass == 1 ? "#1f5fbf" : "#7f7f7f";
}

std::string Px(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

// XML text of a wide string; characters XML cannot hold become U+FFFD.
std::string XmlText(const CString& text)
{
    std::wstring cleaned;
    for (int i = 0; i < text.GetLength(); ++i)
    {
        wchar_t c = text[i];
        cleaned += c == 0xFFFE || c == 0xFFFF ? wchar_t(0xFFFD) : c;
    }
    return ::XmlText(RvzUtf8FromWide(cleaned.c_str()));
}

// Drawing coordinates to picture pixels: fitted, y turned to point up.
class Canvas
{
  public:
    Canvas(const Extent& extent, double leastWidth) : m_leastWidth(leastWidth)
    {
        if (extent.IsEmpty())
            return;
        m_minX = extent.minX;
        m_maxY = extent.maxY;
        double size = std::max(extent.maxX - extent.minX, extent.maxY - extent.minY);
        m_scale = size > 0 && std::isfinite(size) ? kDrawingPixels / size : 1.0;
        m_width = (extent.maxX - extent.minX) * m_scale;
        m_height = (extent.maxY - extent.minY) * m_scale;
        if (!std::isfinite(m_width) || !std::isfinite(m_height))
            m_width = m_height = 0;
    }
    std::string X(double x) const { return Px(kMargin + (x - m_minX) * m_scale); }
    std::string Y(double y) const { return Px(kMargin + (m_maxY - y) * m_scale); }
    std::string Length(double length) const { return Px(std::fabs(length) * m_scale); }
    std::string Point(double x, double y) const { return X(x) + " " + Y(y); }
    double Width() const { return std::max(m_width, m_leastWidth) + 2 * kMargin; }
    double Height() const { return m_height + 2 * kMargin + kLegendBand; }
    double DrawingHeight() const { return m_height; }
    double DrawingWidth() const { return m_width; }

  private:
    double m_leastWidth, m_minX = 0, m_maxY = 0, m_scale = 1, m_width = 0, m_height = 0;
};

bool Finite(double x, double y)
{
    return std::isfinite(x) && std::isfinite(y);
}

std::string PointsPath(const Canvas& canvas, const double* xs, const double* ys, int count,
                       bool closed)
{
    std::string d;
    for (int i = 0; i < count; ++i)
        if (Finite(xs[i], ys[i]))
            d += (d.empty() ? "M" : " L") + canvas.Point(xs[i], ys[i]);
    if (closed && !d.empty())
        d += " Z";
    return d;
}

void WriteCircle(std::ostream& out, const Canvas& canvas, const CCircleShape& c,
                 const std::string& style)
{
    const double sweep = ArcSweep(c);
    if (!Finite(c.m_dCenterX, c.m_dCenterY) || !std::isfinite(c.m_dRadius))
        return;
    if (sweep == kTwoPi)
    {
        out << "<circle cx=\"" << canvas.X(c.m_dCenterX) << "\" cy=\"" << canvas.Y(c.m_dCenterY)
            << "\" r=\"" << canvas.Length(c.m_dRadius) << "\"" << style << "/>\n";
        return;
    }
    const double r = std::fabs(c.m_dRadius), a0 = c.m_dStartAngle, a1 = a0 + sweep;
    // Counter-clockwise in the drawing is the negative sense once y points down.
    out << "<path d=\"M"
        << canvas.Point(c.m_dCenterX + r * std::cos(a0), c.m_dCenterY + r * std::sin(a0)) << " A"
        << canvas.Length(r) << " " << canvas.Length(r) << " 0 " << (sweep > kPi ? 1 : 0) << " 0 "
        << canvas.Point(c.m_dCenterX + r * std::cos(a1), c.m_dCenterY + r * std::sin(a1)) << "\""
        << style << "/>\n";
}

void WriteText(std::ostream& out, const Canvas& canvas, const CTextShape& t, const char* color)
{
    if (!Finite(t.m_dX, t.m_dY))
        return;
    const double degrees = std::isfinite(t.m_dAngle) ? t.m_dAngle * 180.0 / kPi : 0.0;
    const double widthFactor =
        std::isfinite(t.m_dWidthFactor) && t.m_dWidthFactor != 0 ? t.m_dWidthFactor : 1.0;
    out << "<text transform=\"translate(" << canvas.Point(t.m_dX, t.m_dY) << ") rotate("
        << Px(-degrees) << ") scale(" << Px(widthFactor) << " 1)\" font-size=\""
        << (std::isfinite(t.m_dHeight) ? canvas.Length(t.m_dHeight) : "0") << "\" fill=\"" << color
        << "\">" << XmlText(t.m_strText) << "</text>\n";
}

void WriteShape(std::ostream& out, const Canvas& canvas, const CShape& shape)
{
    const char* color = LineClassColor(shape.m_nLineType);
    const std::string style =
        std::string(" stroke=\"") + color + "\" vector-effect=\"non-scaling-stroke\"";
    if (const auto* p = dynamic_cast<const CPolylineShape*>(&shape))
    {
        std::string d = PointsPath(canvas, p->m_pX, p->m_pY, p->m_nCount, p->m_bClose != 0);
        if (!d.empty())
            out << "<path d=\"" << d << "\"" << style << "/>\n";
    }
    else if (const auto* c = dynamic_cast<const CCircleShape*>(&shape))
        WriteCircle(out, canvas, *c, style);
    else if (const auto* e = dynamic_cast<const CEllipseShape*>(&shape))
    {
        CEllipseShape outline(*e);
        POLYDATA record;
        outline.GetPolyData(record);
        std::string d =
            PointsPath(canvas, record.m_pX, record.m_pY, record.m_nCount, record.m_bClose != 0);
        delete[] record.m_pX;
        delete[] record.m_pY;
        if (!d.empty())
            out << "<path d=\"" << d << "\"" << style << "/>\n";
    }
    else if (const auto* t = dynamic_cast<const CTextShape*>(&shape))
        WriteText(out, canvas, *t, color);
}

// What the legend says: a label per line class, the extent and, when there are any, the
// free ends.
struct Legend
{
    std::string labels[2];
    std::string extent;
    std::string freeEnds;
    std::string parts;    // with parts only
    std::string problems; // with problems only

    int ExtraRows() const
    {
        return !freeEnds.empty() + !parts.empty() + !problems.empty();
    }

    double Width() const
    {
        return std::max({kLegendLabel + labels[0].size() * kLegendCharWidth,
                         kLegendEntry + kLegendLabel + labels[1].size() * kLegendCharWidth,
                         extent.size() * kLegendCharWidth,
                         kLegendLabel + freeEnds.size() * kLegendCharWidth,
                         kLegendLabel + parts.size() * kLegendCharWidth,
                         kLegendLabel + problems.size() * kLegendCharWidth});
    }
};

Legend LegendOf(const Import& import, const Extent& extent, size_t freeEnds,
                const PartsReport* parts)
{
    const bool die = import.importer == "die";
    Legend legend{
        {die ? "line class 0: cutting (colour 1)" : "line class 0",
         die ? "line class 1: creasing (colour 7)" : "line class 1"},
        extent.IsEmpty() ? "empty import: no shapes"
                         : "extent " + CornersText(extent) + ", drawing units",
        freeEnds > 0 ? "free end of an open contour (" + std::to_string(freeEnds) + ")" : "",
        "",
        ""};
    if (parts)
        legend.parts = "parts: " + PartsLine(*parts);
    if (parts && !parts->problems.empty())
        legend.problems = "what the part builder could not decide (" +
                          std::to_string(parts->problems.size()) + ")";
    return legend;
}

std::string RingPath(const Canvas& canvas, const Path& ring)
{
    std::string d;
    for (const ContourPoint& p : ring)
        d += (d.empty() ? "M" : " L") + canvas.Point(p.x, p.y);
    return d.empty() ? d : d + " Z";
}

// Each part as one path, its holes left open by the even-odd rule.
void WriteParts(std::ostream& out, const Canvas& canvas, const PartsReport& parts)
{
    out << "<g class=\"parts\" fill=\"" << kPartFill << "\" fill-rule=\"evenodd\" stroke=\"none\">\n";
    for (const Part& part : parts.parts)
    {
        std::string d = RingPath(canvas, part.outline.points);
        for (const PartRing& hole : part.holes)
            d += " " + RingPath(canvas, hole.points);
        out << "<path d=\"" << d << "\"/>\n";
    }
    out << "</g>\n";
}

void WriteProblems(std::ostream& out, const Canvas& canvas, const PartsReport& parts)
{
    out << "<g class=\"problems\" fill=\"none\" stroke=\"" << kProblemColor
        << "\" stroke-width=\"2.5\">\n";
    for (const PartProblem& problem : parts.problems)
        out << "<circle cx=\"" << canvas.X(problem.at.x) << "\" cy=\"" << canvas.Y(problem.at.y)
            << "\" r=\"" << Px(kProblemRing) << "\"><title>" << ::XmlText(problem.text)
            << "</title></circle>\n";
    out << "</g>\n";
}

void WriteFreeEnds(std::ostream& out, const Canvas& canvas, const std::vector<ContourPoint>& ends)
{
    out << "<g class=\"free-ends\" fill=\"none\" stroke=\"" << kFreeEndColor
        << "\" stroke-width=\"2\">\n";
    for (const ContourPoint& end : ends)
        out << "<circle cx=\"" << canvas.X(end.x) << "\" cy=\"" << canvas.Y(end.y) << "\" r=\""
            << Px(kFreeEndRing) << "\"/>\n";
    out << "</g>\n";
}

void WriteLegend(std::ostream& out, const Canvas& canvas, const Legend& legend)
{
    const double top = canvas.DrawingHeight() + 2 * kMargin;
    out << "<g class=\"legend\" font-family=\"sans-serif\" font-size=\"13\">\n";
    for (int lineClass = 0; lineClass < 2; ++lineClass)
    {
        double x = kMargin + lineClass * kLegendEntry, y = top + 8;
        out << "<path d=\"M" << Px(x) << " " << Px(y) << " h28\" stroke=\""
            << LineClassColor(lineClass) << "\" stroke-width=\"3\"/>\n"
            << "<text x=\"" << Px(x + kLegendLabel) << "\" y=\"" << Px(y + 4) << "\">"
            << legend.labels[lineClass] << "</text>\n";
    }
    out << "<text x=\"" << Px(kMargin) << "\" y=\"" << Px(top + 32) << "\" fill=\"#555\">"
        << legend.extent << "</text>\n";
    double row = top + 8 + 2 * kLegendRow;
    auto entry = [&](const std::string& swatch, const std::string& label)
    {
        out << swatch << "<text x=\"" << Px(kMargin + kLegendLabel) << "\" y=\"" << Px(row + 4)
            << "\">" << label << "</text>\n";
        row += kLegendRow;
    };
    auto ring = [&](double radius, const char* color)
    {
        return "<circle cx=\"" + Px(kMargin + 14) + "\" cy=\"" + Px(row) + "\" r=\"" +
               Px(radius) + "\" fill=\"none\" stroke=\"" + color + "\" stroke-width=\"2\"/>\n";
    };
    if (!legend.freeEnds.empty())
        entry(ring(kFreeEndRing, kFreeEndColor), legend.freeEnds);
    if (!legend.parts.empty())
        entry("<rect x=\"" + Px(kMargin) + "\" y=\"" + Px(row - 8) + "\" width=\"28\" height=\"16\" fill=\"" +
                  kPartFill + "\"/>\n",
              ::XmlText(legend.parts));
    if (!legend.problems.empty())
        entry(ring(kFreeEndRing, kProblemColor), legend.problems);
    out << "</g>\n";
}

// The shapes' extent widened by every text's estimated box, so that no label runs out.
Extent PictureExtent(const Import& import)
{
    Extent extent = ImportExtent(import);
    auto addTextBox = [&](const CShape& shape)
    {
        if (const auto* text = dynamic_cast<const CTextShape*>(&shape))
        {
            double xs[4], ys[4];
            text->GetBoxCorners(xs, ys);
            extent.AddPoints(xs, ys, 4);
        }
    };
    ForEachShape(import.shapes, addTextBox);
    ForEachShape(import.inserts, addTextBox);
    return extent;
}
} // namespace

void WriteSvg(std::ostream& out, const std::string& title, const Import& import,
              const std::vector<ContourPoint>& freeEnds, const PartsReport* parts)
{
    const Extent extent = PictureExtent(import);
    const Legend legend = LegendOf(import, extent, freeEnds.size(), parts);
    const Canvas canvas(extent, legend.Width());
    const double height = canvas.Height() + legend.ExtraRows() * kLegendRow;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Px(canvas.Width())
        << "\" height=\"" << Px(height) << "\" viewBox=\"0 0 " << Px(canvas.Width()) << " "
        << Px(height) << "\">\n"
        << "<title>" << XmlText(title) << "</title>\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n"
        << "<rect x=\"" << Px(kMargin) << "\" y=\"" << Px(kMargin) << "\" width=\""
        << Px(canvas.DrawingWidth()) << "\" height=\"" << Px(canvas.DrawingHeight())
        << "\" fill=\"none\" stroke=\"#bbb\" stroke-width=\"0.5\" "
           "vector-effect=\"non-scaling-stroke\"/>\n";
    if (parts)
        WriteParts(out, canvas, *parts);
    // Strokes stay thin and readable however far the picture is zoomed.
    out << "<g fill=\"none\" stroke-width=\"1.2\" stroke-linejoin=\"round\" "
           "font-family=\"sans-serif\">\n";
    ForEachShape(import.shapes, [&](const CShape& s) { WriteShape(out, canvas, s); });
    for (const auto& insert : import.inserts)
    {
        const auto* body = dynamic_cast<const CBodyShape*>(insert.get());
        out << "<g class=\"insert\" data-name=\""
            << (body ? XmlText(body->m_strName) : std::string()) << "\">\n";
        if (body)
            ForEachShape(body->m_arrShape, [&](const CShape& s) { WriteShape(out, canvas, s); });
        out << "</g>\n";
    }
    out << "</g>\n";
    WriteFreeEnds(out, canvas, freeEnds);
    if (parts)
        WriteProblems(out, canvas, *parts);
    WriteLegend(out, canvas, legend);
    out << "</svg>\n";
}
