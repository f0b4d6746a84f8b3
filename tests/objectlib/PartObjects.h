// Purpose: hand-made tile-surface and ridge objects for the object library's tests, and lookups
// of quantity lines by item.
#pragma once

#include <string>
#include <vector>

#include "host/Host.h"
#include "host/ParamLists.h"
#include "objectlib/ObjectLibScripts.h"

namespace objlib_test {

inline host::ParamValue Number(const char* name, double value) {
    host::ParamValue p;
    p.name = name;
    p.type = APIParT_RealNum;
    p.numbers = {value};
    return p;
}

inline host::ParamValue Text(const char* name, const std::string& value) {
    host::ParamValue p;
    p.name = name;
    p.type = APIParT_CString;
    p.texts = {host::Utf8ToUtf16(value)};
    return p;
}

inline host::ParamValue Numbers(const char* name, int rows, int cols, std::vector<double> values) {
    host::ParamValue p;
    p.name = name;
    p.type = APIParT_RealNum;
    p.isArray = true;
    p.dim1 = rows;
    p.dim2 = cols;
    p.numbers = std::move(values);
    return p;
}

inline host::ParamValue Texts(const char* name, std::vector<std::string> values) {
    host::ParamValue p;
    p.name = name;
    p.type = APIParT_CString;
    p.isArray = true;
    p.dim1 = int32_t(values.size());
    p.dim2 = 1;
    for (const std::string& v : values) p.texts.push_back(host::Utf8ToUtf16(v));
    return p;
}

// Replaces (or adds) a parameter of an object.
inline void SetParam(host::Element& object, host::ParamValue value) {
    for (host::ParamValue& p : object.params)
        if (p.name == value.name) { p = std::move(value); return; }
    object.params.push_back(std::move(value));
}

inline void RemoveParam(host::Element& object, const char* name) {
    for (size_t k = 0; k < object.params.size(); ++k)
        if (object.params[k].name == name) { object.params.erase(object.params.begin() + long(k)); return; }
}

// A 10 m wide, 5 m long (on the slope) tile surface at (1, 2) at angle 0 on a 30 degree slope:
// eave along the bottom, verges at the sides, a ridge shared with another plane at the top.
// 0.3 x 0.4 tiles, loss 1.05, snow-guard tiles HFC along the eave, wing tiles on.
inline host::Element RectangleTileSurface() {
    host::Element e;
    e.rec.header.typeID = API_ObjectID;
    e.elementId = "Tevaro_000";
    e.libPartUnId = std::string(objectlib::kTileSurfaceMainId) + "-{00000000-0000-0000-0000-000000000000}";
    e.rec.object.pos.x = 1;
    e.rec.object.pos.y = 2;
    e.rec.object.angle = 0;
    e.params = {Number("alpha", 30 * 3.14159265358979323846 / 180),
                Text("fam", "HULA"),
                Text("color", "NV"),
                Text("hofogas", "CSER"),
                Text("hofogo", "HFC"),
                Number("vesztesegszorzo", 1.05),
                Number("num", 5),
                Number("tile_x", 0.3),
                Number("tile_y", 0.4),
                Number("surf", 50),
                Number("auto_acc", 1),
                Number("wingtile", 1),
                Number("pen1", 2),
                Numbers("nodes", 5, 2, {0, 0, 10, 0, 10, 5, 0, 5, 0, 0}),
                Numbers("stat", 5, 1, {11, 21, 31, 21, -1}),
                Number("num_acc", 0),
                Numbers("acces", 1, 6, {0, 0, 0, 0, 0, 0}),
                Texts("cod_acc", {""}),
                Texts("mat_acc", {""})};
    return e;
}

// A ridge object of plan length `length` and rise `rise` at (x, y), angle `angle`, with end codes.
inline host::Element RidgeObject(double x, double y, double angle, double length, double rise, int stat1, int stat2) {
    host::Element e;
    e.rec.header.typeID = API_ObjectID;
    e.elementId = "Tevaro_kup";
    e.libPartUnId = std::string(objectlib::kRidgeMainId) + "-{00000000-0000-0000-0000-000000000000}";
    e.rec.object.pos.x = x;
    e.rec.object.pos.y = y;
    e.rec.object.angle = angle;
    e.rec.object.xRatio = length;
    e.rec.object.yRatio = 0.3;
    e.params = {Text("gcstyp", "KUPA"), Text("gcolor", "NV"), Number("vesztesegszorzo", 1.0),
                Number("stat1", stat1), Number("stat2", stat2), Number("pen1", 2), Number("ZZYZX", rise)};
    return e;
}

// The amount of the quantity line of this item (and code, when given); 0 when there is none.
inline double Amount(const std::vector<host::QuantityLine>& lines, const std::string& item, const char* code = nullptr) {
    double sum = 0;
    for (const host::QuantityLine& q : lines)
        if (q.name == item && (code == nullptr || q.code == code)) sum += q.amount;
    return sum;
}

}  // namespace objlib_test
