// Purpose: the edge setter's 2D script: edge lines, circular signs with the pictogram of each
// edge type, the palette of the 14 types, edge numbers, and the hotspots the user drags.
#include <cmath>
#include <cstdio>

#include "edges/EdgeSetterPart.h"
#include "Common_src/ParamNames.h"
#include "edges/SetterParams.h"
#include "roofgeom/Geometry.h"

namespace {

constexpr double kPictogramUnit = 1.5;        // pictograms are drawn for a sign of this size
constexpr double kLabelRise = 2.0 / 3.0;      // label height above the palette row, in sign sizes
constexpr int32_t kCircleFillSegments = 36;   // the sign's fill is a polygon of this many sides
constexpr double kFullTurnDeg = 360;

// One stroke of a pictogram in the unit square centred on the sign.
struct Stroke {
    enum Kind { Line, Arc, Rect, End } kind;
    double a, b, c, d, e;  // Line/Rect: x1 y1 x2 y2; Arc: cx cy r startDeg endDeg
};

// Pictogram strokes of every edge type, each list closed by an End stroke.
const Stroke kType1[] = {{Stroke::Line, -0.5, -0.25, 0, 0.25, 0}, {Stroke::Line, 0.5, -0.25, 0, 0.25, 0}, {Stroke::End}};
const Stroke kType2[] = {{Stroke::Line, -0.5, -0.25, 0, 0.25, 0}, {Stroke::Line, 0.5, -0.25, 0, 0.25, 0},
                         {Stroke::Arc, 0, 0.05, 0.3, 0, 180}, {Stroke::End}};
const Stroke kType3[] = {{Stroke::Line, -0.5, -0.25, 0, 0.25, 0}, {Stroke::Line, 0, -0.25, 0, 0.25, 0}, {Stroke::End}};
const Stroke kType4[] = {{Stroke::Line, -0.5, -0.25, 0, 0.25, 0}, {Stroke::Line, 0, -0.25, 0, 0.25, 0},
                         {Stroke::Arc, 0.05, 0.05, 0.3, 90, 180}, {Stroke::Line, 0.05, 0.35, 0.05, 0.05, 0},
                         {Stroke::End}};
const Stroke kType5[] = {{Stroke::Line, -0.05, -0.4, -0.5, 0.05, 0}, {Stroke::Line, 0, -0.4, 0.5, -0.2, 0},
                         {Stroke::Line, -0.025, -0.4, 0.075, 0.5, 0}, {Stroke::Line, -0.05, -0.4, 0, -0.4, 0},
                         {Stroke::End}};
const Stroke kType6[] = {{Stroke::Line, -0.05, -0.4, -0.5, 0.05, 0}, {Stroke::Line, 0, -0.4, 0.5, -0.2, 0},
                         {Stroke::Line, 0, -0.4, 0.1, 0.5, 0},        {Stroke::Line, -0.05, -0.4, 0.05, 0.5, 0},
                         {Stroke::Line, -0.05, -0.4, 0, -0.4, 0},     {Stroke::End}};
const Stroke kType7[] = {{Stroke::Line, -0.5, 0.1, 0.15, 0.1, 0}, {Stroke::Line, 0.2, 0.15, 0.2, -0.2, 0},
                         {Stroke::Line, 0.2, 0.15, -0.1, 0.15, 0}, {Stroke::Rect, 0.05, -0.3, 0.15, 0.05, 0},
                         {Stroke::End}};
const Stroke kType8[] = {{Stroke::Line, 0, 0, 0.5, 0.5, 0}, {Stroke::Line, 0, 0, 0, -0.4, 0},
                         {Stroke::Line, 0, -0.4, 0.2, -0.4, 0}, {Stroke::Arc, -0.2, 0, 0.18, 180, 360}, {Stroke::End}};
const Stroke kType9[] = {{Stroke::Line, -0.4, -0.2, 0, -0.5, 0}, {Stroke::Line, -0.4, 0.4, 0, 0.1, 0},
                         {Stroke::Line, 0, -0.5, 0, 0.1, 0},     {Stroke::Line, 0.4, -0.2, 0, -0.5, 0},
                         {Stroke::Line, 0.4, 0.4, 0, 0.1, 0},    {Stroke::Line, -0.4, -0.2, -0.4, 0.4, 0},
                         {Stroke::Line, 0.4, -0.2, 0.4, 0.4, 0}, {Stroke::End}};
const Stroke kType10[] = {{Stroke::Line, -0.05, -0.5, -0.05, 0.5, 0}, {Stroke::Line, 0, -0.2, 0.5, -0.2, 0},
                          {Stroke::Line, 0, -0.2, 0, 0.3, 0},         {Stroke::Line, 0, 0.3, -0.05, 0.3, 0},
                          {Stroke::End}};
const Stroke kType11[] = {{Stroke::Line, 0, 0.05, -0.5, 0.35, 0}, {Stroke::Line, 0, 0.05, 0.12, -0.15, 0},
                          {Stroke::Line, 0, 0, 0.3, -0.5, 0}, {Stroke::End}};
const Stroke kType12[] = {{Stroke::Line, -0.3, 0.5, 0, 0, 0}, {Stroke::Line, 0, 0, 0.2, -0.12, 0},
                          {Stroke::Line, 0, -0.05, 0.5, -0.35, 0}, {Stroke::End}};
const Stroke kType13[] = {{Stroke::Rect, -0.3, -0.5, 0.3, 0.5, 0}, {Stroke::Line, -0.3, 0, 0, 0.5, 0},
                          {Stroke::Line, -0.3, 0, 0, -0.5, 0},     {Stroke::Line, 0.3, 0, 0, 0.5, 0},
                          {Stroke::Line, 0.3, 0, 0, -0.5, 0},      {Stroke::End}};
const Stroke kType14[] = {{Stroke::Line, -0.4, -0.4, 0.4, 0.4, 0}, {Stroke::End}};

const Stroke* const kPictograms[kEdgeTypeCount] = {kType1, kType2,  kType3,  kType4,  kType5,  kType6,  kType7,
                                                   kType8, kType9, kType10, kType11, kType12, kType13, kType14};

// A sign's own frame: its centre in object coordinates and the turn that keeps it upright.
struct SignFrame {
    API_Coord centre;
    double cosT = 1, sinT = 0;
    double turn = 0;
};

// The pens and fill of the drawing, read once.
struct DrawStyle {
    int16_t penEdge = 2, penSign = 6, penText = 6;
    int32_t fillType = 65;
    int16_t fillPen = 19, fillBackPen = 19;
    double fontSize = 3;
};

// A point given in a sign's frame, in object coordinates.
API_Coord InFrame(const SignFrame& f, double u, double v) {
    return API_Coord{f.centre.x + u * f.cosT - v * f.sinT, f.centre.y + u * f.sinT + v * f.cosT};
}

// Hands a line to the sink, when the host takes lines.
void SinkLine(const LibPartDrawSink* s, API_Coord a, API_Coord b, int16_t pen) {
    if (s->line != nullptr) s->line(s->context, a, b, pen);
}
// Hands a hotspot to the sink, when the host takes hotspots.
void SinkHotspot(const LibPartDrawSink* s, API_Coord at, int32_t role, const char* param, int32_t index) {
    if (s->hotspot != nullptr) s->hotspot(s->context, at, role, param, index);
}

// Draws the pictogram of one edge type centred at (u, v) of a sign frame, for a sign of this size.
void DrawPictogram(const LibPartDrawSink* sink, const SignFrame& f, double u, double v, int32_t type, double size,
                   int16_t pen) {
    if (type < 1 || type > kEdgeTypeCount) return;
    const double k = size / kPictogramUnit;
    for (const Stroke* s = kPictograms[type - 1]; s->kind != Stroke::End; ++s) {
        if (s->kind == Stroke::Line) {
            SinkLine(sink, InFrame(f, u + s->a * k, v + s->b * k), InFrame(f, u + s->c * k, v + s->d * k), pen);
        } else if (s->kind == Stroke::Rect) {
            const API_Coord p[4] = {InFrame(f, u + s->a * k, v + s->b * k), InFrame(f, u + s->c * k, v + s->b * k),
                                    InFrame(f, u + s->c * k, v + s->d * k), InFrame(f, u + s->a * k, v + s->d * k)};
            for (int i = 0; i < 4; ++i) SinkLine(sink, p[i], p[(i + 1) % 4], pen);
        } else if (sink->arc != nullptr) {
            const double start = s->d * kPi / kHalfTurnDeg + f.turn;
            const double end = s->e * kPi / kHalfTurnDeg + f.turn;
            sink->arc(sink->context, InFrame(f, u + s->a * k, v + s->b * k), s->c * k, start, end, pen);
        }
    }
}

// A filled square of the palette, centred at (u, v) of the sign frame.
void DrawPaletteSquare(const LibPartDrawSink* sink, const SignFrame& f, double u, double v, double side,
                       const DrawStyle& st) {
    const double h = side / 2;
    const API_Coord ring[5] = {InFrame(f, u - h, v - h), InFrame(f, u + h, v - h), InFrame(f, u + h, v + h),
                               InFrame(f, u - h, v + h), InFrame(f, u - h, v - h)};
    if (sink->polygon != nullptr) sink->polygon(sink->context, ring, 5, st.penSign, st.fillType, st.fillPen, st.fillBackPen);
}

// The edge line, and for edge types with ridge tiles the two side lines.
void DrawEdgeLines(const LibPartDrawSink* sink, const SetterEdgeShape& e, int32_t type, const DrawStyle& st) {
    const API_Coord a{e.start.x, e.start.y};
    const API_Coord b{e.end.x, e.end.y};
    SinkHotspot(sink, a, LibPartHotspot_Plain, nullptr, 0);
    SinkHotspot(sink, b, LibPartHotspot_Plain, nullptr, 0);
    SinkLine(sink, a, b, st.penEdge);
    const bool withRidgeTiles = type == 2 || type == 4 || type == 6;
    const bool pointInPlan = e.planLength < kSetterLengthTol;  // no direction to offset along
    if (!withRidgeTiles || pointInPlan) return;
    const double nx = -(b.y - a.y) / e.planLength * kTileLineOffset;
    const double ny = (b.x - a.x) / e.planLength * kTileLineOffset;
    SinkLine(sink, API_Coord{a.x + nx, a.y + ny}, API_Coord{b.x + nx, b.y + ny}, st.penEdge);
    SinkLine(sink, API_Coord{a.x - nx, a.y - ny}, API_Coord{b.x - nx, b.y - ny}, st.penEdge);
}

// The two editable hotspots of an edge's sign: X moves along the palette, Y opens it.
void DrawSignHotspots(const LibPartDrawSink* sink, const SignFrame& f, int32_t edge, double hotX, double hotY,
                      double size) {
    const double shownX = hotY == 0 ? 0 : hotX;
    SinkHotspot(sink, InFrame(f, 0, hotY), LibPartHotspot_Base, kParamHotspotsX, edge);
    SinkHotspot(sink, InFrame(f, shownX, hotY), LibPartHotspot_Moving, kParamHotspotsX, edge);
    SinkHotspot(sink, InFrame(f, -size, hotY), LibPartHotspot_Reference, kParamHotspotsX, edge);
    SinkHotspot(sink, InFrame(f, hotX, 0), LibPartHotspot_Base, kParamHotspotsY, edge);
    SinkHotspot(sink, InFrame(f, hotX, hotY), LibPartHotspot_Moving, kParamHotspotsY, edge);
    SinkHotspot(sink, InFrame(f, hotX, -size), LibPartHotspot_Reference, kParamHotspotsY, edge);
}

// The palette row of 14 squares above the sign, the placed type's square right above it, and
// the label of the current type over the square the X hotspot points at.
void DrawPalette(const LibPartDrawSink* sink, const SignFrame& f, int32_t apiType, int32_t edgeType, double hotX,
                 double size, const DrawStyle& st) {
    const int32_t pointed = apiType + int32_t(std::lround(size > 0 ? hotX / size : 0));
    for (int32_t type = 1; type <= kEdgeTypeCount; ++type) {
        const double u = (type - apiType) * size;
        DrawPaletteSquare(sink, f, u, size, size, st);
        DrawPictogram(sink, f, u, size, type, size, st.penSign);
        if (type == pointed && sink->text != nullptr)
            sink->text(sink->context, InFrame(f, 0, size + kLabelRise * size), f.turn, st.fontSize,
                       EdgeTypeLabel(edgeType), st.penSign);
    }
}

// The filled disc of a sign and its outline.
void DrawSignDisc(const LibPartDrawSink* sink, API_Coord centre, double radius, const DrawStyle& st) {
    if (sink->polygon != nullptr) {
        API_Coord ring[kCircleFillSegments + 1];
        for (int32_t k = 0; k <= kCircleFillSegments; ++k) {
            const double a = 2 * kPi * k / kCircleFillSegments;
            ring[k] = API_Coord{centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)};
        }
        sink->polygon(sink->context, ring, kCircleFillSegments + 1, st.penSign, st.fillType, st.fillPen, st.fillBackPen);
    }
    if (sink->circle != nullptr) sink->circle(sink->context, centre, radius, st.penSign);
}

// True when a text turned by this total angle would read upside down (between 90 and 270 degrees).
bool IsUpsideDown(double totalAngle) {
    const double deg = std::fmod(std::fmod(totalAngle * kHalfTurnDeg / kPi, kFullTurnDeg) + kFullTurnDeg, kFullTurnDeg);
    return deg > 90 && deg < 270;
}

// Reads the pens, fill and font size of the drawing.
DrawStyle ReadStyle(API_AddParType** params) {
    DrawStyle st;
    st.penEdge = int16_t(SetterParamValue(params, "penEdge", st.penEdge));
    st.penSign = int16_t(SetterParamValue(params, "penSign", st.penSign));
    st.penText = int16_t(SetterParamValue(params, "penText", st.penText));
    st.fillType = int32_t(SetterParamValue(params, "fillType", st.fillType));
    st.fillPen = int16_t(SetterParamValue(params, "fillPen", st.fillPen));
    st.fillBackPen = int16_t(SetterParamValue(params, "fillBackPen", st.fillBackPen));
    st.fontSize = SetterParamValue(params, "fontSize", st.fontSize);
    return st;
}

}  // namespace

GSErrCode EdgeSetterDraw2D(API_AddParType** params, const LibPartDrawEnv* env, const LibPartDrawSink* sink) {
    if (params == nullptr || sink == nullptr) return APIERR_BADPARS;
    const LibPartDrawEnv noEnv;
    if (env == nullptr) env = &noEnv;
    const DrawStyle st = ReadStyle(params);
    const bool showNumbers = SetterParamValue(params, "bShowEdgeText", 0) != 0;
    // Signs turn against the object's rotation and the view's, so they stay upright on screen.
    const double turn = -(env->objectAngle + env->viewRotation);

    const int32_t n = SetterEdgeCount(params);
    for (int32_t i = 0; i < n; ++i) {
        const SetterEdgeShape e = SetterEdgeGeometry(params, i, env->drawingScale);
        const int32_t edgeType = int32_t(SetterParamCell(params, kParamEdgeStatus, i));
        const int32_t apiType = int32_t(SetterParamCell(params, kParamApiStatus, i));
        const double hotX = SetterParamCell(params, kParamHotspotsX, i);
        const double hotY = SetterParamCell(params, kParamHotspotsY, i);
        DrawEdgeLines(sink, e, edgeType, st);

        SignFrame f;
        f.centre = API_Coord{e.signCentre.x, e.signCentre.y};
        f.turn = turn;
        f.cosT = std::cos(turn);
        f.sinT = std::sin(turn);
        DrawSignHotspots(sink, f, i + 1, hotX, hotY, e.signSize);
        DrawSignDisc(sink, f.centre, e.signSize / 2, st);
        DrawPictogram(sink, f, 0, 0, edgeType, e.signSize, st.penSign);
        if (hotY != 0) DrawPalette(sink, f, apiType, edgeType, hotX, e.signSize, st);

        if (showNumbers && sink->text != nullptr) {
            // Numbers run along their edge; those the view would show upside down turn by half a turn.
            const double along = e.directionDeg * kPi / kHalfTurnDeg;
            const double textAngle = IsUpsideDown(along + env->objectAngle + env->viewRotation) ? along + kPi : along;
            char number[16];
            std::snprintf(number, sizeof number, "%d", int(i + 1));
            sink->text(sink->context, e.textPos, textAngle, st.fontSize, number, st.penText);
        }
    }
    return NoError;
}
