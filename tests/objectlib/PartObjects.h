// Purpose: hand-made tile-surface and ridge objects for the object library's tests, and lookups
// of quantity lines by item.
#pragma once

#include <string>
#include <vector>

#include "host/Host.h"
#include "host/ParamLists.h"
#include "objectlib/ObjectLibScripts.h"
#include "polytopo/EdgeCodes.h"

namespace objlib_test {

// A number parameter, or a rows x cols array of numbers.
inline host::ParamValue Num(const char* name, std::vector<double> values, int rows = 0, int cols = 0) {
    host::ParamValue p;
    p.name = name;
    p.isArray = rows > 0;
    p.dim1 = rows;
    p.dim2 = cols;
    p.numbers = std::move(values);
    return p;
}

// A text parameter, or (more than one text, or `array`) an n x 1 array of texts.
inline host::ParamValue Txt(const char* name, std::vector<std::string> values, bool array = false) {
    host::ParamValue p;
    p.name = name;
    p.type = APIParT_CString;
    p.isArray = array || values.size() > 1;
    p.dim1 = p.isArray ? int32_t(values.size()) : 0;
    p.dim2 = p.isArray ? 1 : 0;
    for (const std::string& v : values) p.texts.push_back(host::Utf8ToUtf16(v));
    return p;
}

// Replaces (or adds) a parameter of an object.
inline void SetParam(host::Element& object, host::ParamValue value) {
    for (host::ParamValue& p : object.params)
        if (p.name == value.name) { p = std::move(value); return; }
    object.params.push_back(std::move(value));
}

// A placed object of the part `mainId` at (x, y), turned by `angle`.
inline host::Element PlacedObject(const char* mainId, double x, double y, double angle) {
    host::Element e;
    e.rec.header.typeID = API_ObjectID;
    e.libPartUnId = std::string(mainId) + "-{00000000-0000-0000-0000-000000000000}";
    e.rec.object.pos.x = x;
    e.rec.object.pos.y = y;
    e.rec.object.angle = angle;
    return e;
}

// A 10 m wide, 5 m long (on the slope) tile surface at (1, 2) at angle 0 on a 30 degree slope:
// eave along the bottom, verges at the sides, a ridge shared with another plane at the top.
// 0.3 x 0.4 tiles, loss 1.05, snow-guard tiles HFC along the eave, wing tiles on.
inline host::Element RectangleTileSurface() {
    host::Element e = PlacedObject(objectlib::kTileSurfaceMainId, 1, 2, 0);
    e.params = {Num("alpha", {30 * 3.14159265358979323846 / 180}),
                Txt("fam", {"HULA"}),
                Txt("color", {"NV"}),
                Txt("hofogas", {"CSER"}),
                Txt("hofogo", {"HFC"}),
                Num("vesztesegszorzo", {1.05}),
                Num("tile_x", {0.3}),
                Num("tile_y", {0.4}),
                Num("surf", {50}),
                Num("auto_acc", {1}),
                Num("wingtile", {1}),
                Num("pen1", {2}),
                Num("nodes", {0, 0, 10, 0, 10, 5, 0, 5, 0, 0}, 5, 2),
                Num("stat", {kStatusEave, kStatusVerge, kStatusRidge, kStatusVerge, kStatusNoEdge}, 5, 1),
                Num("num_acc", {0}),
                Num("acces", {0, 0, 0, 0, 0, 0}, 1, 6)};
    return e;
}

// A ridge object of plan length `length` and rise `rise` at (x, y), angle `angle`, with end codes.
inline host::Element RidgeObject(double x, double y, double angle, double length, double rise, int stat1, int stat2) {
    host::Element e = PlacedObject(objectlib::kRidgeMainId, x, y, angle);
    e.rec.object.xRatio = length;
    e.rec.object.yRatio = 0.3;
    e.params = {Txt("gcstyp", {"KUPA"}), Txt("gcolor", {"NV"}), Num("vesztesegszorzo", {1.0}),
                Num("stat1", {double(stat1)}), Num("stat2", {double(stat2)}), Num("ZZYZX", {rise})};
    return e;
}

// The amount of the quantity lines of this item (and code, when given); 0 when there is none.
inline double Amount(const std::vector<host::QuantityLine>& lines, const std::string& item, const char* code = nullptr) {
    double sum = 0;
    for (const host::QuantityLine& q : lines)
        if (q.name == item && (code == nullptr || q.code == code)) sum += q.amount;
    return sum;
}

}  // namespace objlib_test
