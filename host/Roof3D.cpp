// Purpose: the 3D model of a roof element, built from its top planes, thickness and surface
// materials: one body of top polygons (with holes), bottom faces one thickness lower, and side
// faces (one strip per composite skin), with shared vertices, signed edges and normals.
#include "host/Roof3D.h"

#include "host/Attributes.h"
#include "host/ElementDatabase.h"
#include "host/RoofShapesRings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <unordered_map>
#include <unordered_set>
#include <tuple>
#include <utility>

namespace host {
namespace {

// Body indices of element k (0-based position) start at (k + 1) * kBodySlotsPerElement: the
// stale bodies of the test hook come first, the roof's own body last.
constexpr int32_t kBodySlotsPerElement = 64;
// Two plan points of different planes closer than this are the same corner (shared edges).
constexpr double kSharedCornerTol = 1e-6;

enum FaceKind { kTopFace, kSideFace, kBottomFace };

struct BodyPolygon {
    int32_t fpedg = 0, lpedg = 0;  // 1-based range in pedges
    int32_t ivect = 0;             // signed 1-based vector index
    FaceKind kind = kTopFace;
    int32_t skin = 0;              // side strips: the composite skin (0-based)
};

struct RoofBody {
    std::vector<API_Coord3D> vertices;
    std::vector<std::pair<int32_t, int32_t>> edges;  // 1-based vertex indices
    std::vector<int32_t> pedges;                     // signed edge indices, 0 between contours
    std::vector<API_Coord3D> vectors;
    std::vector<BodyPolygon> polygons;
};

// What the body's geometry depends on; a cached body is reused while these stay the same.
struct CachedBody {
    API_Guid guid;
    double thickness = 0;
    int32_t strips = 1;
    std::vector<RoofPlaneShape> planes;
    RoofBody body;
};

// Bodies the cache may hold beyond twice the model's roofs before it lets go of gone roofs'.
constexpr size_t kSpareCachedBodies = 16;

// The bodies built so far, by roof GUID: found in constant time for every component read.
std::unordered_map<API_Guid, CachedBody, GuidHash>& BodyCache() {
    static std::unordered_map<API_Guid, CachedBody, GuidHash> cache;
    return cache;
}

// Compares two 3D rings point by point, exactly.
bool SameRing(const Ring3& a, const Ring3& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].z != b[i].z) return false;
    return true;
}

// Compares two plane lists exactly.
bool SamePlanes(const std::vector<RoofPlaneShape>& a, const std::vector<RoofPlaneShape>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (!SameRing(a[i].outer, b[i].outer) || a[i].holes.size() != b[i].holes.size()) return false;
        for (size_t h = 0; h < a[i].holes.size(); ++h)
            if (!SameRing(a[i].holes[h], b[i].holes[h])) return false;
    }
    return true;
}

API_Coord3D Sub(const API_Coord3D& a, const API_Coord3D& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

// Newell's normal of a ring (not normalised; its length is twice the ring's area).
API_Coord3D RingNormal(const Ring3& ring) {
    const RingNormalVector n = NewellNormal(ring);
    return {n.x, n.y, n.z};
}

API_Coord3D Normalized(const API_Coord3D& v) {
    const double len = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (len == 0) return v;
    return {v.x / len, v.y / len, v.z / len};
}

double Dot(const API_Coord3D& a, const API_Coord3D& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// A ring without repeated consecutive points and without a closing repeat.
Ring3 CleanRing(const Ring3& ring) {
    Ring3 out;
    for (const API_Coord3D& p : ring) {
        if (!out.empty()) {
            const API_Coord3D d = Sub(p, out.back());
            if (std::fabs(d.x) < kRingPointTol && std::fabs(d.y) < kRingPointTol &&
                std::fabs(d.z) < kRingPointTol)
                continue;
        }
        out.push_back(p);
    }
    while (out.size() > 1) {
        const API_Coord3D d = Sub(out.front(), out.back());
        if (std::fabs(d.x) < kRingPointTol && std::fabs(d.y) < kRingPointTol &&
            std::fabs(d.z) < kRingPointTol)
            out.pop_back();
        else
            break;
    }
    return out;
}

// Builds a body's vertex, edge and polygon-edge lists, sharing vertices and edges.
struct BodyBuilder {
    RoofBody& body;
    std::map<std::tuple<double, double, double>, int32_t> vertexIndex;
    std::map<std::pair<int32_t, int32_t>, int32_t> edgeIndex;

    // The 1-based index of a vertex, added when new.
    int32_t Vertex(const API_Coord3D& p) {
        auto key = std::make_tuple(p.x, p.y, p.z);
        auto it = vertexIndex.find(key);
        if (it != vertexIndex.end()) return it->second;
        body.vertices.push_back(p);
        const int32_t index = int32_t(body.vertices.size());
        vertexIndex.emplace(key, index);
        return index;
    }

    // The signed index of the edge from vertex a to vertex b (negative when stored as b -> a).
    int32_t Edge(int32_t a, int32_t b) {
        auto it = edgeIndex.find({a, b});
        if (it != edgeIndex.end()) return it->second;
        auto back = edgeIndex.find({b, a});
        if (back != edgeIndex.end()) return -back->second;
        body.edges.emplace_back(a, b);
        const int32_t index = int32_t(body.edges.size());
        edgeIndex.emplace(std::make_pair(a, b), index);
        return index;
    }

    // One vector entry; returns its 1-based index.
    int32_t Vector(const API_Coord3D& v) {
        body.vectors.push_back(v);
        return int32_t(body.vectors.size());
    }

    // Adds a polygon of one or more contours (each an open ring), contours separated by 0.
    void Polygon(const std::vector<Ring3>& contours, int32_t ivect, FaceKind kind, int32_t skin) {
        BodyPolygon pg;
        pg.fpedg = int32_t(body.pedges.size()) + 1;
        for (size_t c = 0; c < contours.size(); ++c) {
            if (c > 0) body.pedges.push_back(0);
            const Ring3& ring = contours[c];
            for (size_t i = 0; i < ring.size(); ++i)
                body.pedges.push_back(Edge(Vertex(ring[i]), Vertex(ring[(i + 1) % ring.size()])));
        }
        pg.lpedg = int32_t(body.pedges.size());
        pg.ivect = ivect;
        pg.kind = kind;
        pg.skin = skin;
        body.polygons.push_back(pg);
    }
};

Ring3 Reversed(const Ring3& ring) { return Ring3(ring.rbegin(), ring.rend()); }

Ring3 Lowered(const Ring3& ring, double depth) {
    Ring3 out = ring;
    for (API_Coord3D& p : out) p.z -= depth;
    return out;
}

// True when the plan points are the same corner.
bool SameCorner(const API_Coord3D& a, const API_Coord3D& b) {
    return std::fabs(a.x - b.x) < kSharedCornerTol && std::fabs(a.y - b.y) < kSharedCornerTol &&
           std::fabs(a.z - b.z) < kSharedCornerTol;
}

// True when edge p -> q is also an edge of another plane of the roof (an inner edge: no side face).
bool IsInnerEdge(const std::vector<std::vector<Ring3>>& planeContours, size_t self, const API_Coord3D& p,
                 const API_Coord3D& q) {
    for (size_t other = 0; other < planeContours.size(); ++other) {
        if (other == self) continue;
        for (const Ring3& ring : planeContours[other])
            for (size_t i = 0; i < ring.size(); ++i) {
                const API_Coord3D& a = ring[i];
                const API_Coord3D& b = ring[(i + 1) % ring.size()];
                // the same two corners, in either direction
                if ((SameCorner(a, p) && SameCorner(b, q)) || (SameCorner(a, q) && SameCorner(b, p))) return true;
            }
    }
    return false;
}

// Builds the body of a roof from its planes. Top contours are turned to run counter-clockwise
// seen from above (holes clockwise), so every face's normal points out of the body.
void BuildBody(const std::vector<RoofPlaneShape>& planes, double thickness, int32_t strips, RoofBody& body) {
    body = RoofBody{};
    BodyBuilder builder{body, {}, {}};
    std::vector<std::vector<Ring3>> contours;     // per plane: outer, then holes, oriented
    std::vector<API_Coord3D> normals;             // per plane: unit normal, up
    for (const RoofPlaneShape& plane : planes) {
        std::vector<Ring3> rings;
        Ring3 outer = CleanRing(plane.outer);
        API_Coord3D n = RingNormal(outer);
        if (n.z < 0) {
            outer = Reversed(outer);
            n = {-n.x, -n.y, -n.z};
        }
        rings.push_back(outer);
        for (const Ring3& holeIn : plane.holes) {
            Ring3 hole = CleanRing(holeIn);
            if (hole.size() < 3) continue;
            if (Dot(RingNormal(hole), n) > 0) hole = Reversed(hole);
            rings.push_back(hole);
        }
        contours.push_back(rings);
        normals.push_back(Normalized(n));
    }
    // Top faces; every other plane keeps its vector negated (ivect < 0), as hosts do.
    for (size_t p = 0; p < contours.size(); ++p) {
        if (contours[p][0].size() < 3) continue;
        const API_Coord3D& n = normals[p];
        const int32_t ivect = (p % 2 == 0) ? builder.Vector(n) : -builder.Vector({-n.x, -n.y, -n.z});
        builder.Polygon(contours[p], ivect, kTopFace, 0);
    }
    // Bottom faces: the top contours one thickness lower, reversed; the normal is the top's, negated.
    for (size_t p = 0; p < contours.size(); ++p) {
        if (contours[p][0].size() < 3) continue;
        std::vector<Ring3> lowered;
        for (const Ring3& ring : contours[p]) lowered.push_back(Reversed(Lowered(ring, thickness)));
        const int32_t ivect = -builder.Vector(normals[p]);
        builder.Polygon(lowered, ivect, kBottomFace, strips - 1);
    }
    // Side faces along the roof's outline and holes, one strip per skin.
    for (size_t p = 0; p < contours.size(); ++p) {
        if (contours[p][0].size() < 3) continue;
        for (const Ring3& ring : contours[p])
            for (size_t i = 0; i < ring.size(); ++i) {
                const API_Coord3D& a = ring[i];
                const API_Coord3D& b = ring[(i + 1) % ring.size()];
                if (IsInnerEdge(contours, p, a, b)) continue;
                for (int32_t s = 0; s < strips; ++s) {
                    const double d0 = thickness * s / strips;
                    const double d1 = thickness * (s + 1) / strips;
                    const Ring3 quad{{a.x, a.y, a.z - d0}, {a.x, a.y, a.z - d1}, {b.x, b.y, b.z - d1},
                                     {b.x, b.y, b.z - d0}};
                    API_Coord3D n = Normalized(RingNormal(quad));
                    builder.Polygon({quad}, builder.Vector(n), kSideFace, s);
                }
            }
    }
}

// The element at a 0-based position when it is a roof; null otherwise.
const Element* RoofAt(const Model& model, int32_t position) {
    if (position < 0 || size_t(position) >= model.elements.size()) return nullptr;
    const Element& e = model.elements[size_t(position)];
    return e.rec.header.typeID == API_RoofID ? &e : nullptr;
}

// The number of side strips: one per skin of a composite roof, one otherwise.
int32_t StripCount(const Model& model, const API_RoofType& roof) {
    if (roof.modelElemStructureType != API_CompositeStructure) return 1;
    const Composite* c = FindAttribute(model.composites, roof.composite);
    return c != nullptr && !c->skins.empty() ? int32_t(c->skins.size()) : 1;
}

// Lets go of the bodies of roofs the model no longer holds (deleted, or of a model opened before)
// once the cache outgrows the model's roofs, so a long session does not keep every body it built.
// The walk over the model happens only when the cache has doubled since the last one, so its cost
// spreads thin over the bodies built in between.
void ForgetBodiesOfGoneRoofs(const Model& model) {
    static size_t pruneAt = kSpareCachedBodies;
    auto& cache = BodyCache();
    if (cache.size() < pruneAt) return;
    std::unordered_set<API_Guid, GuidHash> present;
    for (const Element& e : model.elements)
        if (e.rec.header.typeID == API_RoofID) present.insert(e.rec.header.guid);
    std::erase_if(cache, [&present](const auto& entry) { return present.count(entry.first) == 0; });
    pruneAt = 2 * std::max(cache.size(), present.size()) + kSpareCachedBodies;
}

// The roof's body, rebuilt when its planes, thickness or skin count changed since last asked.
const RoofBody& BodyOf(const Model& model, const Element& roof) {
    const int32_t strips = StripCount(model, roof.rec.roof);
    ForgetBodiesOfGoneRoofs(model);
    auto [found, fresh] = BodyCache().try_emplace(roof.rec.header.guid);
    CachedBody& cached = found->second;
    // a roof seen for the first time, or one whose planes, thickness or skins changed
    if (fresh || cached.thickness != roof.rec.roof.thickness || cached.strips != strips ||
        !SamePlanes(cached.planes, roof.roofPlanes)) {
        cached.guid = roof.rec.header.guid;
        cached.thickness = roof.rec.roof.thickness;
        cached.strips = strips;
        cached.planes = roof.roofPlanes;
        BuildBody(cached.planes, cached.thickness, strips, cached.body);
    }
    return cached.body;
}

// The surface material of a building material (0 when it does not exist).
int32_t SurfaceOf(const Model& model, int32_t buildingMaterial) {
    const BuildingMaterial* b = FindAttribute(model.buildingMaterials, buildingMaterial);
    return b != nullptr ? b->surfaceMaterial : 0;
}

// The material of a face from the roof's structure and its overrides as they are right now.
int32_t FaceMaterial(const Model& model, const API_RoofType& roof, FaceKind kind, int32_t skin) {
    int32_t material = 0;
    if (roof.modelElemStructureType == API_CompositeStructure) {
        const Composite* composite = FindAttribute(model.composites, roof.composite);
        if (composite != nullptr && !composite->skins.empty()) {
            const size_t last = composite->skins.size() - 1;
            const size_t k = kind == kTopFace ? 0 : kind == kBottomFace ? last : std::min<size_t>(size_t(skin), last);
            material = SurfaceOf(model, composite->skins[k]);
        }
    } else {
        material = SurfaceOf(model, roof.buildingMaterial);
    }
    if (kind == kTopFace && roof.overrideTopMaterial) material = roof.topMat;
    if (kind == kSideFace && roof.overrideSideMaterial) material = roof.sideMat;
    if (kind == kBottomFace && roof.overrideBotMaterial) material = roof.botMat;
    return material;
}

// True when any byte of a mask field is set.
template <typename Field>
bool Marked(const Field& field) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&field);
    for (size_t i = 0; i < sizeof field; ++i)
        if (bytes[i] != 0) return true;
    return false;
}

// Splits a body index into the roof's position and its slot (stale bodies first).
bool DecodeBody(const Model& model, int32_t bodyIndex, const Element*& roof, bool& deleted) {
    const int32_t position = bodyIndex / kBodySlotsPerElement - 1;
    const int32_t slot = bodyIndex % kBodySlotsPerElement;
    roof = RoofAt(model, position);
    if (roof == nullptr || bodyIndex < kBodySlotsPerElement) return false;
    const int32_t stale = std::max<int32_t>(0, std::min<int32_t>(roof->roof3DStaleBodies, kBodySlotsPerElement - 1));
    if (slot > stale) return false;
    deleted = slot < stale || roof->roof3DDeleted;
    return true;
}

}  // namespace

void ChainRoofMaterials(API_RoofType& roof, const API_RoofType& mask) {
    if (!roof.materialsChained) return;
    bool on = false;
    int32_t material = 0;
    if (Marked(mask.overrideTopMaterial) || Marked(mask.topMat)) {
        on = roof.overrideTopMaterial, material = roof.topMat;
    } else if (Marked(mask.overrideSideMaterial) || Marked(mask.sideMat)) {
        on = roof.overrideSideMaterial, material = roof.sideMat;
    } else if (Marked(mask.overrideBotMaterial) || Marked(mask.botMat)) {
        on = roof.overrideBotMaterial, material = roof.botMat;
    } else {
        return;  // switching the chain on alone keeps the surfaces as they are
    }
    roof.overrideTopMaterial = roof.overrideSideMaterial = roof.overrideBotMaterial = on;
    roof.topMat = roof.sideMat = roof.botMat = material;
}

GSErrCode Get3DInfo(const Model& model, const API_Elem_Head* head, API_ElemInfo3D* info) {
    if (head == nullptr || info == nullptr) return APIERR_BADPARS;
    size_t k = 0;
    if (ElementPosition(model, head->guid, k)) {
        const Element& e = model.elements[k];
        if (e.rec.header.typeID != API_RoofID) return APIERR_NO3D;
        const int32_t base = int32_t(k + 1) * kBodySlotsPerElement;
        const int32_t stale = std::max<int32_t>(0, std::min<int32_t>(e.roof3DStaleBodies, kBodySlotsPerElement - 1));
        info->fbody = base;
        info->lbody = e.roofPlanes.empty() ? base - 1 : base + stale;
        return NoError;
    }
    return APIERR_BADID;
}

GSErrCode GetComponent3D(const Model& model, API_Component3D* component) {
    if (component == nullptr) return APIERR_BADPARS;
    const bool isBody = component->header.typeID == API_BodyID;
    const int32_t bodyIndex = isBody ? component->header.index : component->bodyIndex;
    const Element* roof = nullptr;
    bool deleted = false;
    if (!DecodeBody(model, bodyIndex, roof, deleted)) return APIERR_BADINDEX;
    if (deleted) return APIERR_DELETED;
    const RoofBody& body = BodyOf(model, *roof);
    const int32_t i = component->header.index;
    switch (component->header.typeID) {
        case API_BodyID:
            component->body.nPgon = int32_t(body.polygons.size());
            component->body.nPedg = int32_t(body.pedges.size());
            component->body.nEdge = int32_t(body.edges.size());
            component->body.nVert = int32_t(body.vertices.size());
            component->body.nVect = int32_t(body.vectors.size());
            return NoError;
        case API_PgonID: {
            if (i < 1 || size_t(i) > body.polygons.size()) return APIERR_BADINDEX;
            const BodyPolygon& pg = body.polygons[size_t(i - 1)];
            component->pgon.fpedg = pg.fpedg;
            component->pgon.lpedg = pg.lpedg;
            component->pgon.ivect = pg.ivect;
            component->pgon.iumat = i;  // one material entry per polygon
            return NoError;
        }
        case API_PedgID:
            if (i < 1 || size_t(i) > body.pedges.size()) return APIERR_BADINDEX;
            component->pedg.pedg = body.pedges[size_t(i - 1)];
            return NoError;
        case API_EdgeID:
            if (i < 1 || size_t(i) > body.edges.size()) return APIERR_BADINDEX;
            component->edge.vert1 = body.edges[size_t(i - 1)].first;
            component->edge.vert2 = body.edges[size_t(i - 1)].second;
            return NoError;
        case API_VertID: {
            if (i < 1 || size_t(i) > body.vertices.size()) return APIERR_BADINDEX;
            const API_Coord3D& p = body.vertices[size_t(i - 1)];
            component->vert.x = p.x;
            component->vert.y = p.y;
            component->vert.z = p.z;
            return NoError;
        }
        case API_VectID: {
            if (i < 1 || size_t(i) > body.vectors.size()) return APIERR_BADINDEX;
            const API_Coord3D& v = body.vectors[size_t(i - 1)];
            component->vect.x = v.x;
            component->vect.y = v.y;
            component->vect.z = v.z;
            return NoError;
        }
        case API_UmatID: {
            if (i < 1 || size_t(i) > body.polygons.size()) return APIERR_BADINDEX;
            const BodyPolygon& pg = body.polygons[size_t(i - 1)];
            const int32_t material = FaceMaterial(model, roof->rec.roof, pg.kind, pg.skin);
            component->umat.name[0] = 0;
            if (const Material* m = FindAttribute(model.materials, material))
                std::snprintf(component->umat.name, sizeof component->umat.name, "%s", m->name.c_str());
            return NoError;
        }
    }
    return APIERR_BADPARS;
}

}  // namespace host
