// Purpose: the plane stage of the IFC import: welds a triangle soup, splits T-junctions, joins
// coplanar triangles through shared edges, traces each face's boundary into an outer ring and
// holes, and keeps a roof's top faces by their soffit.
#include "import/ifc/IfcPlanes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <numeric>
#include <unordered_map>
#include <utility>

#include "import/ifc/BoostGeometry.h"

namespace ifcimport {
namespace {

namespace bg = boost::geometry;
using Pt2 = bg::model::d2::point_xy<double>;
using Poly2 = bg::model::polygon<Pt2, false, false>;  // counter-clockwise, open

constexpr double kPi = 3.14159265358979323846;
// Triangles smaller than this (m2) after welding carry no face.
constexpr double kMinTriangleArea = 1e-9;
// A point lies on a plane for the section when it is this close to it.
constexpr double kSectionOnPlane = 1e-6;

// Vector arithmetic on points and directions.
Vec3 Add(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 Sub(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 Mul(const Vec3& a, double s) { return {a.x * s, a.y * s, a.z * s}; }
double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Length(const Vec3& a) { return std::sqrt(Dot(a, a)); }
// The unit vector along a, or zero when a is zero.
Vec3 Unit(const Vec3& a) {
    const double l = Length(a);
    return l > 0 ? Mul(a, 1.0 / l) : Vec3{};
}

// Two directions u, v spanning the plane with normal n, u x v = n (so counter-clockwise in (u, v)
// is counter-clockwise seen from the normal side).
void PlaneBasis(const Vec3& n, Vec3& u, Vec3& v) {
    const Vec3 ref = std::fabs(n.z) < 0.9 ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
    u = Unit(Cross(ref, n));
    v = Cross(n, u);
}

// Merges points closer than kWeldDistance through a grid of cells of that size.
struct Welder {
    std::unordered_map<uint64_t, std::vector<int>> cells;
    std::vector<Vec3> points;
};

// The grid key of cell (i, j, k).
uint64_t CellKey(int64_t i, int64_t j, int64_t k) {
    return (uint64_t(i & 0x1FFFFF) << 42) | (uint64_t(j & 0x1FFFFF) << 21) | uint64_t(k & 0x1FFFFF);
}

// The index of the welded vertex at p, adding one when no vertex is within kWeldDistance.
int Weld(Welder& w, const Vec3& p) {
    const int64_t i = int64_t(std::floor(p.x / kWeldDistance));
    const int64_t j = int64_t(std::floor(p.y / kWeldDistance));
    const int64_t k = int64_t(std::floor(p.z / kWeldDistance));
    for (int64_t di = -1; di <= 1; ++di)
        for (int64_t dj = -1; dj <= 1; ++dj)
            for (int64_t dk = -1; dk <= 1; ++dk) {
                auto it = w.cells.find(CellKey(i + di, j + dj, k + dk));
                if (it == w.cells.end()) continue;
                for (int idx : it->second)
                    if (Length(Sub(w.points[size_t(idx)], p)) < kWeldDistance) return idx;
            }
    const int idx = int(w.points.size());
    w.points.push_back(p);
    w.cells[CellKey(i, j, k)].push_back(idx);
    return idx;
}

// A welded triangle with its plane and its boundary as a ring (corners plus T-junction points).
struct Tri {
    int v[3];
    Vec3 normal;
    double offset = 0;
    double area = 0;
    Vec3 centroid;
    std::vector<int> ring;
};

// Welded vertices sorted along each axis, so that the vertices near an edge are found by binary
// searches on the axis along which the edge's box holds the fewest.
struct AxisIndex {
    std::vector<int> order[3];
    std::vector<double> keys[3];
};

// A coordinate of p by axis number.
double Coord(const Vec3& p, int axis) { return axis == 0 ? p.x : axis == 1 ? p.y : p.z; }

// The index of `pts` sorted along x, y and z.
AxisIndex SortByAxes(const std::vector<Vec3>& pts) {
    AxisIndex b;
    for (int axis = 0; axis < 3; ++axis) {
        auto& order = b.order[axis];
        order.resize(pts.size());
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(),
                  [&](int a, int c) { return Coord(pts[size_t(a)], axis) < Coord(pts[size_t(c)], axis); });
        for (int i : order) b.keys[axis].push_back(Coord(pts[size_t(i)], axis));
    }
    return b;
}

// The ring vertices of triangle t with every welded vertex that lies inside one of its edges.
std::vector<int> SplitEdges(const Tri& t, const std::vector<Vec3>& pts, const AxisIndex& index) {
    std::vector<int> ring;
    for (int e = 0; e < 3; ++e) {
        const int a = t.v[e], b = t.v[(e + 1) % 3];
        const Vec3 pa = pts[size_t(a)], d = Sub(pts[size_t(b)], pa);
        const double len2 = Dot(d, d);
        const double len = std::sqrt(len2);
        ring.push_back(a);
        std::vector<std::pair<double, int>> on;
        // the axis along which the fewest vertices lie within the edge's box
        size_t from = 0, to = 0;
        int axis = -1;
        for (int ax = 0; ax < 3; ++ax) {
            const double c0 = Coord(pa, ax), c1 = c0 + Coord(d, ax);
            const auto& keys = index.keys[ax];
            const size_t f = size_t(std::lower_bound(keys.begin(), keys.end(), std::min(c0, c1) - kWeldDistance) - keys.begin());
            const size_t l = size_t(std::upper_bound(keys.begin(), keys.end(), std::max(c0, c1) + kWeldDistance) - keys.begin());
            if (axis < 0 || l - f < to - from) {
                axis = ax;
                from = f;
                to = l;
            }
        }
        for (size_t k = from; k < to; ++k) {
            const int q = index.order[axis][k];
            if (q == a || q == b) continue;
            const Vec3 w = Sub(pts[size_t(q)], pa);
            const double s = Dot(w, d) / len2;
            // inside the edge (not at its ends) and on its line
            if (s * len <= kWeldDistance || (1 - s) * len <= kWeldDistance) continue;
            if (Length(Sub(w, Mul(d, s))) >= kWeldDistance) continue;
            on.push_back({s, q});
        }
        std::sort(on.begin(), on.end());
        for (const auto& o : on) ring.push_back(o.second);
    }
    return ring;
}

// Distance of q from the line through p and r (from p when they coincide).
double OffLine(const Vec3& p, const Vec3& q, const Vec3& r) {
    const Vec3 d = Sub(r, p);
    const double l = Length(d);
    return l > 0 ? Length(Cross(Sub(q, p), d)) / l : Length(Sub(q, p));
}

// Drops repeated points and points on the line of their neighbours until none is left; each
// pass walks the ring once against the last point kept.
void DropCollinear(std::vector<Vec3>& ring) {
    bool changed = true;
    while (changed && ring.size() >= 3) {
        changed = false;
        std::vector<Vec3> kept;
        kept.reserve(ring.size());
        for (size_t i = 0; i < ring.size(); ++i) {
            const Vec3& prev = kept.empty() ? ring.back() : kept.back();
            const Vec3& next = ring[(i + 1) % ring.size()];
            if (OffLine(prev, ring[i], next) < kCollinearDistance) {
                changed = true;
                continue;
            }
            kept.push_back(ring[i]);
        }
        ring.swap(kept);
    }
}

// Signed area of a ring in the plane basis (u, v): positive when counter-clockwise.
double SignedArea2(const std::vector<Vec3>& ring, const Vec3& u, const Vec3& v) {
    double a = 0;
    for (size_t i = 0; i < ring.size(); ++i) {
        const Vec3& p = ring[i];
        const Vec3& q = ring[(i + 1) % ring.size()];
        a += Dot(p, u) * Dot(q, v) - Dot(q, u) * Dot(p, v);
    }
    return a / 2;
}

// A ring as a polygon in the plane basis (u, v).
Poly2 ToPoly(const std::vector<Vec3>& ring, const Vec3& u, const Vec3& v) {
    Poly2 poly;
    for (const Vec3& p : ring) poly.outer().push_back(Pt2(Dot(p, u), Dot(p, v)));
    bg::correct(poly);
    return poly;
}

// Traces the boundary edges of one face into closed loops: at a vertex where several boundary
// edges leave, the one nearest clockwise from the way back keeps to the same side of the face.
std::vector<std::vector<int>> TraceLoops(const std::vector<std::pair<int, int>>& edges, const std::vector<Vec3>& pts,
                                         const Vec3& u, const Vec3& v) {
    std::multimap<int, size_t> outgoing;
    for (size_t e = 0; e < edges.size(); ++e) outgoing.insert({edges[e].first, e});
    std::vector<bool> used(edges.size(), false);
    auto angleOf = [&](int a, int b) {
        const Vec3 d = Sub(pts[size_t(b)], pts[size_t(a)]);
        return std::atan2(Dot(d, v), Dot(d, u));
    };
    std::vector<std::vector<int>> loops;
    for (size_t start = 0; start < edges.size(); ++start) {
        if (used[start]) continue;
        std::vector<int> loop;
        size_t cur = start;
        bool closed = false;
        while (true) {
            used[cur] = true;
            loop.push_back(edges[cur].first);
            const int at = edges[cur].second;
            if (at == edges[start].first) {
                closed = true;
                break;
            }
            const double back = angleOf(at, edges[cur].first);
            size_t best = edges.size();
            double bestTurn = 1e9;
            auto range = outgoing.equal_range(at);
            for (auto it = range.first; it != range.second; ++it) {
                if (used[it->second]) continue;
                double turn = back - angleOf(at, edges[it->second].second);  // clockwise from the way back
                while (turn <= 0) turn += 2 * kPi;
                while (turn > 2 * kPi) turn -= 2 * kPi;
                if (turn < bestTurn) {
                    bestTurn = turn;
                    best = it->second;
                }
            }
            if (best == edges.size()) break;  // an open chain: the mesh is not closed here
            cur = best;
        }
        if (closed && loop.size() >= 3) loops.push_back(std::move(loop));
    }
    return loops;
}

// Projects p onto the plane n.x = offset.
Vec3 OntoPlane(const Vec3& p, const Vec3& n, double offset) { return Sub(p, Mul(n, Dot(n, p) - offset)); }

}  // namespace

double RingArea(const std::vector<Vec3>& ring) {
    Vec3 s;
    for (size_t i = 0; i < ring.size(); ++i) s = Add(s, Cross(ring[i], ring[(i + 1) % ring.size()]));
    return Length(s) / 2;
}

std::vector<MeshFace> ExtractFaces(const std::vector<double>& coords) {
    std::vector<double> kept;
    for (size_t t = 0; t + 9 <= coords.size(); t += 9) {
        bool usable = true;
        for (size_t k = t; k < t + 9; ++k) usable = usable && std::isfinite(coords[k]) && std::fabs(coords[k]) <= kMaxCoordinate;
        if (usable) kept.insert(kept.end(), coords.begin() + std::ptrdiff_t(t), coords.begin() + std::ptrdiff_t(t + 9));
    }
    const size_t triCount = kept.size() / 9;
    // A solid wound inside out (negative volume) is turned so that normals point out.
    double volume = 0;
    for (size_t t = 0; t < triCount; ++t) {
        const double* c = &kept[t * 9];
        volume += Dot(Vec3{c[0], c[1], c[2]}, Cross(Vec3{c[3], c[4], c[5]}, Vec3{c[6], c[7], c[8]})) / 6;
    }
    const bool turn = volume < 0;

    Welder welder;
    std::vector<Tri> tris;
    for (size_t t = 0; t < triCount; ++t) {
        const double* c = &kept[t * 9];
        Tri tri;
        for (int k = 0; k < 3; ++k) {
            const int kk = turn && k > 0 ? 3 - k : k;
            tri.v[k] = Weld(welder, Vec3{c[kk * 3], c[kk * 3 + 1], c[kk * 3 + 2]});
        }
        // a triangle collapsed by welding has no face
        if (tri.v[0] == tri.v[1] || tri.v[1] == tri.v[2] || tri.v[0] == tri.v[2]) continue;
        const Vec3 a = welder.points[size_t(tri.v[0])], b = welder.points[size_t(tri.v[1])],
                   cc = welder.points[size_t(tri.v[2])];
        const Vec3 cr = Cross(Sub(b, a), Sub(cc, a));
        tri.area = Length(cr) / 2;
        if (tri.area < kMinTriangleArea) continue;
        tri.normal = Unit(cr);
        tri.centroid = Mul(Add(Add(a, b), cc), 1.0 / 3);
        tri.offset = Dot(tri.normal, tri.centroid);
        tris.push_back(tri);
    }
    const std::vector<Vec3>& pts = welder.points;
    const AxisIndex index = SortByAxes(pts);
    for (Tri& t : tris) t.ring = SplitEdges(t, pts, index);

    // Join coplanar triangles that share an edge (T-junction points included).
    const double cosCoplanar = std::cos(kCoplanarAngleDeg * kPi / 180);
    std::map<std::pair<int, int>, std::vector<int>> byEdge;
    for (size_t t = 0; t < tris.size(); ++t) {
        const auto& r = tris[t].ring;
        for (size_t i = 0; i < r.size(); ++i) {
            const int a = r[i], b = r[(i + 1) % r.size()];
            byEdge[{std::min(a, b), std::max(a, b)}].push_back(int(t));
        }
    }
    // Faces grow from a seed triangle through shared edges, taking a neighbour only when it lies
    // in the seed's plane: a finely faceted curve does not drift into one face.
    std::vector<std::vector<int>> neighbours(tris.size());
    for (const auto& [edge, list] : byEdge)
        for (size_t i = 0; i < list.size(); ++i)
            for (size_t j = 0; j < list.size(); ++j)
                if (i != j) neighbours[size_t(list[i])].push_back(list[j]);
    std::vector<int> faceOf(tris.size(), -1);
    std::map<int, std::vector<int>> clusters;
    // the largest triangles seed first: their planes are the best known
    std::vector<size_t> seeds(tris.size());
    std::iota(seeds.begin(), seeds.end(), size_t(0));
    std::stable_sort(seeds.begin(), seeds.end(), [&](size_t x, size_t y) { return tris[x].area > tris[y].area; });
    for (size_t seed : seeds) {
        if (faceOf[seed] >= 0) continue;
        const Tri& s0 = tris[seed];
        std::vector<int> members = {int(seed)};
        faceOf[seed] = int(seed);
        for (size_t k = 0; k < members.size(); ++k)
            for (int nb : neighbours[size_t(members[k])]) {
                const Tri& b = tris[size_t(nb)];
                // not yet in a face, same facing as the seed, and its centre on the seed's plane
                if (faceOf[size_t(nb)] >= 0 || Dot(s0.normal, b.normal) < cosCoplanar) continue;
                if (std::fabs(Dot(s0.normal, b.centroid) - s0.offset) > kCoplanarDistance) continue;
                faceOf[size_t(nb)] = int(seed);
                members.push_back(nb);
            }
        clusters[int(seed)] = std::move(members);
    }

    std::vector<MeshFace> faces;
    for (const auto& [root, members] : clusters) {
        Vec3 n;
        double area = 0, offsetSum = 0;
        for (int t : members) {
            n = Add(n, Mul(tris[size_t(t)].normal, tris[size_t(t)].area));
            area += tris[size_t(t)].area;
        }
        n = Unit(n);
        for (int t : members) offsetSum += Dot(n, tris[size_t(t)].centroid) * tris[size_t(t)].area;
        const double offset = offsetSum / area;
        // Boundary: directed edges whose reverse is not in the face.
        std::map<std::pair<int, int>, int> count;
        for (int t : members) {
            const auto& r = tris[size_t(t)].ring;
            for (size_t i = 0; i < r.size(); ++i) count[{r[i], r[(i + 1) % r.size()]}]++;
        }
        std::vector<std::pair<int, int>> boundary;
        for (const auto& [e, c] : count) {
            auto rev = count.find({e.second, e.first});
            const int left = c - (rev == count.end() ? 0 : rev->second);
            for (int k = 0; k < left; ++k) boundary.push_back(e);
        }
        Vec3 u, v;
        PlaneBasis(n, u, v);
        std::vector<std::vector<Vec3>> outers, holes;
        for (const auto& loop : TraceLoops(boundary, pts, u, v)) {
            std::vector<Vec3> ring;
            for (int idx : loop) ring.push_back(OntoPlane(pts[size_t(idx)], n, offset));
            DropCollinear(ring);
            if (ring.size() < 3) continue;
            (SignedArea2(ring, u, v) > 0 ? outers : holes).push_back(std::move(ring));
        }
        std::sort(outers.begin(), outers.end(),
                  [](const auto& a, const auto& b) { return RingArea(a) > RingArea(b); });
        const size_t first = faces.size();
        for (auto& o : outers) {
            MeshFace f;
            f.normal = n;
            f.offset = offset;
            f.outer = std::move(o);
            faces.push_back(std::move(f));
        }
        // Each hole goes to the smallest outer ring around it.
        for (auto& h : holes) {
            size_t owner = faces.size();
            for (size_t i = faces.size(); i-- > first;)
                if (RingContains(faces[i].outer, n, h[0])) {
                    owner = i;
                    break;
                }
            if (owner < faces.size()) faces[owner].holes.push_back(std::move(h));
        }
        for (size_t i = first; i < faces.size(); ++i) {
            double a = RingArea(faces[i].outer);
            for (const auto& h : faces[i].holes) a -= RingArea(h);
            faces[i].area = faces.size() - first == 1 ? area : a;
        }
    }
    return faces;
}

std::vector<size_t> RoofTopFaces(const std::vector<MeshFace>& faces, std::vector<double>* gap) {
    const double cosAnti = std::cos(kAntiParallelAngleDeg * kPi / 180);
    std::vector<size_t> kept;
    if (gap) gap->clear();
    for (size_t i = 0; i < faces.size(); ++i) {
        if (faces[i].normal.z <= kRoofNormalMinZ) continue;
        double best = -1;
        for (size_t j = 0; j < faces.size(); ++j) {
            if (Dot(faces[i].normal, faces[j].normal) > -cosAnti) continue;
            // distance from the top plane down to the anti-parallel plane
            const double g = faces[i].offset + faces[j].offset;
            if (g < kSoffitMinGap || g > kSoffitMaxGap) continue;
            if (best < 0 || g < best) best = g;
        }
        if (best < 0) continue;
        kept.push_back(i);
        if (gap) gap->push_back(best);
    }
    return kept;
}

std::vector<Vec3> SectionHull(const std::vector<double>& coords, const Vec3& n, double offset) {
    Vec3 u, v;
    PlaneBasis(n, u, v);
    bg::model::multi_point<Pt2> cut;
    for (size_t t = 0; t + 9 <= coords.size(); t += 9) {
        for (int e = 0; e < 3; ++e) {
            const double* a = &coords[t + size_t(e) * 3];
            const double* b = &coords[t + size_t((e + 1) % 3) * 3];
            const Vec3 pa{a[0], a[1], a[2]}, pb{b[0], b[1], b[2]};
            const double da = Dot(n, pa) - offset, db = Dot(n, pb) - offset;
            Vec3 p;
            if (std::fabs(da) < kSectionOnPlane) p = pa;
            // the edge crosses the plane
            else if ((da < 0 && db > 0) || (da > 0 && db < 0)) p = Add(pa, Mul(Sub(pb, pa), da / (da - db)));
            else continue;
            cut.push_back(Pt2(Dot(p, u), Dot(p, v)));
        }
    }
    std::vector<Vec3> ring;
    if (cut.size() < 3) return ring;
    Poly2 hull;
    bg::convex_hull(cut, hull);
    bg::correct(hull);
    const Vec3 base = Mul(n, offset);
    for (const Pt2& q : hull.outer()) ring.push_back(Add(base, Add(Mul(u, q.x()), Mul(v, q.y()))));
    DropCollinear(ring);
    // a section too thin to be a ring
    if (ring.size() < 3 || SignedArea2(ring, u, v) <= 0) ring.clear();
    return ring;
}

bool RingContains(const std::vector<Vec3>& ring, const Vec3& n, const Vec3& p) {
    Vec3 u, v;
    PlaneBasis(n, u, v);
    return bg::within(Pt2(Dot(p, u), Dot(p, v)), ToPoly(ring, u, v));
}

}  // namespace ifcimport
