// Purpose: the edge setter's master script: per edge its direction, lengths, sign size and the
// places of its sign and edge number.
#include <cmath>

#include "edges/EdgeSetterPart.h"
#include "Common_src/ParamNames.h"
#include "edges/SetterParams.h"
#include "roofgeom/Geometry.h"

namespace {

constexpr double kDigitWidthPerHeight = 0.556;  // width of one digit cell of the number font
constexpr double kMmPerMetre = 1000;
constexpr int32_t kEdgeCoordColumns = 6;
constexpr int32_t kEdgesPerNumberCell = 10;     // the number's width grows by one cell per ten edges

// The plan direction of a vector in degrees, 0..360; 0 for a zero vector.
double DirectionDegrees(double vx, double vy) {
    const bool noX = std::fabs(vx) < kSetterLengthTol;
    const bool noY = std::fabs(vy) < kSetterLengthTol;
    if (noX && noY) return 0;
    if (noX) return vy > 0 ? 90 : 270;
    double deg = std::atan2(vy, vx) * kHalfTurnDeg / kPi;
    if (deg < 0) deg += 360;
    return deg;
}

}  // namespace

double SignSizeForLength(double planLength) {
    if (planLength > kSignScale * kDefaultSignSize - kSetterLengthTol) return kDefaultSignSize;
    return planLength / kSignScale;
}

int32_t SetterEdgeCount(API_AddParType** params) {
    const int32_t wanted = int32_t(SetterParamValue(params, kParamEdgeCount, 0));
    const int32_t rows = SetterParamRows(params, kParamEdgeCoords);
    if (wanted < 0) return 0;
    return wanted < rows ? wanted : rows;
}

SetterEdgeShape SetterEdgeGeometry(API_AddParType** params, int32_t index, double drawingScale) {
    SetterEdgeShape shape;
    double c[kEdgeCoordColumns];
    for (int32_t col = 0; col < kEdgeCoordColumns; ++col) c[col] = SetterParamCell(params, kParamEdgeCoords, index, col);
    shape.start = API_Coord3D{c[0], c[1], c[2]};
    shape.end = API_Coord3D{c[3], c[4], c[5]};
    const double vx = c[3] - c[0];
    const double vy = c[4] - c[1];
    const double vz = c[5] - c[2];
    shape.directionDeg = DirectionDegrees(vx, vy);
    shape.planLength = std::sqrt(vx * vx + vy * vy);
    shape.length3D = std::sqrt(vx * vx + vy * vy + vz * vz);
    shape.signSize = SignSizeForLength(shape.planLength);
    if (shape.planLength < kSetterLengthTol) DBPrintf("Hiba: Zero élhosszúság");

    const API_Coord mid{(c[0] + c[3]) / 2, (c[1] + c[4]) / 2};
    shape.signCentre = API_Coord3D{mid.x, mid.y, (c[2] + c[5]) / 2};
    shape.textPos = mid;
    if (SetterParamValue(params, "bShowEdgeText", 0) != 0) {
        // Sign half a sign to the left of the edge, the number half its width to the right.
        const double rad = shape.directionDeg * kPi / kHalfTurnDeg;
        const API_Coord left{-std::sin(rad), std::cos(rad)};
        const double textHeight = SetterParamValue(params, "fontSize", 3.0) * drawingScale / kMmPerMetre;
        const int32_t digitCells = 1 + SetterEdgeCount(params) / kEdgesPerNumberCell;
        const double textWidth = digitCells * kDigitWidthPerHeight * textHeight;
        shape.signCentre.x += left.x * shape.signSize / 2;
        shape.signCentre.y += left.y * shape.signSize / 2;
        shape.textPos.x -= left.x * textWidth / 2;
        shape.textPos.y -= left.y * textWidth / 2;
    }
    return shape;
}

int32_t PaletteTypeForOffset(int32_t apiType, double offsetX, double signSize) {
    // Walk outwards square by square; each boundary lies half a square past the previous centre.
    int32_t type = apiType;
    for (int32_t k = 1; k <= apiType - 1; ++k)
        if (offsetX < -((k - 1) + 0.5) * signSize) type = apiType - k;
    for (int32_t k = 1; k <= kEdgeTypeCount - (apiType - 1); ++k)
        if (offsetX > ((k - 1) + 0.5) * signSize) type = apiType + k;
    if (type < 1) type = 1;
    if (type > kEdgeTypeCount) type = kEdgeTypeCount;
    return type;
}
