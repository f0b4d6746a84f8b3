// Purpose: what the IFC import tests share: measuring the planes of an imported model (vector
// area, pitch), finding its elements, and importing a file written from a test's own text.
#pragma once

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "common/ProgramRun.h"
#include "import/ifc/IfcImport.h"

namespace ifctest {

using json = nlohmann::json;

struct VectorArea {
    double x = 0, y = 0, z = 0;
};

// The vector area of a ring of 3D points [x, y, z]: its length is the ring's area, its direction
// the ring's normal.
inline VectorArea VectorAreaOf(const json& ring) {
    VectorArea s;
    for (size_t i = 0; i < ring.size(); ++i) {
        const json& p = ring[i];
        const json& q = ring[(i + 1) % ring.size()];
        const double px = p[0], py = p[1], pz = p[2], qx = q[0], qy = q[1], qz = q[2];
        s.x += (py * qz - pz * qy) / 2;
        s.y += (pz * qx - px * qz) / 2;
        s.z += (px * qy - py * qx) / 2;
    }
    return s;
}

// The area of a ring of 3D points.
inline double RingArea(const json& ring) {
    const VectorArea s = VectorAreaOf(ring);
    return std::sqrt(s.x * s.x + s.y * s.y + s.z * s.z);
}

// The pitch of a plane in degrees (0 flat), from its outer ring.
inline double RingPitchDegrees(const json& ring) {
    const VectorArea s = VectorAreaOf(ring);
    constexpr double kDegreesPerRadian = 180 / 3.14159265358979323846;
    return std::acos(std::fabs(s.z) / RingArea(ring)) * kDegreesPerRadian;
}

// Every roof plane of the model, in element order.
inline std::vector<json> RoofPlanes(const json& model) {
    std::vector<json> planes;
    for (const json& e : model.at("elements"))
        if (e.at("type") == "roof")
            for (const json& p : e.at("planes")) planes.push_back(p);
    return planes;
}

// The model element with this ID, or null.
inline const json* FindElement(const json& model, const std::string& id) {
    for (const json& e : model.at("elements"))
        if (e.value("id", "") == id) return &e;
    return nullptr;
}

// What one import gave.
struct Imported {
    bool ok = false;
    json model;
    std::vector<std::string> report;
    std::string error;
};

// Imports `text` written to a temporary file named after `name`; the file is removed again.
inline Imported ImportText(const std::string& name, const std::string& text) {
    Imported r;
    const std::filesystem::path p = tevaro_test::WriteTempFile("ifc-" + name, text);
    r.ok = ifcimport::ImportIfc(p.string(), r.model, r.report, r.error);
    std::filesystem::remove(p);
    return r;
}

}  // namespace ifctest
