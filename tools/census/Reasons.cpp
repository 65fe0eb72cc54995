#include "Reasons.h"

#include <cstdlib>
#include <cstring>

namespace
{
const Reason kReasons[] = {
    // What the importers drop, in their own words.
    {"no-layer-or-colour", ReasonKind::Dropped, "no layer name and no colour"},
    {"fewer-than-two-points", ReasonKind::Dropped, "fewer than two points"},
    {"image-zero-size", ReasonKind::Dropped, "zero-size image"},
    {"circle-layer-after-radius", ReasonKind::Dropped,
     "the CIRCLE's layer comes after its radius, where its reader has stopped"},
    {"insert-unknown-block", ReasonKind::Dropped, "INSERT of a block not defined before it"},
    {"insert-empty-block", ReasonKind::Dropped,
     "INSERT of an empty block: it holds no line work this reader reads"},
    {"die-colour", ReasonKind::Dropped, "colour neither 1 nor 7"},
    {"die-layer", ReasonKind::Dropped,
     "no colour 1 or 7 of its own and its layer is not a die layer (colour 1 or 7 in the LAYER "
     "table)"},
    {"file-ends-inside", ReasonKind::Dropped, "the file ends inside it"},
    {"plt-too-few-values", ReasonKind::Dropped,
     "too few values: an arc needs three, a circle one"},
    {"plt-open-at-end", ReasonKind::Dropped, "the file ends while its polyline is still open"},
    {"plt-cut-off", ReasonKind::Dropped,
     "cut off by the end of the file: no ';' or line end after it"},

    // What the importers pass over.
    {"type-not-read", ReasonKind::PassedOver, "a type this importer does not read"},
    {"block-line-work-only", ReasonKind::PassedOver, "inside a block, only line work is read"},
    {"part-of-polyline", ReasonKind::PassedOver, "read as part of the POLYLINE before it"},
    {"swallowed-by-polyline", ReasonKind::PassedOver,
     "read into a POLYLINE before it that has no SEQEND yet"},
    {"not-reached", ReasonKind::PassedOver, "not reached: reading stopped before it"},
    {"shifted-pairs", ReasonKind::PassedOver,
     "not seen as an entity: a line the reader cuts shifted the pairs before it"},
    {"not-reached-eof-value", ReasonKind::PassedOver,
     "not reached: a value EOF ended the walk before it"},
    {"not-reached-after-endsec", ReasonKind::PassedOver,
     "not reached: the die reader ends at the first ENDSEC of its ENTITIES section"},
    {"plt-not-read", ReasonKind::PassedOver, "a command this reader does not read"},
    {"plt-setting", ReasonKind::PassedOver, "selects a pen or line type; draws nothing"},
    {"plt-pen-move", ReasonKind::PassedOver,
     "moves the pen only: fewer than two points make no line"},

    // Why reading stopped.
    {"stop-eof-in-entity", ReasonKind::Stopped,
     "end of file inside the %1 entity that starts at line %2"},
    {"stop-eof-in-block", ReasonKind::Stopped,
     "end of file inside the definition of block %1 that starts at line %2"},
    {"stop-no-eof", ReasonKind::Stopped, "the file ends without an EOF marker"},
    {"stop-long-line", ReasonKind::Stopped,
     "line %2 reaches the reader's limit of %1 characters (line end included), which shifted "
     "the pairs from there on"},
    {"stop-die-no-table", ReasonKind::Stopped,
     "no TABLE before ENTITIES: the die reader looks for a table first and reads to the end"},
    {"stop-die-no-entities", ReasonKind::Stopped, "no ENTITIES section after the tables"},
    {"stop-die-no-endsec", ReasonKind::Stopped,
     "the file ends before the ENDSEC of its ENTITIES section"},
    {"stop-binary", ReasonKind::Stopped, "a binary DXF file: this reader reads text DXF only"},
    {"stop-not-a-drawing", ReasonKind::Stopped, "not a drawing: the file looks like %1"},
    {"stop-plt", ReasonKind::ReadToEnd,
     "the plotter reader answers 0 whenever it has read its file"},

    // Warnings: read by the rules, but not what the drawing meant.
    {"decimal-comma-locale", ReasonKind::Warning,
     "the locale %1 writes decimals with a comma: every number is cut at its decimal point"},
    {"units-not-mm", ReasonKind::Warning,
     "the file declares its units as %1: coordinates arrive as they stand, not in millimetres; "
     "the scale factors move coordinates but not radii"},
    {"units-likely-inches", ReasonKind::Warning,
     "the file declares no units (%1) but imperial measurement ($MEASUREMENT 0): its "
     "coordinates are likely inches, and arrive as they stand, not in millimetres"},
    {"paper-space", ReasonKind::Warning,
     "%1 paper-space entities (title blocks, viewports) are read into the drawing"},
    {"insert-not-applied", ReasonKind::Warning,
     "%1 INSERTs ask for scale, mirror or arrays (%2): every INSERT is placed at scale 1, "
     "unmirrored, once"},
    {"nested-blocks", ReasonKind::Warning,
     "%1 blocks hold INSERTs: blocks inside blocks are not placed"},
    {"extrusion-mirrored", ReasonKind::Warning,
     "%1 entities have extrusion (0,0,-1): they are drawn mirrored"},
    {"plt-scaling-ignored", ReasonKind::Warning,
     "the file scales with IP or SC (%1 commands): the reader does not apply them, so the "
     "drawing comes out in plotter units"},
    {"plt-pe-ignored", ReasonKind::Warning,
     "%1 PE commands (HPGL/2 encoded polylines) are not read: their lines are missing"},
    {"plt-arc-centre", ReasonKind::Warning,
     "the plotter arc's centre is the pen position, not the point the command names"},
    {"long-line", ReasonKind::Warning,
     "line %1 reaches the reader's limit of %2 characters (line end included): from there on "
     "codes and values change places"},
    {"binary-dxf", ReasonKind::Warning, "a binary DXF file: the readers read text DXF only"},
    {"not-a-drawing", ReasonKind::Warning, "the file is not what this importer reads: %1"},
    {"die-no-tables", ReasonKind::Warning,
     "the die reader needs a TABLE before ENTITIES; this file has none, so no entity is read"},
    {"unexplained", ReasonKind::Warning,
     "%1 entities came out otherwise than the census expects; the rows say where"},
};

void Replace(std::string& text, const char* mark, const std::string& with)
{
    const size_t at = text.find(mark);
    if (at != std::string::npos)
        text.replace(at, std::strlen(mark), with);
}
} // namespace

const Reason& ReasonFor(const std::string& code)
{
    for (const Reason& reason : kReasons)
        if (code == reason.code)
            return reason;
    std::abort(); // every code the scanners use is in the table above
}

bool ReadToItsEnd(const std::string& stopCode)
{
    for (const Reason& reason : kReasons)
        if (stopCode == reason.code)
            return reason.kind == ReasonKind::ReadToEnd;
    return false;
}

std::string ReasonText(const std::string& code, const std::string& detail1,
                       const std::string& detail2)
{
    std::string text = ReasonFor(code).text;
    Replace(text, "%1", detail1);
    Replace(text, "%2", detail2);
    return text;
}
