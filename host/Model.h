// Purpose: the host's project data: stories, attributes, elements with their memos, selection,
// groups. Everything the element database, the 3D model and the model files work on.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "Common_src/Api_related/HostTypes.h"

namespace host {

struct Story {
    int16_t index = 0;
    double level = 0;
    std::string name;
};

struct Material {  // surface material attribute
    int32_t index = 0;
    std::string name;
};
struct BuildingMaterial {
    int32_t index = 0;
    std::string name;
    int32_t surfaceMaterial = 0;
};
struct Composite {
    int32_t index = 0;
    std::string name;
    std::vector<int32_t> skins;  // building material of each skin
};
struct Layer {
    int16_t index = 0;
    std::string name;
};

// One ring of 3D points, not closed (the first point is not repeated).
using Ring3 = std::vector<API_Coord3D>;
// Metres: two consecutive points of a ring (or a footprint) closer than this are one point.
constexpr double kRingPointTol = 1e-9;
struct RoofPlaneShape {
    Ring3 outer;
    std::vector<Ring3> holes;
};

// A parameter value of a placed library part: a number, a text, or an array of either.
struct ParamValue {
    std::string name;
    API_AddParID type = APIParT_RealNum;
    bool isArray = false;
    uint32_t flags = 0;
    int32_t dim1 = 0, dim2 = 0;
    std::vector<double> numbers;      // simple: one value; array: dim1*dim2 values, row by row
    std::vector<std::u16string> texts;  // text: one value, or dim1*dim2 values
};

struct Element {
    API_Element rec;                  // the element record as the API shows it
    std::string elementId;            // element ID text ("ROOF-001", "Tevaro_000", ...)
    // Roofs: explicit top planes (generated shapes are turned into planes when loaded).
    std::vector<RoofPlaneShape> roofPlanes;
    bool roof3DDeleted = false;       // test hook: the roof's 3D body answers APIERR_DELETED
    int16_t roof3DStaleBodies = 0;    // test hook: stale bodies before the roof's body in its 3D range, each answering APIERR_DELETED
    // Walls and fills: plan polygon, closed (first point repeated at the end).
    std::vector<API_Coord> polygon;
    // Objects: library part unique identifier and parameters.
    std::string libPartUnId;
    std::vector<ParamValue> params;
};

struct Model {
    std::vector<Story> stories{Story{}};
    int16_t currentStory = 0;
    std::vector<Material> materials;
    std::vector<BuildingMaterial> buildingMaterials;
    std::vector<Composite> composites;
    std::vector<Layer> layers;
    std::vector<Element> elements;    // in creation order
    std::vector<API_Guid> selection;  // in selection order
    bool groupsSuspended = false;
    uint32_t nextGroupId = 0;
    // Where an imported model lies in the world: the shift taken off every coordinate (the
    // model's origin in the file's coordinates), the file's coordinate reference system, and
    // the direction of true north (degrees anticlockwise from the model's y axis).
    API_Coord3D originShift{0, 0, 0};
    std::string crs;
    double northAngle = 0;
};

}  // namespace host
