// Purpose: model files that are wrong in every way a hand-written file can be: each is refused
// with the file, the key or element and what is wrong, and the project loaded before stays as it was.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "host/Host.h"
#include "host/ModelFile.h"

namespace {

// A roof of one explicit plane with this outer ring.
std::string RoofWithOuter(const std::string& outer) {
    return R"({"elements": [{"type": "roof", "id": "R1", "thickness": 0.3, "planes": [{"outer": )" + outer + "}]}]}";
}

const std::string kGoodModel = RoofWithOuter("[[0,0,3],[10,0,3],[10,4,5],[0,4,5]]");

struct BadModel {
    const char* what;
    std::string text;
    std::vector<std::string> said;  // every one of these appears in the error
};

std::vector<BadModel> BadModels() {
    return {
        {"not JSON at all", "\x01\x02garbage{", {"bad.json"}},
        {"truncated JSON", R"({"elements": [{"type": "roof")", {"bad.json"}},
        {"a roof without planes or shape", R"({"elements": [{"type": "roof", "id": "R1"}]})", {"bad.json", "planes"}},
        {"a plane without its outer ring", R"({"elements": [{"type": "roof", "id": "R1", "planes": [{"holes": []}]}]})",
         {"bad.json", "\"outer\""}},
        {"an element without a type", R"({"elements": [{"id": "X"}]})", {"bad.json", "\"type\""}},
        {"an unknown element type", R"({"elements": [{"type": "tower", "id": "X"}]})", {"\"type\"", "tower"}},
        {"elements not a list", R"({"elements": {"type": "roof"}})", {"\"elements\"", "list"}},
        {"a text for a number",
         R"({"elements": [{"type": "roof", "id": "R1", "thickness": "thick", "planes": [{"outer": [[0,0,3],[10,0,3],[10,4,5]]}]}]})",
         {"\"thickness\"", "number"}},
        {"a point with a text coordinate", RoofWithOuter(R"([[0,0,3],[10,"a",3],[10,4,5],[0,4,5]])"), {"point 2", "number"}},
        {"a point of two coordinates in a plane", RoofWithOuter("[[0,0],[10,0,3],[10,4,5]]"), {"point 1", "3D point"}},
        {"a non-planar plane", RoofWithOuter("[[0,0,3],[10,0,3],[10,4,5],[0,4,9]]"), {"plane 1", "not planar"}},
        {"a self-intersecting plane", RoofWithOuter("[[0,0,3],[10,0,3],[0,4,5],[6,8,7]]"), {"R1", "crosses itself"}},
        {"an upright plane", RoofWithOuter("[[0,0,0],[10,0,0],[10,0,5],[0,0,5]]"), {"upright"}},
        {"a number too large for a double", RoofWithOuter("[[0,0,3],[1e400,0,3],[10,4,5],[0,4,5]]"), {"bad.json"}},
        {"a huge coordinate", RoofWithOuter("[[0,0,3],[1e12,0,3],[1e12,4,5],[0,4,5]]"), {"point 2", "too far"}},
        {"a huge wall footprint",
         R"({"elements": [{"type": "wall", "id": "W", "footprint": [[0,0],[1e15,0],[1e15,1]], "height": 3}]})",
         {"point 2", "too far"}},
        {"a self-intersecting generated footprint",
         R"({"elements": [{"type": "roof", "id": "R1", "shape": "hip", "footprint": [[0,0],[10,8],[10,0],[0,8]], "pitch": 30, "eaveLevel": 3}]})",
         {"R1"}},
        {"two elements of one ID",
         R"({"elements": [{"type": "fill", "id": "F", "polygon": [[0,0],[1,0],[1,1]]},
                          {"type": "fill", "id": "F", "polygon": [[0,0],[2,0],[2,2]]}]})",
         {"\"F\"", "used twice"}},
        {"two stories of one index", R"({"stories": [{"index": 0, "level": 0}, {"index": 0, "level": 3}], "elements": []})",
         {"story index 0", "twice"}},
        {"a negative thickness", R"({"elements": [{"type": "roof", "id": "R1", "thickness": -1, "planes": [{"outer": [[0,0,3],[10,0,3],[10,4,5]]}]}]})",
         {"\"thickness\"", "positive"}},
        {"a selection naming nothing", R"({"elements": [], "selection": ["NOPE"]})", {"NOPE"}},
    };
}

TEST(ModelFileBadInput, EachBadFileIsRefusedSayingWhereAndWhatAndTheModelIsKept) {
    for (const BadModel& bad : BadModels()) {
        host::Model model;
        std::string error;
        ASSERT_TRUE(host::LoadModelText(kGoodModel, "good.json", model, error)) << error;
        const std::string before = host::ModelToText(model);
        error.clear();
        EXPECT_FALSE(host::LoadModelText(bad.text, "bad.json", model, error)) << bad.what;
        EXPECT_FALSE(error.empty()) << bad.what;
        for (const std::string& s : bad.said) EXPECT_NE(error.find(s), std::string::npos) << bad.what << ": " << error;
        EXPECT_EQ(host::ModelToText(model), before) << bad.what;
    }
}

TEST(ModelFileBadInput, SyntaxErrorsSayTheLine) {
    host::Model model;
    std::string error;
    EXPECT_FALSE(host::LoadModelText("{\n\"elements\": [\n{\"type\": \"fill\",,}\n]}", "broken.json", model, error));
    EXPECT_NE(error.find("broken.json"), std::string::npos) << error;
    EXPECT_NE(error.find("line 3"), std::string::npos) << error;
}

TEST(ModelFileBadInput, MissingFileIsNamed) {
    host::Model model;
    std::string error;
    EXPECT_FALSE(host::LoadModelFile("/nonexistent-folder/house.json", model, error));
    EXPECT_NE(error.find("/nonexistent-folder/house.json"), std::string::npos) << error;
}

// ---- Saving over an existing file ---------------------------------------------------------------

class ModelSave : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tevaro-save-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    static std::string Read(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::filesystem::path folder_;
};

TEST_F(ModelSave, AFolderNamedLikeATemporaryFileBesideTheTargetNeitherStopsTheSaveNorIsTouched) {
    const std::filesystem::path file = folder_ / "model.json";
    {
        std::ofstream(file) << "the old model";
    }
    // A folder with the name a fixed temporary name would take; the save picks a name of its own.
    std::filesystem::create_directories(folder_ / "model.json.tmp");
    {
        std::ofstream(folder_ / "model.json.tmp" / "inside.txt") << "kept";
    }
    host::Model model;
    std::string error;
    ASSERT_TRUE(host::LoadModelText(kGoodModel, "good.json", model, error)) << error;
    ASSERT_TRUE(host::SaveModelFile(file.string(), model, error)) << error;
    EXPECT_EQ(Read(file), host::ModelToText(model));
    EXPECT_TRUE(std::filesystem::is_directory(folder_ / "model.json.tmp"));
    EXPECT_EQ(Read(folder_ / "model.json.tmp" / "inside.txt"), "kept");
}

TEST_F(ModelSave, SaveOverAnOldFileReplacesItWholeAndLeavesNoTemporaryFile) {
    const std::filesystem::path file = folder_ / "model.json";
    {
        std::ofstream(file) << std::string(100000, 'x');  // longer than the new text
    }
    host::Model model, again;
    std::string error;
    ASSERT_TRUE(host::LoadModelText(kGoodModel, "good.json", model, error)) << error;
    ASSERT_TRUE(host::SaveModelFile(file.string(), model, error)) << error;
    EXPECT_EQ(Read(file), host::ModelToText(model));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "model.json.tmp"));
    EXPECT_TRUE(host::LoadModelFile(file.string(), again, error)) << error;
}

TEST_F(ModelSave, SaveIntoAMissingFolderFailsAndSaysSo) {
    host::Model model;
    std::string error;
    ASSERT_TRUE(host::LoadModelText(kGoodModel, "good.json", model, error)) << error;
    EXPECT_FALSE(host::SaveModelFile((folder_ / "no-such-folder" / "model.json").string(), model, error));
    EXPECT_NE(error.find("no-such-folder"), std::string::npos) << error;
}

}  // namespace
