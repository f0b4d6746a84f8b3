// Purpose: the plane stage and the model building of the IFC import on meshes made in the test:
// welding, T-junctions, faces with holes, solids wound inside out, the soffit rule, sections of
// openings, GUIDs from GlobalIds, north angles, and openings the mesh did not cut.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "import/ifc/IfcImport.h"
#include "import/ifc/IfcPlanes.h"

namespace {

using ifcimport::MeshFace;
using ifcimport::Vec3;
using json = nlohmann::json;

constexpr double kPi = 3.14159265358979323846;

// Appends triangle (a, b, c) to a soup.
void Tri(std::vector<double>& soup, const Vec3& a, const Vec3& b, const Vec3& c) {
    for (const Vec3& p : {a, b, c}) soup.insert(soup.end(), {p.x, p.y, p.z});
}
// Appends a quad (counter-clockwise seen from outside) as two triangles.
void Quad(std::vector<double>& soup, const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d) {
    Tri(soup, a, b, c);
    Tri(soup, a, c, d);
}
// A box's twelve triangles, wound outwards.
std::vector<double> BoxSoup(const Vec3& lo, const Vec3& hi) {
    const Vec3 p[8] = {{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, {lo.x, hi.y, lo.z},
                       {lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}};
    std::vector<double> s;
    Quad(s, p[0], p[3], p[2], p[1]);  // bottom
    Quad(s, p[4], p[5], p[6], p[7]);  // top
    Quad(s, p[0], p[1], p[5], p[4]);
    Quad(s, p[1], p[2], p[6], p[5]);
    Quad(s, p[2], p[3], p[7], p[6]);
    Quad(s, p[3], p[0], p[4], p[7]);
    return s;
}
// A sloped slab: top face over [0, w] x [0, d] rising `rise` over d, `t` thick (vertically).
std::vector<double> SlabSoup(double w, double d, double rise, double t) {
    const Vec3 b0{0, 0, 0}, b1{w, 0, 0}, b2{w, d, rise}, b3{0, d, rise};
    const Vec3 t0{0, 0, t}, t1{w, 0, t}, t2{w, d, rise + t}, t3{0, d, rise + t};
    std::vector<double> s;
    Quad(s, b0, b3, b2, b1);
    Quad(s, t0, t1, t2, t3);
    Quad(s, b0, b1, t1, t0);
    Quad(s, b1, b2, t2, t1);
    Quad(s, b2, b3, t3, t2);
    Quad(s, b3, b0, t0, t3);
    return s;
}
// The face whose normal is nearest to n.
const MeshFace& FaceAlong(const std::vector<MeshFace>& faces, const Vec3& n) {
    size_t best = 0;
    for (size_t i = 0; i < faces.size(); ++i)
        if (faces[i].normal.x * n.x + faces[i].normal.y * n.y + faces[i].normal.z * n.z >
            faces[best].normal.x * n.x + faces[best].normal.y * n.y + faces[best].normal.z * n.z)
            best = i;
    return faces[best];
}

TEST(IfcPlaneStage, BoxGivesSixRectangularFacesWithOutwardNormalsEvenWhenWoundInsideOut) {
    std::vector<double> box = BoxSoup({0, 0, 0}, {2, 3, 4});
    for (bool inverted : {false, true}) {
        std::vector<double> soup = box;
        if (inverted)
            for (size_t t = 0; t < soup.size(); t += 9)
                for (int k = 0; k < 3; ++k) std::swap(soup[t + 3 + size_t(k)], soup[t + 6 + size_t(k)]);
        const auto faces = ifcimport::ExtractFaces(soup);
        ASSERT_EQ(faces.size(), 6u);
        double total = 0;
        for (const MeshFace& f : faces) {
            EXPECT_EQ(f.outer.size(), 4u);
            EXPECT_TRUE(f.holes.empty());
            total += f.area;
            // the normal points away from the box's centre
            Vec3 c{};
            for (const Vec3& p : f.outer) c = {c.x + p.x / 4, c.y + p.y / 4, c.z + p.z / 4};
            EXPECT_GT((c.x - 1) * f.normal.x + (c.y - 1.5) * f.normal.y + (c.z - 2) * f.normal.z, 0) << inverted;
        }
        EXPECT_NEAR(total, 2 * (6 + 8 + 12), 1e-9);
        EXPECT_NEAR(FaceAlong(faces, {0, 0, 1}).offset, 4, 1e-9);
    }
}

TEST(IfcPlaneStage, NearlyEqualVerticesWeldAndTJunctionsSplitSoOneFaceRemains) {
    // a 4 x 2 rectangle: the left half one triangle pair, the right half split at (2, 1), whose
    // vertex lies inside the left half's long edge (a T-junction), corners off by 0.1 mm
    std::vector<double> s;
    Quad(s, {0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0});
    Tri(s, {2.0001, 0, 0}, {4, 0, 0}, {2, 1, 0});
    Tri(s, {2, 1, 0}, {4, 0, 0}, {4, 2, 0});
    Tri(s, {2, 1, 0}, {4, 2, 0}, {2, 2.0001, 0});
    const auto faces = ifcimport::ExtractFaces(s);
    ASSERT_EQ(faces.size(), 1u);
    EXPECT_EQ(faces[0].outer.size(), 4u) << "T-junction point and collinear points are dropped";
    EXPECT_NEAR(faces[0].area, 8, 1e-3);
    EXPECT_NEAR(ifcimport::RingArea(faces[0].outer), 8, 1e-3);
}

TEST(IfcPlaneStage, FinelyFacetedCurveDoesNotDriftIntoOneFace) {
    // a quarter cylinder of radius 5 m in 180 facets, each turning 0.5 degrees (below the
    // coplanar angle), 10 m long
    std::vector<double> s;
    const int n = 180;
    for (int i = 0; i < n; ++i) {
        const double a0 = kPi / 2 * i / n, a1 = kPi / 2 * (i + 1) / n;
        Quad(s, {0, 5 * std::cos(a0), 5 * std::sin(a0)}, {10, 5 * std::cos(a0), 5 * std::sin(a0)},
             {10, 5 * std::cos(a1), 5 * std::sin(a1)}, {0, 5 * std::cos(a1), 5 * std::sin(a1)});
    }
    const auto faces = ifcimport::ExtractFaces(s);
    ASSERT_GT(faces.size(), 10u);
    double total = 0;
    for (const MeshFace& f : faces) {
        total += f.area;
        // no face bends by more than a few degrees: its area stays a small part of the whole
        EXPECT_LT(f.area, 10 * 5 * kPi / 2 / 10);
    }
    EXPECT_NEAR(total, 10 * 5 * 2 * n * std::sin(kPi / 4 / n), 1e-6);
}

TEST(IfcPlaneStage, FaceAroundAHoleTracesItsOuterRingAndTheHoleTheOtherWay) {
    // a 6 x 6 square with a 2 x 2 hole, as a frame of four quads
    std::vector<double> s;
    const Vec3 o[4] = {{0, 0, 1}, {6, 0, 1}, {6, 6, 1}, {0, 6, 1}};
    const Vec3 i[4] = {{2, 2, 1}, {4, 2, 1}, {4, 4, 1}, {2, 4, 1}};
    for (int k = 0; k < 4; ++k) Quad(s, o[k], o[(k + 1) % 4], i[(k + 1) % 4], i[k]);
    const auto faces = ifcimport::ExtractFaces(s);
    ASSERT_EQ(faces.size(), 1u);
    ASSERT_EQ(faces[0].holes.size(), 1u);
    EXPECT_NEAR(ifcimport::RingArea(faces[0].outer), 36, 1e-9);
    EXPECT_NEAR(ifcimport::RingArea(faces[0].holes[0]), 4, 1e-9);
    EXPECT_NEAR(faces[0].area, 32, 1e-9);
    // outer counter-clockwise and hole clockwise, seen from above
    auto signedArea = [](const std::vector<Vec3>& r) {
        double a = 0;
        for (size_t k = 0; k < r.size(); ++k) a += r[k].x * r[(k + 1) % r.size()].y - r[(k + 1) % r.size()].x * r[k].y;
        return a / 2;
    };
    EXPECT_GT(signedArea(faces[0].outer), 0);
    EXPECT_LT(signedArea(faces[0].holes[0]), 0);
}

TEST(IfcPlaneStage, SoffitRuleKeepsTheTopOfASlabAndNothingElse) {
    const double t = 0.3;
    const auto slab = ifcimport::ExtractFaces(SlabSoup(10, 4, 2, t));
    std::vector<double> gaps;
    const auto tops = ifcimport::RoofTopFaces(slab, &gaps);
    ASSERT_EQ(tops.size(), 1u);
    EXPECT_GT(slab[tops[0]].normal.z, 0.8);
    // vertical thickness t is t cos(pitch) across the slab
    EXPECT_NEAR(gaps[0], t * std::cos(std::atan(0.5)), 1e-9);
    // a lone sheet has no soffit; a block 2 m deep is no roof slab; a thin skin 0.5 mm neither
    std::vector<double> sheet;
    Quad(sheet, {0, 0, 0}, {1, 0, 0}, {1, 1, 0.5}, {0, 1, 0.5});
    EXPECT_TRUE(ifcimport::RoofTopFaces(ifcimport::ExtractFaces(sheet)).empty());
    EXPECT_TRUE(ifcimport::RoofTopFaces(ifcimport::ExtractFaces(BoxSoup({0, 0, 0}, {3, 3, 2}))).empty());
    EXPECT_TRUE(ifcimport::RoofTopFaces(ifcimport::ExtractFaces(BoxSoup({0, 0, 0}, {3, 3, 0.0005}))).empty());
    // a box's side faces are upright: only its top counts
    EXPECT_EQ(ifcimport::RoofTopFaces(ifcimport::ExtractFaces(BoxSoup({0, 0, 0}, {3, 3, 0.2}))).size(), 1u);
}

TEST(IfcPlaneStage, SectionOfAnOpeningWithASlopedPlaneIsItsCutRing) {
    const std::vector<double> box = BoxSoup({1, 1, -5}, {2, 3, 5});
    const double c = std::cos(kPi / 6), s = std::sin(kPi / 6);
    const Vec3 n{0, -s, c};  // a 30 degree plane through the origin
    const auto ring = ifcimport::SectionHull(box, n, 0);
    ASSERT_EQ(ring.size(), 4u);
    EXPECT_NEAR(ifcimport::RingArea(ring), 1 * 2 / c, 1e-9);
    for (const Vec3& p : ring) EXPECT_NEAR(n.x * p.x + n.y * p.y + n.z * p.z, 0, 1e-9);
    EXPECT_TRUE(ifcimport::SectionHull(box, {0, 0, 1}, 6).empty());
}

// Packs 16 bytes into an IFC GlobalId (the inverse of the expansion, written here for the test).
std::string Compress(const unsigned char bytes[16]) {
    static const char* alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
    std::string g;
    int bit = 0;
    for (int c = 0; c < 22; ++c) {
        const int bits = c == 0 ? 2 : 6;
        int v = 0;
        for (int b = 0; b < bits; ++b, ++bit) v = (v << 1) | ((bytes[bit / 8] >> (7 - bit % 8)) & 1);
        g += alphabet[v];
    }
    return g;
}

TEST(IfcGuids, GlobalIdExpandsToTheGuidOfItsBitsAndRefusesOthers) {
    EXPECT_EQ(ifcimport::GuidFromGlobalId("0000000000000000000000"), "{00000000-0000-0000-0000-000000000000}");
    EXPECT_EQ(ifcimport::GuidFromGlobalId("3$$$$$$$$$$$$$$$$$$$$$"), "{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}");
    EXPECT_EQ(ifcimport::GuidFromGlobalId("0000000000000000000001"), "{00000000-0000-0000-0000-000000000001}");
    EXPECT_EQ(ifcimport::GuidFromGlobalId("1000000000000000000000"), "{40000000-0000-0000-0000-000000000000}");
    std::mt19937 rng(7);
    for (int k = 0; k < 50; ++k) {
        unsigned char b[16];
        for (unsigned char& x : b) x = (unsigned char)(rng() & 0xFF);
        char want[40];
        std::snprintf(want, sizeof want, "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", b[0], b[1],
                      b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13], b[14], b[15]);
        EXPECT_EQ(ifcimport::GuidFromGlobalId(Compress(b)), want);
    }
    for (const char* bad : {"", "short", "4000000000000000000000", "000000000000000000000!", "00000000000000000000000"})
        EXPECT_EQ(ifcimport::GuidFromGlobalId(bad), "") << bad;
}

TEST(IfcNorth, TrueNorthDirectionGivesTheAngleFromTheYAxisCounterClockwise) {
    EXPECT_NEAR(ifcimport::NorthAngleDeg(0, 1), 0, 1e-12);
    EXPECT_NEAR(ifcimport::NorthAngleDeg(-1, 0), 90, 1e-12);
    EXPECT_NEAR(ifcimport::NorthAngleDeg(1, 0), -90, 1e-12);
    EXPECT_NEAR(ifcimport::NorthAngleDeg(0.766044443119, 0.642787609687), -50, 1e-6);
}

// A mesh-stage document holding one roof that contains a slab, and the given extra elements.
json MeshDoc(const json& extra) {
    std::vector<double> slab = SlabSoup(10, 4, 2, 0.25);
    json doc = {{"lengthUnit", 1.0},
                {"trueNorth", nullptr},
                {"storeys", json::array({{{"id", 5}, {"name", "Padlás"}, {"elevation", 0.0}}})},
                {"elements", json::array({{{"id", 10}, {"type", "IFCROOF"}, {"name", "Tető"}, {"guid", "0000000000000000000010"},
                                           {"storey", 5}, {"triangles", json::array()}},
                                          {{"id", 11}, {"type", "IFCSLAB"}, {"predefinedType", "ROOF"}, {"name", "Lemez"},
                                           {"parent", 10}, {"triangles", slab}}})}};
    for (const json& e : extra) doc["elements"].push_back(e);
    return doc;
}

TEST(IfcModelBuild, OpeningOnTheRoofThatTheMeshDidNotCutBecomesAHoleOnce) {
    const json opening = {{"id", 20}, {"type", "IFCOPENINGELEMENT"}, {"name", "Ablak"}, {"voids", 10},
                          {"triangles", BoxSoup({4, 1, -1}, {5, 2, 4})}};
    const json outside = {{"id", 21}, {"type", "IFCOPENINGELEMENT"}, {"name", "Mellé"}, {"voids", 11},
                          {"triangles", BoxSoup({40, 1, -1}, {41, 2, 4})}};
    json model;
    std::vector<std::string> report;
    std::string error;
    ASSERT_TRUE(ifcimport::BuildModelFromMeshes(MeshDoc({opening, outside}), "t.ifc", model, report, error)) << error;
    const json& roof = model.at("elements").at(0);
    EXPECT_EQ(roof.at("id"), "Tető");
    EXPECT_EQ(roof.at("guid"), "{00000000-0000-0000-0000-000000000040}");
    ASSERT_EQ(roof.at("planes").size(), 1u);
    ASSERT_EQ(roof.at("planes")[0].at("holes").size(), 1u);
    std::vector<Vec3> hole;
    for (const json& p : roof.at("planes")[0].at("holes")[0]) hole.push_back({p[0], p[1], p[2]});
    EXPECT_NEAR(ifcimport::RingArea(hole), std::hypot(4.0, 2.0) / 4, 1e-6);
    std::string all;
    for (const auto& l : report) all += l + "\n";
    EXPECT_NE(all.find("„Ablak” nyílás lyukként"), std::string::npos) << all;
    EXPECT_NE(all.find("„Mellé” nyílás: egyik tetősíkot sem metszi"), std::string::npos) << all;
    EXPECT_NE(all.find("1 lyuk"), std::string::npos) << all;
}

TEST(IfcModelBuild, PartsOfARoofThatCarryNoRoofSurfaceAreCountedAndAChimneyInsideItIsAWall) {
    json doc = MeshDoc({{{"id", 40}, {"type", "IFCBUILDINGELEMENTPROXY"}, {"name", "Szarufa"}, {"parent", 10},
                         {"triangles", SlabSoup(10, 4, 2, 0.5)}},
                        {{"id", 41}, {"type", "IFCBUILDINGELEMENTPROXY"}, {"name", "Szarufa"}, {"parent", 10},
                         {"triangles", SlabSoup(10, 4, 2, 0.5)}},
                        {{"id", 42}, {"type", "IFCBUILDINGELEMENTPROXY"}, {"name", "KÉMÉNY chimney"}, {"parent", 10},
                         {"triangles", BoxSoup({4, 2, 0}, {4.5, 2.5, 6})}}});
    json model;
    std::vector<std::string> report;
    std::string error;
    ASSERT_TRUE(ifcimport::BuildModelFromMeshes(doc, "t.ifc", model, report, error)) << error;
    std::string all;
    for (const auto& l : report) all += l + "\n";
    EXPECT_NE(all.find("Tető „Tető”: 2 db IFCBUILDINGELEMENTPROXY típusú része elhagyva"), std::string::npos) << all;
    ASSERT_EQ(model.at("elements").size(), 2u) << model.dump(1);
    EXPECT_EQ(model.at("elements")[0].at("planes").size(), 1u) << "the rafters' tops are no roof planes";
    const json& chimney = model.at("elements")[1];
    EXPECT_EQ(chimney.at("type"), "wall");
    EXPECT_EQ(chimney.at("id"), "KÉMÉNY chimney");
    EXPECT_NEAR(chimney.at("height").get<double>(), 6, 1e-9);
}

TEST(IfcModelBuild, SlabUnderItsRoofingCoveringIsALayerAndOnlyTheCoveringIsTiled) {
    // the covering: 5 cm thick, lying right on the slab's top (0.25 m thick, vertically)
    std::vector<double> covering = SlabSoup(10, 4, 2, 0.05);
    for (size_t i = 2; i < covering.size(); i += 3) covering[i] += 0.25;
    json doc = MeshDoc({{{"id", 50}, {"type", "IFCCOVERING"}, {"predefinedType", "ROOFING"}, {"name", "Cserépfedés"},
                         {"parent", 10}, {"triangles", covering}}});
    json model;
    std::vector<std::string> report;
    std::string error;
    ASSERT_TRUE(ifcimport::BuildModelFromMeshes(doc, "t.ifc", model, report, error)) << error;
    const json& roof = model.at("elements").at(0);
    ASSERT_EQ(roof.at("planes").size(), 1u) << roof.dump(1);
    // the kept plane is the covering's top, 0.3 m (vertically) above the slab's soffit
    double zMin = 1e9;
    for (const json& p : roof.at("planes")[0].at("outer")) zMin = std::min(zMin, p[2].get<double>());
    EXPECT_NEAR(zMin, 0.3, 1e-6);
    std::string all;
    for (const auto& l : report) all += l + "\n";
    EXPECT_NE(all.find("„Lemez” egyik síkja, mert „Cserépfedés” síkja fedi"), std::string::npos) << all;
}

TEST(IfcModelBuild, StoreysBelowGroundGetNegativeIndicesAndWallsFindTheirStorey) {
    json doc = MeshDoc({{{"id", 30}, {"type", "IFCWALL"}, {"name", "Pincefal"}, {"triangles", BoxSoup({0, 0, -2.5}, {5, 0.3, 0})}},
                        {{"id", 31}, {"type", "IFCWALL"}, {"name", ""}, {"triangles", BoxSoup({0, 0, 3}, {5, 0.3, 5.5})}}});
    doc["storeys"] = json::array({{{"id", 6}, {"name", "Emelet"}, {"elevation", 3.0}},
                                  {{"id", 7}, {"name", "Pince"}, {"elevation", -2.5}},
                                  {{"id", 5}, {"name", "Földszint"}, {"elevation", 0.0}}});
    json model;
    std::vector<std::string> report;
    std::string error;
    ASSERT_TRUE(ifcimport::BuildModelFromMeshes(doc, "t.ifc", model, report, error)) << error;
    const json& stories = model.at("stories");
    ASSERT_EQ(stories.size(), 3u);
    EXPECT_EQ(stories[0].at("index"), -1);
    EXPECT_EQ(stories[0].at("name"), "Pince");
    EXPECT_EQ(stories[1].at("index"), 0);
    EXPECT_EQ(stories[2].at("index"), 1);
    for (const json& e : model.at("elements")) {
        if (e.at("type") != "wall") continue;
        if (e.at("id") == "Pincefal") {
            EXPECT_EQ(e.at("story"), -1);
        } else {
            EXPECT_EQ(e.at("id"), "WALL-001") << "a wall without a name gets a numbered ID";
            EXPECT_EQ(e.at("story"), 1);
        }
        EXPECT_NEAR(e.at("bottomOffset").get<double>(), 0, 1e-9);
        EXPECT_NEAR(e.at("height").get<double>(), 2.5, 1e-9);
    }
}

TEST(IfcModelBuild, MalformedDocumentsAndWildCoordinatesAreRefusedOrSkippedWithoutHarm) {
    std::vector<std::string> report;
    std::string error;
    json model;
    for (const json& bad : {json::array(), json({{"elements", 3}}), json({{"elements", json::object()}})}) {
        EXPECT_FALSE(ifcimport::BuildModelFromMeshes(bad, "x.ifc", model, report, error)) << bad.dump();
        EXPECT_NE(error.find("x.ifc"), std::string::npos);
    }
    // elements of the wrong shape, storeys that are no list, and a triangle far out beside a good slab
    std::vector<double> slab = SlabSoup(10, 4, 2, 0.25);
    slab.insert(slab.end(), {1e300, 0, 0, 0, 1e300, 0, 0, 0, 1});
    json doc = {{"storeys", "none"},
                {"elements", json::array({1, "two", json::array({3}),
                                          {{"id", 1}, {"type", "IFCSLAB"}, {"predefinedType", "ROOF"}, {"parent", 1},
                                           {"triangles", slab}}})}};
    ASSERT_TRUE(ifcimport::BuildModelFromMeshes(doc, "x.ifc", model, report, error)) << error;
    EXPECT_EQ(model.at("elements").at(0).at("planes").size(), 1u);
    // random soups give faces without crashing, and the soffit rule keeps only upward faces
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> coord(-3, 3);
    for (int round = 0; round < 20; ++round) {
        std::vector<double> soup;
        for (int k = 0; k < 9 * 40; ++k) soup.push_back(std::round(coord(rng) * 4) / 4);
        const auto faces = ifcimport::ExtractFaces(soup);
        for (size_t i : ifcimport::RoofTopFaces(faces)) EXPECT_GT(faces[i].normal.z, ifcimport::kRoofNormalMinZ);
    }
}

TEST(IfcModelBuild, DocumentWithoutRoofsOrWithoutRoofSurfacesIsRefused) {
    json model = {{"keep", 1}};
    std::vector<std::string> report;
    std::string error;
    json walls = {{"elements", json::array({{{"id", 1}, {"type", "IFCWALL"}, {"triangles", BoxSoup({0, 0, 0}, {1, 1, 1})}}})}};
    EXPECT_FALSE(ifcimport::BuildModelFromMeshes(walls, "w.ifc", model, report, error));
    EXPECT_NE(error.find("w.ifc: nincs benne tető"), std::string::npos) << error;
    json sheets = {{"elements", json::array({{{"id", 1}, {"type", "IFCSLAB"}, {"predefinedType", "ROOF"},
                                              {"triangles", BoxSoup({0, 0, 0}, {4, 4, 3})}}})}};
    EXPECT_FALSE(ifcimport::BuildModelFromMeshes(sheets, "s.ifc", model, report, error));
    EXPECT_NE(error.find("s.ifc: a tetőelemekből egyetlen tetősík sem maradt"), std::string::npos) << error;
    EXPECT_EQ(model, json({{"keep", 1}}));
}

}  // namespace
