// Writes a large, seeded, realistic drawing: rvz_gen dxf|r12|die|plt SIZE_MB SEED OUT
// dxf and die are written as R2000 (handles, subclass markers, LWPOLYLINE), r12 is the drawing
// of dxf as R12 writes it (no handles or markers, POLYLINE with VERTEX and SEQEND). The same
// arguments always give the same bytes.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace
{
class Writer
{
public:
    Writer(FILE* out, unsigned long long seed, bool r12 = false)
        : m_out(out), m_rng(seed), m_r12(r12)
    {
    }

    bool R12() const { return m_r12; }
    long long Written() const { return m_written; }
    double Uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(m_rng); }
    int Pick(int lo, int hi) { return std::uniform_int_distribution<>(lo, hi)(m_rng); }

    void Text(const char* s)
    {
        std::fputs(s, m_out);
        m_written += static_cast<long long>(std::strlen(s));
    }
    // A group-code pair, the code right-aligned in three columns as CAD programs write it.
    void Pair(int code, const char* value)
    {
        char line[256];
        int n = std::snprintf(line, sizeof line, "%3d\n%s\n", code, value);
        std::fwrite(line, 1, static_cast<size_t>(n), m_out);
        m_written += n;
    }
    void Pair(int code, double value)
    {
        char text[64];
        std::snprintf(text, sizeof text, "%.6f", value);
        Pair(code, text);
    }
    void Pair(int code, int value) { Pair(code, std::to_string(value).c_str()); }
    // The handle and owner of an R2000 object, and its subclass marker; R12 has none of them.
    void Handle()
    {
        if (m_r12)
            return;
        Pair(5, Hex(++m_handle).c_str());
        Pair(330, "1F");
        Pair(100, "AcDbEntity");
    }
    void Subclass(const char* name)
    {
        if (!m_r12)
            Pair(100, name);
    }
    std::string Hex(unsigned v)
    {
        char text[16];
        std::snprintf(text, sizeof text, "%X", v);
        return text;
    }

private:
    FILE* m_out;
    std::mt19937_64 m_rng;
    bool m_r12;
    long long m_written = 0;
    unsigned m_handle = 0x100;
};

struct Layer
{
    const char* name;
    int color;
};

const Layer kDrawingLayers[] = {{"0", 7},           {"OUTLINE", 7},   {"HIDDEN", 3},
                                {"CENTER", 1},      {"DIMENSIONS", 2}, {"HATCH", 8},
                                {"CONSTRUCTION", 4}, {"TEXT", 5},      {"PART-01", 6},
                                {"PART-02", 30}};
const Layer kDieLayers[] = {{"0", 7}, {"CUT", 7}, {"CREASE", 1}, {"PERF", 1}, {"NOTES", 3}};

template <size_t N> void Header(Writer& w, const Layer (&layers)[N])
{
    w.Pair(0, "SECTION");
    w.Pair(2, "HEADER");
    w.Pair(9, "$ACADVER");
    w.Pair(1, w.R12() ? "AC1009" : "AC1015");
    w.Pair(9, "$INSUNITS");
    w.Pair(70, 4);
    w.Pair(9, "$EXTMIN");
    w.Pair(10, 0.0);
    w.Pair(20, 0.0);
    w.Pair(9, "$EXTMAX");
    w.Pair(10, 2000.0);
    w.Pair(20, 1500.0);
    w.Pair(0, "ENDSEC");
    w.Pair(0, "SECTION");
    w.Pair(2, "TABLES");
    w.Pair(0, "TABLE");
    w.Pair(2, "LAYER");
    w.Pair(70, static_cast<int>(N));
    for (const Layer& layer : layers)
    {
        w.Pair(0, "LAYER");
        w.Subclass("AcDbSymbolTableRecord");
        w.Subclass("AcDbLayerTableRecord");
        w.Pair(2, layer.name);
        w.Pair(70, 0);
        w.Pair(62, layer.color);
        w.Pair(6, "CONTINUOUS");
    }
    w.Pair(0, "ENDTAB");
    w.Pair(0, "ENDSEC");
}

void EntityStart(Writer& w, const char* type, const char* layer, const char* subclass)
{
    w.Pair(0, type);
    w.Handle();
    w.Pair(8, layer);
    w.Subclass(subclass);
}

void Line(Writer& w, const char* layer, int color)
{
    EntityStart(w, "LINE", layer, "AcDbLine");
    if (color)
        w.Pair(62, color);
    double x = w.Uniform(0, 2000), y = w.Uniform(0, 1500);
    w.Pair(10, x);
    w.Pair(20, y);
    w.Pair(30, 0.0);
    w.Pair(11, x + w.Uniform(-80, 80));
    w.Pair(21, y + w.Uniform(-80, 80));
    w.Pair(31, 0.0);
}

// A compact LWPOLYLINE, or in R12 a POLYLINE with a VERTEX per point and SEQEND.
void LwPolyline(Writer& w, const char* layer, int color)
{
    int count = w.Pick(3, 24);
    EntityStart(w, w.R12() ? "POLYLINE" : "LWPOLYLINE", layer, "AcDbPolyline");
    if (color)
        w.Pair(62, color);
    if (w.R12())
        w.Pair(66, 1);
    else
        w.Pair(90, count);
    w.Pair(70, w.Pick(0, 1));
    if (!w.R12())
        w.Pair(43, 0.0);
    double x = w.Uniform(0, 2000), y = w.Uniform(0, 1500);
    for (int i = 0; i < count; ++i)
    {
        if (w.R12())
        {
            w.Pair(0, "VERTEX");
            w.Pair(8, layer);
        }
        w.Pair(10, x);
        w.Pair(20, y);
        if (w.Pick(0, 5) == 0)
            w.Pair(42, w.Uniform(-1.0, 1.0));
        x += w.Uniform(-40, 40);
        y += w.Uniform(-40, 40);
    }
    if (w.R12())
    {
        w.Pair(0, "SEQEND");
        w.Pair(8, layer);
    }
}

void Circle(Writer& w, const char* layer, bool arc, int color)
{
    EntityStart(w, arc ? "ARC" : "CIRCLE", layer, "AcDbCircle");
    if (color)
        w.Pair(62, color);
    w.Pair(10, w.Uniform(0, 2000));
    w.Pair(20, w.Uniform(0, 1500));
    w.Pair(30, 0.0);
    w.Pair(40, w.Uniform(0.5, 60));
    if (arc)
    {
        w.Subclass("AcDbArc");
        w.Pair(50, w.Uniform(0, 360));
        w.Pair(51, w.Uniform(0, 360));
    }
}

void Blocks(Writer& w, int count)
{
    w.Pair(0, "SECTION");
    w.Pair(2, "BLOCKS");
    for (int b = 0; b < count; ++b)
    {
        std::string name = "PART" + std::to_string(b);
        w.Pair(0, "BLOCK");
        w.Handle();
        w.Pair(8, "0");
        w.Subclass("AcDbBlockBegin");
        w.Pair(2, name.c_str());
        w.Pair(70, 0);
        w.Pair(10, 0.0);
        w.Pair(20, 0.0);
        w.Pair(30, 0.0);
        w.Pair(3, name.c_str());
        for (int i = 0; i < 12; ++i)
            Line(w, "0", 0);
        LwPolyline(w, "0", 0);
        Circle(w, "0", false, 0);
        w.Pair(0, "ENDBLK");
        w.Handle();
        w.Pair(8, "0");
        w.Subclass("AcDbBlockEnd");
    }
    w.Pair(0, "ENDSEC");
}

void Insert(Writer& w, int blocks)
{
    EntityStart(w, "INSERT", "PART-01", "AcDbBlockReference");
    w.Pair(2, ("PART" + std::to_string(w.Pick(0, blocks - 1))).c_str());
    w.Pair(10, w.Uniform(0, 2000));
    w.Pair(20, w.Uniform(0, 1500));
    w.Pair(30, 0.0);
    w.Pair(41, 1.0);
    w.Pair(42, 1.0);
    w.Pair(43, 1.0);
    w.Pair(50, static_cast<double>(w.Pick(0, 3) * 90));
}

void Drawing(Writer& w, long long target)
{
    const int kBlocks = 6;
    Header(w, kDrawingLayers);
    Blocks(w, kBlocks);
    w.Pair(0, "SECTION");
    w.Pair(2, "ENTITIES");
    while (w.Written() < target)
    {
        const char* layer = kDrawingLayers[w.Pick(0, 9)].name;
        int kind = w.Pick(0, 99);
        if (kind < 60)
            Line(w, layer, 0);
        else if (kind < 80)
            LwPolyline(w, layer, 0);
        else if (kind < 90)
            Circle(w, layer, true, 0);
        else if (kind < 99)
            Circle(w, layer, false, 0);
        else
            Insert(w, kBlocks);
    }
    w.Pair(0, "ENDSEC");
    w.Pair(0, "EOF");
}

void DieLayout(Writer& w, long long target)
{
    Header(w, kDieLayers);
    w.Pair(0, "SECTION");
    w.Pair(2, "ENTITIES");
    while (w.Written() < target)
    {
        const char* layer = kDieLayers[w.Pick(0, 4)].name;
        int color = w.Pick(0, 3) == 0 ? (w.Pick(0, 1) ? 1 : 7) : 0; // some carry their own
        int kind = w.Pick(0, 99);
        if (kind < 70)
            Line(w, layer, color);
        else if (kind < 88)
            Circle(w, layer, true, color);
        else if (kind < 94)
            Circle(w, layer, false, color);
        else
            LwPolyline(w, layer, color);
    }
    w.Pair(0, "ENDSEC");
    w.Pair(0, "EOF");
}

void Plot(Writer& w, long long target)
{
    w.Text("IN;\nSP1;\n");
    char text[64];
    while (w.Written() < target)
    {
        int x = w.Pick(0, 80000), y = w.Pick(0, 60000);
        std::snprintf(text, sizeof text, "PU%d,%d;\n", x, y);
        w.Text(text);
        int kind = w.Pick(0, 19);
        if (kind == 0)
        {
            std::snprintf(text, sizeof text, "CI%d;\n", w.Pick(50, 4000));
            w.Text(text);
            continue;
        }
        if (kind == 1)
        {
            std::snprintf(text, sizeof text, "PD;AA%d,%d,%d;\n", x + w.Pick(-2000, 2000),
                          y + w.Pick(-2000, 2000), w.Pick(-359, 359));
            w.Text(text);
            continue;
        }
        std::string run = "PD";
        int points = w.Pick(20, 200);
        for (int i = 0; i < points; ++i)
        {
            x += w.Pick(-400, 400);
            y += w.Pick(-400, 400);
            std::snprintf(text, sizeof text, i ? ",%d,%d" : "%d,%d", x, y);
            run += text;
        }
        run += ";\n";
        w.Text(run.c_str());
    }
    w.Text("PU;SP0;\n");
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 5)
    {
        std::fprintf(stderr, "usage: %s dxf|r12|die|plt SIZE_MB SEED OUT\n", argv[0]);
        return 2;
    }
    long long target = static_cast<long long>(std::atof(argv[2]) * 1024 * 1024);
    FILE* out = std::fopen(argv[4], "wb");
    if (!out)
    {
        std::perror(argv[4]);
        return 1;
    }
    std::string kind = argv[1];
    Writer w(out, std::strtoull(argv[3], nullptr, 10), kind == "r12");
    if (kind == "dxf" || kind == "r12")
        Drawing(w, target);
    else if (kind == "die")
        DieLayout(w, target);
    else if (kind == "plt")
        Plot(w, target);
    else
    {
        std::fprintf(stderr, "unknown kind %s\n", argv[1]);
        std::fclose(out);
        return 2;
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
