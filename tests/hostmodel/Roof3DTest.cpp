// Purpose: tests of a roof's 3D body as the add-on reads it (contours, signed edges, normals,
// per-face materials from structure, overrides and the chained flag) and of the attributes.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "host/Attributes.h"
#include "host/MemoryHandles.h"
#include "host/ModelFile.h"
#include "host/Roof3D.h"

namespace {

using host::Model;

// One polygon of a body as the add-on would see it.
struct ReadPolygon {
    std::vector<std::vector<API_Coord3D>> contours;  // each contour's edge start points, in order
    bool chains = true;                              // every edge starts where the one before ended
    API_Coord3D normal;                              // the vector, negated for a negative index
    bool negatedVector = false;
    std::string material;
};

struct ReadBody {
    GSErrCode error = NoError;
    std::vector<ReadPolygon> polygons;
};

API_Coord3D Vert(const Model& m, int32_t body, int32_t index) {
    API_Component3D c;
    c.header.typeID = API_VertID;
    c.header.index = index;
    c.bodyIndex = body;
    EXPECT_EQ(host::GetComponent3D(m, &c), NoError);
    return {c.vert.x, c.vert.y, c.vert.z};
}

// Reads every polygon of a body through the component calls.
ReadBody Read(const Model& m, int32_t body) {
    ReadBody out;
    API_Component3D b;
    b.header.typeID = API_BodyID;
    b.header.index = body;
    out.error = host::GetComponent3D(m, &b);
    if (out.error != NoError) return out;
    for (int32_t p = 1; p <= b.body.nPgon; ++p) {
        API_Component3D pg;
        pg.header.typeID = API_PgonID;
        pg.header.index = p;
        pg.bodyIndex = body;
        EXPECT_EQ(host::GetComponent3D(m, &pg), NoError);
        ReadPolygon rp;
        rp.contours.emplace_back();
        bool haveLast = false;
        API_Coord3D last;
        for (int32_t e = pg.pgon.fpedg; e <= pg.pgon.lpedg; ++e) {
            API_Component3D pe;
            pe.header.typeID = API_PedgID;
            pe.header.index = e;
            pe.bodyIndex = body;
            EXPECT_EQ(host::GetComponent3D(m, &pe), NoError);
            if (pe.pedg.pedg == 0) {
                rp.contours.emplace_back();
                haveLast = false;
                continue;
            }
            API_Component3D ed;
            ed.header.typeID = API_EdgeID;
            ed.header.index = std::abs(pe.pedg.pedg);
            ed.bodyIndex = body;
            EXPECT_EQ(host::GetComponent3D(m, &ed), NoError);
            API_Coord3D s = Vert(m, body, ed.edge.vert1), t = Vert(m, body, ed.edge.vert2);
            if (pe.pedg.pedg < 0) std::swap(s, t);
            if (haveLast && (s.x != last.x || s.y != last.y || s.z != last.z)) rp.chains = false;
            rp.contours.back().push_back(s);
            last = t;
            haveLast = true;
        }
        API_Component3D v;
        v.header.typeID = API_VectID;
        v.header.index = std::abs(pg.pgon.ivect);
        v.bodyIndex = body;
        EXPECT_EQ(host::GetComponent3D(m, &v), NoError);
        const double sign = pg.pgon.ivect < 0 ? -1 : 1;
        rp.normal = {sign * v.vect.x, sign * v.vect.y, sign * v.vect.z};
        rp.negatedVector = pg.pgon.ivect < 0;
        API_Component3D u;
        u.header.typeID = API_UmatID;
        u.header.index = pg.pgon.iumat;
        u.bodyIndex = body;
        EXPECT_EQ(host::GetComponent3D(m, &u), NoError);
        rp.material = u.umat.name;
        out.polygons.push_back(rp);
    }
    return out;
}

host::Element& Roof(Model& m, const std::string& id) {
    for (host::Element& e : m.elements)
        if (e.elementId == id) return e;
    throw std::runtime_error("no roof " + id);
}

// The roof's one live body.
int32_t BodyOf(const Model& m, const host::Element& roof) {
    API_ElemInfo3D info;
    EXPECT_EQ(host::Get3DInfo(m, &roof.rec.header, &info), NoError);
    return info.lbody;
}

// Materials of the body's faces, counted by name.
std::map<std::string, int> MaterialCounts(const ReadBody& body) {
    std::map<std::string, int> counts;
    for (const ReadPolygon& p : body.polygons) ++counts[p.material];
    return counts;
}

// Marks the six override fields in a change mask.
void MaskAllOverrides(API_Element& mask) {
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.overrideTopMaterial);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.overrideSideMaterial);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.overrideBotMaterial);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.topMat);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.sideMat);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.botMat);
}

Model LoadModel(const std::string& text) {
    Model m;
    std::string error;
    EXPECT_TRUE(host::LoadModelText(text, "test.json", m, error)) << error;
    return m;
}

// Materials 1..5 with distinct names; building material 1 has surface 1, 2 has 2, 3 has 3;
// composite 1 has skins 2 (top) and 3 (bottom). Roof R: one sloped 10 x 5 plane with a hole.
const char* kMaterialsModel = R"({
  "materials": [{"index": 1, "name": "m1"}, {"index": 2, "name": "m2"}, {"index": 3, "name": "m3"},
                {"index": 4, "name": "m4"}, {"index": 5, "name": "m5"}],
  "buildingMaterials": [{"index": 1, "name": "b1", "surfaceMaterial": 1}, {"index": 2, "name": "b2", "surfaceMaterial": 2},
                        {"index": 3, "name": "b3", "surfaceMaterial": 3}],
  "composites": [{"index": 1, "name": "c1", "skins": [2, 3]}],
  "elements": [{"type": "roof", "id": "R", "thickness": 0.2, "buildingMaterial": 1,
    "planes": [{"outer": [[0,0,3],[10,0,3],[10,5,8],[0,5,8]], "holes": [[[4,1,4],[6,1,4],[6,2,5],[4,2,5]]]}]},
    {"type": "roof", "id": "G", "shape": "gable", "footprint": [[0,20],[12,20],[12,28],[0,28]], "pitch": 30, "eaveLevel": 3}]
})";

TEST(Roof3DBody, TopPolygonHasOuterContourThenHoleAndChains) {
    Model m = LoadModel(kMaterialsModel);
    const host::Element& r = Roof(m, "R");
    const ReadBody body = Read(m, BodyOf(m, r));
    ASSERT_EQ(body.error, NoError);
    // 1 top, 1 bottom, 4 + 4 side faces (outline and hole), one strip each.
    EXPECT_EQ(body.polygons.size(), 10u);
    const ReadPolygon& top = body.polygons[0];
    ASSERT_EQ(top.contours.size(), 2u);
    EXPECT_EQ(top.contours[0].size(), 4u);
    EXPECT_EQ(top.contours[1].size(), 4u);
    EXPECT_TRUE(top.chains);
    // The top normal points up and is perpendicular to the slope (rise 5 over 5).
    EXPECT_GT(top.normal.z, 0);
    EXPECT_NEAR(top.normal.y / top.normal.z, -1.0, 1e-12);
    EXPECT_NEAR(top.normal.x * top.normal.x + top.normal.y * top.normal.y + top.normal.z * top.normal.z, 1.0, 1e-12);
    for (const ReadPolygon& p : body.polygons) {
        EXPECT_TRUE(p.chains);
        // every face normal is perpendicular to the face's edges
        for (const auto& contour : p.contours)
            for (size_t i = 0; i < contour.size(); ++i) {
                const API_Coord3D& a = contour[i];
                const API_Coord3D& b = contour[(i + 1) % contour.size()];
                EXPECT_NEAR((b.x - a.x) * p.normal.x + (b.y - a.y) * p.normal.y + (b.z - a.z) * p.normal.z, 0.0, 1e-9);
            }
    }
    // The bottom face lies one thickness lower and faces down; its vector is given negated.
    const ReadPolygon& bottom = body.polygons[1];
    ASSERT_EQ(bottom.contours.size(), 2u);
    EXPECT_LT(bottom.normal.z, 0);
    EXPECT_TRUE(bottom.negatedVector);
    for (const API_Coord3D& q : bottom.contours[0]) {
        bool above = false;
        for (const API_Coord3D& t : top.contours[0])
            above = above || (t.x == q.x && t.y == q.y && std::fabs(t.z - 0.2 - q.z) < 1e-12);
        EXPECT_TRUE(above);
    }
}

TEST(Roof3DBody, PlanesOfOneRoofShareTheirCommonEdgeWithoutSideFaces) {
    Model m = LoadModel(kMaterialsModel);
    const ReadBody body = Read(m, BodyOf(m, Roof(m, "G")));
    ASSERT_EQ(body.error, NoError);
    // 2 tops, 2 bottoms, 6 outline sides (the ridge is inside the body).
    EXPECT_EQ(body.polygons.size(), 10u);
    // One of the two top polygons hands its normal as a negated vector.
    EXPECT_NE(body.polygons[0].negatedVector, body.polygons[1].negatedVector);
    EXPECT_GT(body.polygons[0].normal.z, 0);
    EXPECT_GT(body.polygons[1].normal.z, 0);
}

TEST(Roof3DMaterials, BasicStructureUsesTheBuildingMaterialsSurfaceThenOverrides) {
    Model m = LoadModel(kMaterialsModel);
    host::Element& r = Roof(m, "R");
    const int32_t body = BodyOf(m, r);
    EXPECT_EQ(MaterialCounts(Read(m, body)), (std::map<std::string, int>{{"m1", 10}}));

    // Overrides changed in the element show at once in the 3D model.
    r.rec.roof.overrideTopMaterial = true;
    r.rec.roof.topMat = 4;
    const ReadBody withTop = Read(m, body);
    EXPECT_EQ(withTop.polygons[0].material, "m4");
    EXPECT_EQ(MaterialCounts(withTop), (std::map<std::string, int>{{"m1", 9}, {"m4", 1}}));

    r.rec.roof.overrideSideMaterial = true;
    r.rec.roof.sideMat = 5;
    r.rec.roof.overrideBotMaterial = true;
    r.rec.roof.botMat = 2;
    const ReadBody all = Read(m, body);
    EXPECT_EQ(all.polygons[0].material, "m4");
    EXPECT_EQ(all.polygons[1].material, "m2");
    EXPECT_EQ(MaterialCounts(all), (std::map<std::string, int>{{"m2", 1}, {"m4", 1}, {"m5", 8}}));
}

TEST(Roof3DMaterials, ChainedRoofShowsItsStoredOverrides) {
    Model m = LoadModel(kMaterialsModel);
    host::Element& r = Roof(m, "R");
    r.rec.roof.overrideTopMaterial = r.rec.roof.overrideSideMaterial = r.rec.roof.overrideBotMaterial = true;
    r.rec.roof.topMat = 3;
    r.rec.roof.sideMat = 4;
    r.rec.roof.botMat = 5;
    r.rec.roof.materialsChained = true;
    EXPECT_EQ(MaterialCounts(Read(m, BodyOf(m, r))), (std::map<std::string, int>{{"m3", 1}, {"m4", 8}, {"m5", 1}}));
}

TEST(RoofChain, ChangingAChainedOverrideChangesAllThree) {
    API_RoofType roof;
    roof.materialsChained = true;
    roof.overrideTopMaterial = true;
    roof.topMat = 7;
    API_Element mask;
    ACAPI_ELEMENT_MASK_CLEAR(mask);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.topMat);
    host::ChainRoofMaterials(roof, mask.roof);
    EXPECT_TRUE(roof.overrideSideMaterial);
    EXPECT_TRUE(roof.overrideBotMaterial);
    EXPECT_EQ(roof.sideMat, 7);
    EXPECT_EQ(roof.botMat, 7);

    // The side changed alone: the side's setting spreads.
    roof.sideMat = 2;
    roof.overrideSideMaterial = false;
    ACAPI_ELEMENT_MASK_CLEAR(mask);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.sideMat);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.overrideSideMaterial);
    host::ChainRoofMaterials(roof, mask.roof);
    EXPECT_EQ(roof.topMat, 2);
    EXPECT_EQ(roof.botMat, 2);
    EXPECT_FALSE(roof.overrideTopMaterial);
}

TEST(RoofChain, UnchainedRoofsAndChangesOfOtherFieldsKeepTheSurfacesApart) {
    API_RoofType roof;
    roof.overrideTopMaterial = roof.overrideSideMaterial = roof.overrideBotMaterial = true;
    roof.topMat = 1;
    roof.sideMat = 2;
    roof.botMat = 3;
    API_Element mask;
    ACAPI_ELEMENT_MASK_CLEAR(mask);
    MaskAllOverrides(mask);
    host::ChainRoofMaterials(roof, mask.roof);  // not chained: nothing spreads
    EXPECT_EQ(roof.sideMat, 2);
    EXPECT_EQ(roof.botMat, 3);
    roof.materialsChained = true;
    ACAPI_ELEMENT_MASK_CLEAR(mask);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.materialsChained);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.thickness);
    host::ChainRoofMaterials(roof, mask.roof);  // chaining alone changes no surface
    EXPECT_EQ(roof.topMat, 1);
    EXPECT_EQ(roof.sideMat, 2);
    EXPECT_EQ(roof.botMat, 3);
}

TEST(Roof3DMaterials, CompositeStructureTakesTopAndBottomFromTheOuterSkinsAndSidesPerSkin) {
    Model m = LoadModel(kMaterialsModel);
    host::Element& r = Roof(m, "R");
    r.rec.roof.modelElemStructureType = API_CompositeStructure;
    r.rec.roof.composite = 1;
    const ReadBody body = Read(m, BodyOf(m, r));
    // 1 top (skin 1: b2 -> m2), 1 bottom (skin 2: b3 -> m3), 8 sides x 2 strips.
    ASSERT_EQ(body.polygons.size(), 18u);
    EXPECT_EQ(body.polygons[0].material, "m2");
    EXPECT_EQ(body.polygons[1].material, "m3");
    EXPECT_EQ(MaterialCounts(body), (std::map<std::string, int>{{"m2", 9}, {"m3", 9}}));
}

TEST(Roof3DHooks, DeletedAndStaleBodiesAnswerDeleted) {
    Model m = LoadModel(kMaterialsModel);
    host::Element& r = Roof(m, "R");
    r.roof3DStaleBodies = 2;
    API_ElemInfo3D info;
    ASSERT_EQ(host::Get3DInfo(m, &r.rec.header, &info), NoError);
    EXPECT_EQ(info.lbody - info.fbody, 2);
    EXPECT_EQ(Read(m, info.fbody).error, APIERR_DELETED);
    EXPECT_EQ(Read(m, info.fbody + 1).error, APIERR_DELETED);
    EXPECT_EQ(Read(m, info.lbody).error, NoError);
    r.roof3DDeleted = true;
    EXPECT_EQ(Read(m, info.lbody).error, APIERR_DELETED);
    // Bodies of other roofs are not in this roof's range.
    ASSERT_EQ(host::Get3DInfo(m, &Roof(m, "G").rec.header, &info), NoError);
    EXPECT_EQ(Read(m, info.fbody).error, NoError);
}

TEST(Roof3DHooks, UnknownElementsAndIndicesAreRefused) {
    Model m = LoadModel(kMaterialsModel);
    API_Elem_Head head;
    API_ElemInfo3D info;
    EXPECT_EQ(host::Get3DInfo(m, &head, &info), APIERR_BADID);
    API_Component3D c;
    c.header.typeID = API_BodyID;
    c.header.index = 1;
    EXPECT_EQ(host::GetComponent3D(m, &c), APIERR_BADINDEX);
    c.header.typeID = API_PgonID;
    c.header.index = 999;
    c.bodyIndex = BodyOf(m, Roof(m, "R"));
    EXPECT_EQ(host::GetComponent3D(m, &c), APIERR_BADINDEX);
}

TEST(Attributes, ReadByKindAndIndexWithGapsCounted) {
    Model m = LoadModel(R"({"materials": [{"index": 1, "name": "a"}, {"index": 5, "name": "e"}],
        "buildingMaterials": [{"index": 2, "name": "bm", "surfaceMaterial": 5}],
        "composites": [{"index": 3, "name": "cc", "skins": [2, 2, 2]}],
        "layers": [{"index": 1, "name": "L"}]})");
    API_Attribute a;
    a.typeID = API_MaterialID;
    a.index = 5;
    ASSERT_EQ(host::AttributeGet(m, &a), NoError);
    EXPECT_STREQ(a.name, "e");
    a.index = 3;
    EXPECT_EQ(host::AttributeGet(m, &a), APIERR_BADINDEX);
    int32_t n = 0;
    ASSERT_EQ(host::AttributeGetNum(m, API_MaterialID, &n), NoError);
    EXPECT_EQ(n, 5);  // the highest index: callers skip the gaps
    a = API_Attribute{};
    a.typeID = API_BuildingMaterialID;
    a.index = 2;
    ASSERT_EQ(host::AttributeGet(m, &a), NoError);
    EXPECT_EQ(a.surfaceMaterial, 5);
    a = API_Attribute{};
    a.typeID = API_CompWallID;
    a.index = 3;
    ASSERT_EQ(host::AttributeGet(m, &a), NoError);
    EXPECT_EQ(a.nSkins, 3);
    a = API_Attribute{};
    a.typeID = API_LayerID;
    a.index = 1;
    ASSERT_EQ(host::AttributeGet(m, &a), NoError);
    EXPECT_STREQ(a.name, "L");
}

TEST(Attributes, CompositeSkinListIsAHostHandleReleasedByDispose) {
    Model m = LoadModel(R"({"composites": [{"index": 3, "name": "cc", "skins": [1, 3, 2]}]})");
    const size_t liveBefore = host::LiveHandleCount();
    API_AttributeDef def;
    ASSERT_EQ(host::AttributeGetDef(m, API_CompWallID, 3, &def), NoError);
    ASSERT_NE(def.cwall_compItems, nullptr);
    EXPECT_EQ(host::LiveHandleCount(), liveBefore + 1);
    EXPECT_EQ((*def.cwall_compItems)[0].buildingMaterial, 1);
    EXPECT_EQ((*def.cwall_compItems)[1].buildingMaterial, 3);
    EXPECT_EQ((*def.cwall_compItems)[2].buildingMaterial, 2);
    EXPECT_EQ(host::DisposeAttrDefs(&def), NoError);
    EXPECT_EQ(def.cwall_compItems, nullptr);
    EXPECT_EQ(host::LiveHandleCount(), liveBefore);
    EXPECT_EQ(host::AttributeGetDef(m, API_CompWallID, 4, &def), APIERR_BADINDEX);
}

}  // namespace
