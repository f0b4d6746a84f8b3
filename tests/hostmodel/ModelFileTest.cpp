// Purpose: tests of model files: defaults of a hand-written file, saving and loading back, and
// bad files that must fail with a message naming the place and leave the model alone.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "host/ModelFile.h"

namespace {

using host::Model;

// Loads a model text or fails the test with the loader's message.
Model Load(const std::string& text) {
    Model m;
    std::string error;
    EXPECT_TRUE(host::LoadModelText(text, "test.json", m, error)) << error;
    return m;
}

// The loader's message for a bad text (empty when it loaded).
std::string LoadError(const std::string& text) {
    Model m;
    std::string error;
    if (host::LoadModelText(text, "bad.json", m, error)) return "";
    return error;
}

const host::Element* Find(const Model& m, const std::string& id) {
    for (const host::Element& e : m.elements)
        if (e.elementId == id) return &e;
    return nullptr;
}

// The example of the model-file documentation: what a person writes by hand.
const char* kHandWritten = R"({
  "stories": [{"index": 0, "level": 0.0}],
  "elements": [
    {"type": "roof", "id": "R1", "thickness": 0.3,
     "planes": [ {"outer": [[0,0,3],[10,0,3],[10,4,5],[0,4,5]], "holes": []},
                 {"outer": [[0,8,3],[0,4,5],[10,4,5],[10,8,3]]} ]},
    {"type": "roof", "id": "R2", "shape": "hip", "footprint": [[0,0],[12,0],[12,8],[0,8]],
     "pitch": 35, "eaveLevel": 3.0},
    {"type": "wall", "id": "W1", "footprint": [[2,2],[2.6,2],[2.6,2.6],[2,2.6],[2,2]],
     "bottomOffset": 0.0, "height": 8.0, "story": 0},
    {"type": "fill", "id": "F1", "polygon": [[0,0],[5,0],[5,0.1],[0,0.1],[0,0]]}
  ],
  "selection": ["R1", "R2", "W1"]
})";

TEST(ModelFileDefaults, HandWrittenFileGetsStoriesAttributesLayersAndElements) {
    const Model m = Load(kHandWritten);
    ASSERT_EQ(m.stories.size(), 1u);
    EXPECT_EQ(m.currentStory, 0);
    EXPECT_GE(m.materials.size(), 3u);
    EXPECT_GE(m.buildingMaterials.size(), 1u);
    ASSERT_GE(m.layers.size(), 1u);
    EXPECT_EQ(m.layers[0].index, 1);
    ASSERT_EQ(m.elements.size(), 4u);

    const host::Element* r1 = Find(m, "R1");
    ASSERT_NE(r1, nullptr);
    EXPECT_EQ(r1->rec.header.typeID, API_RoofID);
    EXPECT_EQ(r1->rec.header.layer, 1);
    EXPECT_DOUBLE_EQ(r1->rec.roof.thickness, 0.3);
    EXPECT_EQ(r1->rec.roof.modelElemStructureType, API_BasicStructure);
    EXPECT_FALSE(r1->rec.roof.overrideTopMaterial);
    EXPECT_EQ(r1->roofPlanes.size(), 2u);
    EXPECT_EQ(r1->roofPlanes[0].outer.size(), 4u);  // rings stay open

    const host::Element* r2 = Find(m, "R2");
    ASSERT_NE(r2, nullptr);
    EXPECT_EQ(r2->roofPlanes.size(), 4u);  // a hip on a rectangle

    // Wall and fill polygons are held closed, whether the file closed them or not.
    const host::Element* w1 = Find(m, "W1");
    ASSERT_NE(w1, nullptr);
    EXPECT_EQ(w1->polygon.size(), 5u);
    EXPECT_DOUBLE_EQ(w1->rec.wall.height, 8.0);
    EXPECT_EQ(w1->rec.wall.polyArcCount, 0);
    const host::Element* f1 = Find(m, "F1");
    ASSERT_NE(f1, nullptr);
    EXPECT_EQ(f1->rec.header.typeID, API_HatchID);
    EXPECT_EQ(f1->polygon.size(), 5u);

    // Selection in file order, by GUID.
    ASSERT_EQ(m.selection.size(), 3u);
    EXPECT_EQ(m.selection[0], r1->rec.header.guid);
    EXPECT_EQ(m.selection[2], w1->rec.header.guid);

    // Every element has its own non-null GUID.
    for (size_t i = 0; i < m.elements.size(); ++i) {
        EXPECT_FALSE(IsNullGuid(m.elements[i].rec.header.guid));
        for (size_t k = 0; k < i; ++k) EXPECT_NE(m.elements[i].rec.header.guid, m.elements[k].rec.header.guid);
    }
}

TEST(ModelFileDefaults, MissingElementIdsAreNumberedPerTypeAroundGivenOnes) {
    const Model m = Load(R"({"elements": [
        {"type": "fill", "polygon": [[0,0],[1,0],[1,1]]},
        {"type": "fill", "id": "FILL-002", "polygon": [[0,0],[1,0],[1,1]]},
        {"type": "fill", "polygon": [[0,0],[1,0],[1,1]]},
        {"type": "roof", "planes": [{"outer": [[0,0,0],[1,0,0],[1,1,0]]}]}]})");
    ASSERT_EQ(m.elements.size(), 4u);
    EXPECT_EQ(m.elements[0].elementId, "FILL-001");
    EXPECT_EQ(m.elements[1].elementId, "FILL-002");
    EXPECT_EQ(m.elements[2].elementId, "FILL-003");
    EXPECT_EQ(m.elements[3].elementId, "ROOF-001");
    EXPECT_EQ(m.elements[0].polygon.size(), 4u);  // an open triangle is closed by the host
}

TEST(ModelFileDefaults, EmptyObjectIsAnEmptyProjectWithOneStoryAtLevelZero) {
    const Model m = Load("{}");
    ASSERT_EQ(m.stories.size(), 1u);
    EXPECT_EQ(m.stories[0].index, 0);
    EXPECT_DOUBLE_EQ(m.stories[0].level, 0.0);
    EXPECT_TRUE(m.elements.empty());
    EXPECT_TRUE(m.selection.empty());
    // Default material names are distinct: the roof extraction tells surfaces apart by name.
    for (size_t i = 0; i < m.materials.size(); ++i)
        for (size_t k = 0; k < i; ++k) EXPECT_NE(m.materials[i].name, m.materials[k].name);
    // Every default building material points at an existing surface material.
    for (const host::BuildingMaterial& b : m.buildingMaterials) {
        bool found = false;
        for (const host::Material& mat : m.materials) found = found || mat.index == b.surfaceMaterial;
        EXPECT_TRUE(found) << b.name;
    }
}

// A model that uses every kind of data the file holds.
const char* kFullModel = R"({
  "stories": [{"index": -1, "level": -2.8, "name": "Pince"}, {"index": 0, "level": 0.0}, {"index": 1, "level": 3.1}],
  "currentStory": 1,
  "materials": [{"index": 1, "name": "Egy"}, {"index": 2, "name": "Kettő"}, {"index": 4, "name": "Négy"}],
  "buildingMaterials": [{"index": 1, "name": "BM", "surfaceMaterial": 2}, {"index": 3, "name": "BM3", "surfaceMaterial": 4}],
  "composites": [{"index": 2, "name": "Réteg", "skins": [1, 3]}],
  "layers": [{"index": 1, "name": "L1"}, {"index": 7, "name": "Tető"}],
  "elements": [
    {"type": "roof", "id": "R1", "guid": "{11111111-2222-3333-4444-555555555555}", "layer": 7, "story": 1,
     "thickness": 0.25, "structure": "composite", "composite": 2, "buildingMaterial": 3,
     "topOverride": true, "topMaterial": 4, "sideOverride": false, "sideMaterial": 2,
     "bottomOverride": true, "bottomMaterial": 1, "materialsChained": true, "group": 5,
     "planes": [{"outer": [[0,0,3.1],[10,0,3.1],[10,5,8.1],[0,5,8.1]],
                 "holes": [[[2,1,4.1],[4,1,4.1],[4,2,5.1],[2,2,5.1]]]}]},
    {"type": "wall", "id": "W", "footprint": [[0,0],[0.3,0],[0.3,5],[0,5]], "bottomOffset": 0.5, "height": 2.5,
     "story": 0, "arcs": 2},
    {"type": "object", "id": "O", "libPart": "{E84F9BFB-7C26-403E-B010-A033FEEE27E0}-{00000000-0000-0000-0000-000000000001}",
     "position": [1.5, 2.5], "angle": 0.7853981633974483, "level": 0.12, "xRatio": 2.0, "yRatio": 3.0,
     "reflected": true, "pen": 3, "group": 5,
     "params": [{"name": "A", "type": "length", "value": 1.25},
                {"name": "szoveg", "type": "text", "value": "Cserép ő ű"},
                {"name": "tomb", "type": "real", "dims": [2, 3], "value": [1, 2, 3, 4, 5, 6]},
                {"name": "nevek", "type": "text", "dims": [2, 1], "value": ["első", "második"]},
                {"name": "rejtett", "type": "boolean", "hidden": true, "value": 1}]},
    {"type": "hotspot", "id": "H", "position": [1, 2, 3], "pen": 4}
  ],
  "selection": ["O", "R1"],
  "groupsSuspended": true,
  "nextGroupId": 9
})";

TEST(ModelFileRoundTrip, SavedModelLoadsBackTheSame) {
    const Model first = Load(kFullModel);
    const std::string text = host::ModelToText(first);
    const Model second = Load(text);
    EXPECT_EQ(host::ModelToText(second), text);

    // Field by field, the facts that matter to the add-on survived.
    ASSERT_EQ(second.stories.size(), 3u);
    EXPECT_EQ(second.stories[0].index, -1);
    EXPECT_DOUBLE_EQ(second.stories[0].level, -2.8);
    EXPECT_EQ(second.currentStory, 1);
    ASSERT_EQ(second.materials.size(), 3u);
    EXPECT_EQ(second.materials[1].name, "Kettő");
    ASSERT_EQ(second.composites.size(), 1u);
    EXPECT_EQ(second.composites[0].skins, (std::vector<int32_t>{1, 3}));

    const host::Element* r1 = Find(second, "R1");
    ASSERT_NE(r1, nullptr);
    API_Guid expected;
    ASSERT_TRUE(host::GuidFromString("{11111111-2222-3333-4444-555555555555}", expected));
    EXPECT_EQ(r1->rec.header.guid, expected);
    EXPECT_EQ(r1->rec.header.layer, 7);
    EXPECT_EQ(r1->rec.header.floorInd, 1);
    EXPECT_EQ(r1->rec.header.groupId, 5u);
    const API_RoofType& roof = r1->rec.roof;
    EXPECT_EQ(roof.modelElemStructureType, API_CompositeStructure);
    EXPECT_EQ(roof.composite, 2);
    EXPECT_TRUE(roof.overrideTopMaterial);
    EXPECT_FALSE(roof.overrideSideMaterial);
    EXPECT_EQ(roof.sideMat, 2);  // kept even with its override off
    EXPECT_TRUE(roof.overrideBotMaterial);
    EXPECT_EQ(roof.botMat, 1);
    EXPECT_TRUE(roof.materialsChained);
    ASSERT_EQ(r1->roofPlanes.size(), 1u);
    ASSERT_EQ(r1->roofPlanes[0].holes.size(), 1u);
    EXPECT_DOUBLE_EQ(r1->roofPlanes[0].holes[0][2].z, 5.1);

    const host::Element* w = Find(second, "W");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->rec.wall.polyArcCount, 2);
    EXPECT_DOUBLE_EQ(w->rec.wall.bottomOffset, 0.5);
    EXPECT_EQ(w->rec.header.floorInd, 0);

    const host::Element* o = Find(second, "O");
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->libPartUnId.substr(0, 38), "{E84F9BFB-7C26-403E-B010-A033FEEE27E0}");
    EXPECT_DOUBLE_EQ(o->rec.object.angle, 0.7853981633974483);
    EXPECT_TRUE(o->rec.object.reflected);
    ASSERT_EQ(o->params.size(), 5u);
    EXPECT_EQ(o->params[1].texts.at(0), u"Cserép ő ű");
    EXPECT_TRUE(o->params[2].isArray);
    EXPECT_EQ(o->params[2].dim1, 2);
    EXPECT_EQ(o->params[2].dim2, 3);
    EXPECT_DOUBLE_EQ(o->params[2].numbers.at(5), 6.0);
    EXPECT_EQ(o->params[3].texts.at(0), u"első");
    EXPECT_EQ(o->params[4].flags, API_ParFlg_Hidden);

    const host::Element* h = Find(second, "H");
    ASSERT_NE(h, nullptr);
    EXPECT_DOUBLE_EQ(h->rec.hotspot.pos.z, 3.0);

    ASSERT_EQ(second.selection.size(), 2u);
    EXPECT_EQ(second.selection[0], o->rec.header.guid);
    EXPECT_TRUE(second.groupsSuspended);
    EXPECT_EQ(second.nextGroupId, 9u);
}

TEST(ModelFileSave, WritesThroughATemporaryFileAndKeepsTheOldFileOnFailure) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "tevaro-hostmodel-save";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "model.json").string();
    const Model m = Load(kHandWritten);
    std::string error;
    ASSERT_TRUE(host::SaveModelFile(path, m, error)) << error;
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    Model loaded;
    ASSERT_TRUE(host::LoadModelFile(path, loaded, error)) << error;
    EXPECT_EQ(host::ModelToText(loaded), host::ModelToText(m));

    // A folder that does not exist: the save fails with the path in its message.
    const std::string nowhere = (dir / "no-such-folder" / "model.json").string();
    EXPECT_FALSE(host::SaveModelFile(nowhere, m, error));
    EXPECT_NE(error.find(nowhere), std::string::npos) << error;
    std::filesystem::remove_all(dir);
}

TEST(ModelFileBad, MissingFileNamesTheFile) {
    Model m;
    std::string error;
    EXPECT_FALSE(host::LoadModelFile("/nonexistent-folder/x.json", m, error));
    EXPECT_NE(error.find("/nonexistent-folder/x.json"), std::string::npos);
}

// Each bad file and the words its message must hold (the place and what is wrong).
struct BadCase {
    const char* text;
    std::vector<std::string> words;
};

// Names a case by its model text in test output.
void PrintTo(const BadCase& c, std::ostream* os) { *os << c.text; }

// Every bad model file the loader must refuse, and the words its message must hold.
const std::vector<BadCase> kBadModels = {
    {"{\"elements\": [", {"bad.json", "not valid JSON"}},
    {"[1, 2]", {"bad.json", "expected an object"}},
    {R"({"elemnts": []})", {"unknown key \"elemnts\""}},
    {R"({"elements": [{"type": "chimney"}]})", {"element 1", "unknown element type \"chimney\""}},
    {R"({"elements": [{"id": "X"}]})", {"element 1", "missing key \"type\""}},
    {R"({"elements": [{"type": "roof", "id": "R9", "thickness": "thick", "planes": []}]})",
     {"element 1", "\"R9\"", "\"thickness\"", "expected a number"}},
    {R"({"elements": [{"type": "roof", "id": "R9", "thickness": -1, "planes": [{"outer": [[0,0,0],[1,0,0],[1,1,0]]}]}]})",
     {"\"R9\"", "positive"}},
    {R"({"elements": [{"type": "roof", "id": "R9"}]})", {"\"R9\"", "\"planes\" or a generated \"shape\""}},
    {R"({"elements": [{"type": "roof", "id": "R9", "planes": [{"outer": [[0,0,0],[4,0,0],[4,4,1],[0,4,0]]}]}]})",
     {"\"R9\"", "plane 1", "not planar"}},
    {R"({"elements": [{"type": "roof", "id": "R9", "planes": [{"outer": [[0,0,0],[4,0,0],[4,0,3]]}]}]})",
     {"plane 1", "upright"}},
    {R"({"elements": [{"type": "roof", "id": "R9", "planes": [{"outer": [[0,0,0],[4,0,0]]}]}]})",
     {"plane 1", "at least 3"}},
    {R"({"elements": [{"type": "roof", "id": "R9", "planes": [{"outer": [[0,0,0],[4,0,0],[4,4]]}]}]})",
     {"point 3", "3D point"}},
    {R"({"elements": [{"type": "roof", "id": "A", "planes": [{"outer": [[0,0,0],[1,0,0],[1,1,0]]}]},
                          {"type": "roof", "id": "A", "planes": [{"outer": [[0,0,0],[1,0,0],[1,1,0]]}]}]})",
     {"element 2", "\"A\"", "used twice"}},
    {R"({"elements": [{"type": "roof", "id": "A", "shape": "gable", "footprint": [[0,0],[4,0],[5,3],[0,3]]}]})",
     {"\"A\"", "rectangle"}},
    {R"({"elements": [{"type": "roof", "id": "A", "shape": "hip", "pitch": 90, "footprint": [[0,0],[4,0],[4,3],[0,3]]}]})",
     {"\"A\"", "\"pitch\""}},
    {R"({"elements": [{"type": "roof", "id": "A", "shape": "dome", "footprint": [[0,0],[4,0],[4,3],[0,3]]}]})",
     {"\"A\"", "unknown roof shape \"dome\""}},
    {R"({"elements": [{"type": "roof", "id": "A", "topOverride": true, "topMaterial": 99,
                           "planes": [{"outer": [[0,0,0],[1,0,0],[1,1,0]]}]}]})",
     {"\"A\"", "\"topMaterial\"", "no material 99"}},
    {R"({"elements": [{"type": "wall", "id": "W", "footprint": [[0,0],[1,0],[1,1]], "story": 3}]})",
     {"\"W\"", "\"story\"", "no story 3"}},
    {R"({"elements": [{"type": "fill", "id": "F", "polygon": [[0,0],[1,0],[0,0]]}]})", {"\"F\"", "3 different points"}},
    {R"({"elements": [{"type": "fill", "id": "F", "polygon": [[0,0],[1,0],[1,1]]}], "selection": ["G"]})",
     {"\"selection\"", "no element \"G\""}},
    {R"({"materials": [{"index": 1, "name": "a"}, {"index": 1, "name": "b"}]})",
     {"\"materials\"", "entry 2", "used twice"}},
    {R"({"buildingMaterials": [{"index": 1, "name": "a", "surfaceMaterial": 77}]})",
     {"\"surfaceMaterial\"", "no material 77"}},
    {R"({"composites": [{"index": 1, "name": "c", "skins": [42]}]})",
     {"\"composites\"", "skin 1", "no building material 42"}},
    {R"({"version": 99})", {"\"version\"", "newer"}},
    {R"({"elements": [{"type": "object", "id": "O", "libPart": "nope"}]})", {"\"O\"", "\"libPart\""}},
    {R"({"elements": [{"type": "object", "id": "O", "libPart": "{E84F9BFB-7C26-403E-B010-A033FEEE27E0}-{x}",
                           "params": [{"name": "t", "type": "real", "dims": [2, 2], "value": [1, 2, 3]}]}]})",
     {"\"O\"", "parameter 1", "\"t\"", "4 values"}},
    {R"({"elements": [{"type": "roof", "id": "R", "guid": "{XYZ}", "planes": [{"outer": [[0,0,0],[1,0,0],[1,1,0]]}]}]})",
     {"\"R\"", "\"guid\"", "not a GUID"}},
};

class BadModel : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadModel, MessageNamesTheFileThePlaceAndTheFault) {
    const std::string error = LoadError(GetParam().text);
    ASSERT_FALSE(error.empty()) << "loaded: " << GetParam().text;
    for (const std::string& w : GetParam().words)
        EXPECT_NE(error.find(w), std::string::npos) << "'" << w << "' not in: " << error;
}

INSTANTIATE_TEST_SUITE_P(ModelFileBad, BadModel, ::testing::ValuesIn(kBadModels));

TEST(ModelFileRoundTrip, PlacedObjectsMayShareAnElementIdAndAreSelectedByGuid) {
    // The regression: a model with several ridge objects of one element ID could not be loaded back.
    const char* part = "{9B413C5B-C63B-4027-BE0A-00222534F9FF}-{22222222-2222-2222-2222-222222222222}";
    const Model m = Load(std::string(R"({"elements": [{"type": "object", "id": "Tevaro_kup", "libPart": ")") + part +
                         R"("}, {"type": "object", "id": "Tevaro_kup", "libPart": ")" + part + R"("}]})");
    Model selected = m;
    selected.selection = {m.elements[1].rec.header.guid};
    const Model back = Load(host::ModelToText(selected));
    ASSERT_EQ(back.selection.size(), 1u);
    EXPECT_EQ(back.selection[0], m.elements[1].rec.header.guid);
    EXPECT_NE(LoadError(std::string(R"({"elements": [{"type": "object", "id": "K", "libPart": ")") + part +
                        R"("}, {"type": "object", "id": "K", "libPart": ")" + part + R"("}], "selection": ["K"]})")
                  .find("names 2 elements"),
              std::string::npos);
}

TEST(ModelFileBad, AFailedLoadLeavesTheModelAsItWas) {
    Model m = Load(kHandWritten);
    const std::string before = host::ModelToText(m);
    std::string error;
    EXPECT_FALSE(host::LoadModelText(R"({"elements": [{"type": "roof", "id": "Z"}]})", "bad.json", m, error));
    EXPECT_EQ(host::ModelToText(m), before);
}

}  // namespace
