// Purpose: the ridge part's plan drawing and quantities, computed from its parameters.
//
// A ridge object stands at the lower end of its edge and runs along its angle; its A size is the
// edge's plan length and "ZZYZX" its rise, so its true length is their hypotenuse. "stat1" tells
// how the lower end meets the roof, "stat2" the upper end:
//   0 nothing of its own (the end meets other ridge lines), 1 a free ridge end (end cap),
//   2 the eave end of a hip or top edge (starter piece), 3 a ridge end where two hips meet
//   regularly (three-way junction piece).
#include "objectlib/RidgeScripts.h"
#include "Common_src/ParamNames.h"

#include <cmath>
#include <string>

#include "objectlib/PartParams.h"

namespace objectlib {
namespace {

// A rise smaller than this (metres) makes the object a level ridge rather than a hip.
constexpr double kLevelRiseTol = 0.001;
// The drawn width of a ridge's end pieces when the object has no B size.
constexpr double kDefaultRidgeWidth = 0.3;
// A whole circle, radians.
constexpr double kFullTurn = 2 * 3.14159265358979323846;

enum RidgeEnd { kNoEndPiece = 0, kEndCap = 1, kStarter = 2, kJunction = 3 };

// The quantity item of the end piece an end code calls for ("" when none).
const char* EndPieceItem(int code) {
    switch (code) {
        case kEndCap: return "ridge end caps";
        case kStarter: return "hip starters";
        case kJunction: return "ridge junctions";
        default: return "";
    }
}

// The drawn width of the end pieces: the object's B size.
double RidgeWidth(const host::Element& object) {
    return object.rec.object.yRatio > 0 ? object.rec.object.yRatio : kDefaultRidgeWidth;
}

// The end piece symbol at the end at `along` (0 or the length) of the line; `inward` is +1 at the
// lower end and -1 at the upper end (the direction into the ridge).
void DrawEndPiece(const host::Element& object, int code, double along, double inward, int16_t pen,
                  std::vector<host::DrawPrimitive>& out) {
    const double half = RidgeWidth(object) / 2;
    host::DrawPrimitive p;
    p.pen = pen;
    if (code == kEndCap) {
        p.kind = host::DrawPrimitive::Line;
        p.text = "end-cap";
        p.points = {ToPlan(object, along, -half), ToPlan(object, along, half)};
    } else if (code == kStarter) {
        p.kind = host::DrawPrimitive::Polygon;
        p.text = "starter";
        p.points = {ToPlan(object, along, -half), ToPlan(object, along, half),
                    ToPlan(object, along + inward * 2 * half, 0), ToPlan(object, along, -half)};
    } else if (code == kJunction) {
        p.kind = host::DrawPrimitive::Arc;
        p.text = "junction";
        p.points = {ToPlan(object, along, 0)};
        p.radius = half;
        p.startAngle = 0;
        p.endAngle = kFullTurn;
    } else {
        return;
    }
    out.push_back(std::move(p));
}

}  // namespace

void DrawRidge(const host::Element& object, std::vector<host::DrawPrimitive>& out) {
    const int16_t pen = int16_t(NumberOr(object, kParamPen, 1));
    const double length = object.rec.object.xRatio;
    host::DrawPrimitive line;
    line.kind = host::DrawPrimitive::Line;
    line.pen = pen;
    line.text = std::fabs(NumberOr(object, "ZZYZX", 0)) < kLevelRiseTol ? "ridge" : "hip";
    line.points = {ToPlan(object, 0, 0), ToPlan(object, length, 0)};
    out.push_back(std::move(line));
    DrawEndPiece(object, int(std::lround(NumberOr(object, kParamRidgeStartStatus, 0))), 0, +1, pen, out);
    DrawEndPiece(object, int(std::lround(NumberOr(object, kParamRidgeEndStatus, 0))), length, -1, pen, out);
}

void RidgeQuantities(const host::Element& object, std::vector<host::QuantityLine>& out) {
    const double rise = NumberOr(object, "ZZYZX", 0);
    const double length = std::hypot(object.rec.object.xRatio, rise);
    const std::string code = WithColour(TextOf(object, kParamRidgeTile), TextOf(object, kParamRidgeColour));
    AddQuantity(out, std::fabs(rise) < kLevelRiseTol ? "ridge length" : "hip length", code, "m", length);
    AddQuantity(out, "ridge tiles", code, "pcs", WholePieces(length / kRidgeTileCoverLength * LossMultiplier(object)));
    const int ends[2] = {int(std::lround(NumberOr(object, kParamRidgeStartStatus, 0))), int(std::lround(NumberOr(object, kParamRidgeEndStatus, 0)))};
    for (int piece : {kEndCap, kStarter, kJunction}) {
        const int count = (ends[0] == piece ? 1 : 0) + (ends[1] == piece ? 1 : 0);
        AddQuantity(out, EndPieceItem(piece), code, "pcs", count);
    }
}

}  // namespace objectlib
