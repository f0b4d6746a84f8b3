// Purpose: the native scripts of the tile-surface and ridge parts of TevaroTmp.lib.
//
// The parts draw their plan symbol from the parameters the add-on writes: the tile surface its
// outline ("nodes", in its own frame), the ridge a line of length A. Quantities come with the
// placement work.
#include "objectlib/ObjectLibScripts.h"

#include <cmath>

#include "host/Host.h"
#include "host/ParamLists.h"

namespace objectlib {
namespace {

// A point of the object's own frame placed in the plan (rotation by the object's angle).
API_Coord ToPlan(const host::Element& object, double u, double v) {
    const double a = object.rec.object.angle;
    API_Coord c;
    c.x = object.rec.object.pos.x + u * std::cos(a) - v * std::sin(a);
    c.y = object.rec.object.pos.y + u * std::sin(a) + v * std::cos(a);
    return c;
}

// Tile surface: the outline through its "nodes", one closed ring per contour.
void DrawTileSurface(const host::Element& object, std::vector<host::DrawPrimitive>& out) {
    const host::ParamValue* nodes = host::FindParam(object.params, "nodes");
    if (nodes == nullptr || !nodes->isArray || nodes->dim2 < 2) return;
    host::DrawPrimitive ring;
    ring.kind = host::DrawPrimitive::Polygon;
    ring.pen = int16_t(host::ParamNumber(object.params, "pen1"));
    for (int32_t r = 0; r < nodes->dim1; ++r) {
        const size_t at = size_t(r) * size_t(nodes->dim2);
        if (at + 1 >= nodes->numbers.size()) break;
        ring.points.push_back(ToPlan(object, nodes->numbers[at], nodes->numbers[at + 1]));
    }
    if (ring.points.size() >= 2) out.push_back(std::move(ring));
}

// Ridge: a line from its position along its angle, as long as its A size.
void DrawRidge(const host::Element& object, std::vector<host::DrawPrimitive>& out) {
    host::DrawPrimitive line;
    line.kind = host::DrawPrimitive::Line;
    line.pen = int16_t(host::ParamNumber(object.params, "pen1"));
    line.points.push_back(ToPlan(object, 0, 0));
    line.points.push_back(ToPlan(object, object.rec.object.xRatio, 0));
    out.push_back(std::move(line));
}

}  // namespace

void RegisterObjectLibScripts() {
    host::NativeScripts tile;
    tile.draw2D = DrawTileSurface;
    host::RegisterNativeScripts(kTileSurfaceMainId, tile);
    host::NativeScripts ridge;
    ridge.draw2D = DrawRidge;
    host::RegisterNativeScripts(kRidgeMainId, ridge);
}

}  // namespace objectlib
