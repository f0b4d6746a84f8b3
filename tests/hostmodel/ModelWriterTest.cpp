// Purpose: tests of the model writer: what it writes loads back to the same project (values the
// loader would give anyway left out, negative zeros and last bits kept), placed objects keep only
// their changes from the part's defaults, and a model the loader would refuse is not saved at all:
// the old file stays byte for byte, a file that merely looks like a temporary file is not touched.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include <unistd.h>

#include "common/ProgramRun.h"
#include "host/ElementDatabase.h"
#include "host/Host.h"
#include "host/Libraries.h"
#include "host/ModelFile.h"
#include "host/ParamLists.h"

namespace {

namespace fs = std::filesystem;
using host::Model;
using host::ParamValue;
using tevaro_test::ReadFile;

const char* kPartUnId = "{0B0B0B0B-1111-4222-8333-444444444444}-{00000000-0000-0000-0000-000000000007}";

// A library of one part with a number, a text, an array and a hidden flag among its parameters.
const char* kLibrary = R"({"parts":[{"unId":"{0B0B0B0B-1111-4222-8333-444444444444}-{00000000-0000-0000-0000-000000000007}",
  "name":"Probe","params":[
    {"name":"A","type":"length","value":1.0},
    {"name":"alpha","type":"angle","value":0.5},
    {"name":"fam","type":"text","value":"NONE"},
    {"name":"nodes","type":"length","dims":[2,2],"value":[0,0,1,1]},
    {"name":"num","type":"integer","hidden":true,"value":3}]}]})";

Model Load(const std::string& text) {
    Model m;
    std::string error;
    EXPECT_TRUE(host::LoadModelText(text, "test.json", m, error)) << error;
    return m;
}

// True when two parameter lists are equal to the last bit of every value.
bool SameParams(const std::vector<ParamValue>& a, const std::vector<ParamValue>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const ParamValue &p = a[i], &q = b[i];
        if (p.name != q.name || p.type != q.type || p.isArray != q.isArray || p.flags != q.flags || p.dim1 != q.dim1 ||
            p.dim2 != q.dim2 || p.texts != q.texts || p.numbers.size() != q.numbers.size())
            return false;
        if (!p.numbers.empty() && std::memcmp(p.numbers.data(), q.numbers.data(), p.numbers.size() * sizeof(double)) != 0)
            return false;
    }
    return true;
}

// A project of every element kind with values off the loader's defaults (and some on them).
const char* kProject = R"({
  "stories": [{"index": 0, "level": 0.0}, {"index": 1, "level": 3.0, "name": "Emelet"}],
  "currentStory": 1,
  "layers": [{"index": 1, "name": "A"}, {"index": 4, "name": "B"}],
  "elements": [
    {"type": "roof", "id": "R1", "layer": 4, "story": 0, "group": 2, "thickness": 0.25, "structure": "composite",
     "topOverride": true, "topMaterial": 5, "sideMaterial": 3, "materialsChained": true,
     "planes": [{"outer": [[0,0,3],[10,0,3],[10,4,5],[0,4,5]], "holes": [[[2,1,3.5],[3,1,3.5],[3,2,4],[2,2,4]]]}]},
    {"type": "wall", "id": "W1", "footprint": [[0,0],[1,0],[1,1],[0,1]], "bottomOffset": -0.5, "height": 2.75, "arcs": 2},
    {"type": "fill", "id": "F1", "polygon": [[0,0],[5,0],[5,0.1]]},
    {"type": "hotspot", "id": "HS", "position": [1, 2, 3], "pen": 7},
    {"type": "object", "id": "O1", "libPart": "{0B0B0B0B-1111-4222-8333-444444444444}-{00000000-0000-0000-0000-000000000007}",
     "position": [0.1, 0.2], "angle": -0.0, "xRatio": 0.30000000000000004, "reflected": true, "pen": 3,
     "params": [{"name": "only", "type": "text", "value": "ő\"\\\n\t"}]}
  ],
  "selection": ["R1", "O1"],
  "nextGroupId": 5
})";

class ModelWriter : public ::testing::Test {
protected:
    void SetUp() override {
        host::ResetSession();
        folder_ = fs::temp_directory_path() / ("tevaro-writer-" + std::to_string(::getpid()) + "-" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        fs::remove_all(folder_);
        host::ResetSession();
    }
    // The names in the test folder.
    std::vector<std::string> Names() {
        std::vector<std::string> out;
        for (const auto& entry : fs::directory_iterator(folder_)) out.push_back(entry.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
    // A placed object of the probe part with the part's parameters, as the host places it.
    host::Element ProbeObject() {
        const host::LibPart* part = host::LibPartByIndex(host::SearchLibPart(kPartUnId));
        EXPECT_NE(part, nullptr);
        host::Element e;
        e.rec.header.typeID = API_ObjectID;
        e.rec.header.layer = 1;
        e.elementId = "P";
        e.libPartUnId = kPartUnId;
        e.rec.object.pen = 1;
        e.params = part->params;
        return e;
    }
    fs::path folder_;
};

TEST_F(ModelWriter, EveryKindOfElementLoadsBackToTheSameTextAndTheSameBits) {
    const Model first = Load(kProject);
    const std::string text = host::ModelToText(first);
    const Model second = Load(text);
    EXPECT_EQ(host::ModelToText(second), text);
    ASSERT_EQ(second.elements.size(), first.elements.size());
    // Values equal to the loader's defaults are left out, the others kept to the last bit.
    EXPECT_EQ(text.find("\"reflected\":false"), std::string::npos);
    EXPECT_TRUE(std::signbit(second.elements[4].rec.object.angle));
    EXPECT_EQ(second.elements[4].rec.object.xRatio, 0.30000000000000004);
    EXPECT_EQ(second.elements[0].rec.header.layer, 4);
    EXPECT_EQ(second.elements[0].rec.header.floorInd, 0);
    EXPECT_EQ(second.elements[1].rec.header.floorInd, 1);  // the current story, left out
    EXPECT_EQ(second.elements[0].roofPlanes[0].holes.size(), 1u);
    EXPECT_TRUE(second.elements[0].rec.roof.materialsChained);
    EXPECT_EQ(second.elements[1].rec.wall.polyArcCount, 2);
    EXPECT_EQ(second.elements[3].rec.hotspot.pen, 7);
    EXPECT_TRUE(SameParams(second.elements[4].params, first.elements[4].params));
    EXPECT_EQ(second.selection.size(), 2u);
    EXPECT_EQ(second.nextGroupId, 5u);
    // One element a line.
    size_t lines = 0;
    for (char c : text) lines += c == '\n' ? 1 : 0;
    EXPECT_LT(lines, 40u);
}

TEST_F(ModelWriter, PlacedObjectsKeepOnlyTheirChangesAndLoadBackWhole) {
    ASSERT_EQ(host::AddLibraryText(kLibrary, "probe.lib", false), NoError);
    Model m = Load(kProject);
    m.elements.clear();
    m.selection.clear();
    host::Element unchanged = ProbeObject();
    host::Element changed = ProbeObject();
    changed.elementId = "Q";
    changed.params[1].numbers[0] = -0.0;             // the value alone
    changed.params[2].texts[0] = u"HULA";            // a text value
    changed.params[3].dim1 = 3;                      // the array grows: the whole parameter
    changed.params[3].numbers = {1, 2, 3, 4, 5, 6};
    changed.params[4].flags = 0;                     // no longer hidden: the whole parameter
    ParamValue own;                                  // a parameter the part does not have
    own.name = "extra";
    own.numbers = {std::numeric_limits<double>::denorm_min()};
    changed.params.push_back(own);
    m.elements = {unchanged, changed};
    for (host::Element& e : m.elements) e.rec.header.guid = host::NewGuid();

    const std::string text = host::ModelToText(m);
    // The defaults once, the unchanged object with no parameters, the changed one with its changes.
    EXPECT_NE(text.find("\"libParts\""), std::string::npos);
    const size_t p = text.find("\"id\":\"P\"");
    const size_t q = text.find("\"id\":\"Q\"");
    ASSERT_NE(p, std::string::npos);
    ASSERT_NE(q, std::string::npos);
    const std::string lineP = text.substr(p, text.find('\n', p) - p);
    const std::string lineQ = text.substr(q, text.find('\n', q) - q);
    EXPECT_NE(lineP.find("\"paramValues\":{}}"), std::string::npos) << lineP;
    EXPECT_EQ(lineQ.find("\"A\""), std::string::npos) << lineQ;
    EXPECT_NE(lineQ.find("\"paramValues\":{\"alpha\":-0.0,\"fam\":\"HULA\"}"), std::string::npos) << lineQ;
    EXPECT_NE(lineQ.find("\"changedParams\""), std::string::npos) << lineQ;

    const Model back = Load(text);
    ASSERT_EQ(back.elements.size(), 2u);
    EXPECT_TRUE(SameParams(back.elements[0].params, unchanged.params));
    EXPECT_TRUE(SameParams(back.elements[1].params, changed.params));
    EXPECT_EQ(host::ModelToText(back), text);

    // Without the part at hand every parameter is written.
    host::ResetSession();
    EXPECT_EQ(host::ModelToText(back).find("\"libParts\""), std::string::npos);
    EXPECT_TRUE(SameParams(Load(host::ModelToText(back)).elements[1].params, changed.params));
}

TEST_F(ModelWriter, ChangesFromDefaultsRestoreTheListForEveryLayout) {
    ASSERT_EQ(host::AddLibraryText(kLibrary, "probe.lib", false), NoError);
    const std::vector<ParamValue> defaults = ProbeObject().params;
    std::vector<std::vector<ParamValue>> lists(4, defaults);
    lists[1][0].numbers[0] = 2;
    lists[2].back().texts = {};
    lists[2].back().numbers = {9};
    lists[3].push_back(defaults[2]);
    lists[3].back().name = "more";
    for (const std::vector<ParamValue>& list : lists) {
        const std::vector<ParamValue> changes = host::ChangedParams(list, defaults);
        EXPECT_TRUE(SameParams(host::ParamsWithDefaults(changes, defaults), list));
        EXPECT_LE(changes.size(), list.size() - defaults.size() + 1);
    }
    EXPECT_TRUE(host::ChangedParams(defaults, defaults).empty());
}

// A model, a way to spoil it, and a word the refusal must name.
struct Spoilt {
    const char* what;
    void (*spoil)(Model&);
    const char* named;
};

const Spoilt kSpoilt[] = {
    {"a roof point that is not a number", [](Model& m) { m.elements[0].roofPlanes[0].outer[1].z = std::nan(""); }, "plane 1"},
    {"an infinite wall height", [](Model& m) { m.elements[1].rec.wall.height = INFINITY; }, "\"height\""},
    {"a point past the coordinate limit", [](Model& m) { m.elements[4].rec.object.pos.x = 1e300; }, "1000 km"},
    {"two elements of one GUID", [](Model& m) { m.elements[2].rec.header.guid = m.elements[1].rec.header.guid; }, "used twice"},
    {"a parameter value that is not finite",
     [](Model& m) {
         ParamValue& p = m.elements[4].params[0];
         p.texts.clear();
         p.type = APIParT_RealNum;
         p.numbers = {NAN};
     },
     "\"only\""},
    {"an array short of its cells", [](Model& m) { m.elements[4].params[0] = ParamValue{"arr", APIParT_Length, true, 0, 536870913, 1, {}, {}}; }, "cells"},
    {"a layer the project does not have", [](Model& m) { m.elements[2].rec.header.layer = 9; }, "no layer 9"},
    {"a text that is not UTF-8", [](Model& m) { m.elements[2].elementId = "F\xC3"; }, "UTF-8"},
};

// Edge setters brought back by an undo have no element ID: they are saved without one, so the file
// loads and the loader names them; the selection names them by GUID.
TEST_F(ModelWriter, AnElementWithoutElementIdIsSavedAndNamedOnLoad) {
    Model m = Load(kProject);
    m.elements[4].elementId.clear();
    m.selection.push_back(m.elements[4].rec.header.guid);
    const std::string text = host::ModelToText(m);
    Model back;
    std::string error;
    ASSERT_TRUE(host::LoadModelText(text, "saved.json", back, error)) << error;
    ASSERT_EQ(back.elements.size(), m.elements.size());
    EXPECT_FALSE(back.elements[4].elementId.empty());
    EXPECT_TRUE(back.elements[4].rec.header.guid == m.elements[4].rec.header.guid);
    EXPECT_TRUE(back.selection.back() == m.elements[4].rec.header.guid);
}

TEST_F(ModelWriter, AModelTheLoaderWouldRefuseIsNotSavedAndTheOldFileStaysByteForByte) {
    const fs::path file = folder_ / "model.json";
    const std::string old = "{\"the old\": \"model\"}\n";
    {
        std::ofstream(file, std::ios::binary) << old;
        std::ofstream(folder_ / "model.json.tmp", std::ios::binary) << "the user's own file";
    }
    for (const Spoilt& s : kSpoilt) {
        SCOPED_TRACE(s.what);
        Model m = Load(kProject);
        s.spoil(m);
        std::string error;
        EXPECT_FALSE(host::CheckModelSaves(m, error));
        error.clear();
        EXPECT_FALSE(host::SaveModelFile(file.string(), m, error));
        EXPECT_NE(error.find("model.json"), std::string::npos) << error;
        EXPECT_NE(error.find(s.named), std::string::npos) << error;
        EXPECT_EQ(ReadFile(file), old);
        EXPECT_EQ(ReadFile(folder_ / "model.json.tmp"), "the user's own file");
        EXPECT_EQ(Names(), (std::vector<std::string>{"model.json", "model.json.tmp"}));
    }
}

TEST_F(ModelWriter, ASaveLeavesAFileNamedLikeItsTemporaryFileAloneAndLoadsBack) {
    const fs::path file = folder_ / "model.json";
    {
        std::ofstream(folder_ / "model.json.tmp", std::ios::binary) << "the user's own file";
    }
    Model m = Load(kProject);
    std::string error;
    ASSERT_TRUE(host::CheckModelSaves(m, error)) << error;
    ASSERT_TRUE(host::SaveModelFile(file.string(), m, error)) << error;
    EXPECT_EQ(ReadFile(folder_ / "model.json.tmp"), "the user's own file");
    EXPECT_EQ(Names(), (std::vector<std::string>{"model.json", "model.json.tmp"}));
    Model back;
    ASSERT_TRUE(host::LoadModelFile(file.string(), back, error)) << error;
    EXPECT_EQ(host::ModelToText(back), ReadFile(file));
    // The saved file is readable by others as an ordinary file is.
    EXPECT_NE(fs::status(file).permissions() & fs::perms::owner_read, fs::perms::none);
}

TEST_F(ModelWriter, AnEmptyArrayTheLoaderTakesIsSavedToo) {
    Model m = Load(kProject);
    m.elements[4].params[0] = ParamValue{"none", APIParT_Length, true, 0, 0, 5, {}, {}};
    std::string error;
    EXPECT_TRUE(host::CheckModelSaves(m, error)) << error;
    const Model back = Load(host::ModelToText(m));
    EXPECT_EQ(back.elements[4].params[0].dim2, 5);
}

TEST_F(ModelWriter, ASelectedElementThatIsGoneIsLeftOutOfTheSelection) {
    Model m = Load(kProject);
    m.selection.push_back(host::NewGuid());
    const Model back = Load(host::ModelToText(m));
    EXPECT_EQ(back.selection.size(), 2u);
}

TEST_F(ModelWriter, FilesOfTheFirstVersionWithEveryParameterStillLoad) {
    const Model m = Load(R"({"format": "tevaro-model", "version": 1, "elements": [
      {"type": "object", "id": "O", "libPart": "{0B0B0B0B-1111-4222-8333-444444444444}-{00000000-0000-0000-0000-000000000007}",
       "params": [{"name": "A", "type": "length", "value": 2.0}, {"name": "fam", "type": "text", "value": "X"}]}]})");
    ASSERT_EQ(m.elements.size(), 1u);
    ASSERT_EQ(m.elements[0].params.size(), 2u);
    EXPECT_EQ(m.elements[0].params[0].numbers[0], 2.0);
    // Changes from defaults need the defaults in the same file.
    Model refused;
    std::string error;
    EXPECT_FALSE(host::LoadModelText(R"({"elements": [{"type": "object", "libPart":
      "{0B0B0B0B-1111-4222-8333-444444444444}-{00000000-0000-0000-0000-000000000007}", "paramValues": {"A": 1}}]})",
                                     "lean.json", refused, error));
    EXPECT_NE(error.find("libParts"), std::string::npos) << error;
}

}  // namespace
