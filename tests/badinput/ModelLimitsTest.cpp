// Purpose: hostile model files, grouped by class: declared sizes that would allocate more than the
// file holds, nesting that would exhaust the stack, holes that are not inside their plane, counts
// past the documented limits, numbers past the coordinate limit through generated roofs, and files
// that are not regular files. Each is refused at once naming where, and what loads saves and loads
// again.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "host/Host.h"
#include "host/InputLimits.h"
#include "host/ModelFile.h"
#include "host/ParamLists.h"

namespace {

// A model of one placed object with these parameters (JSON list items).
std::string ObjectWithParams(const std::string& params) {
    return R"({"elements": [{"type": "object", "id": "O1", "libPart": "{00000000-0000-0000-0000-000000000001}-{00000000-0000-0000-0000-000000000001}", "params": [)" +
           params + "]}]}";
}

// A model of one roof of one flat plane at height 3: a 10 x 10 outline with these hole rings.
std::string PlaneWithHoles(const std::string& holes) {
    return R"({"elements": [{"type": "roof", "id": "R1", "planes": [{"outer": [[0,0,3],[10,0,3],[10,10,3],[0,10,3]], "holes": [)" +
           holes + "]}]}]}";
}

// A square hole ring at height 3 from (x0, y0) to (x1, y1).
std::string Square(double x0, double y0, double x1, double y1) {
    std::ostringstream s;
    s << "[[" << x0 << "," << y0 << ",3],[" << x1 << "," << y0 << ",3],[" << x1 << "," << y1 << ",3],[" << x0 << "," << y1
      << ",3]]";
    return s.str();
}

// A plan ring of n points round a circle of radius r, as JSON.
std::string Circle(size_t n, double r, bool withZ) {
    std::ostringstream s;
    s << "[";
    for (size_t k = 0; k < n; ++k) {
        const double a = 2 * 3.14159265358979 * double(k) / double(n);
        s << (k ? "," : "") << "[" << r * std::cos(a) << "," << r * std::sin(a) << (withZ ? ",3" : "") << "]";
    }
    return s.str() + "]";
}

struct Refused {
    const char* what;
    std::string text;
    std::vector<std::string> said;  // every one of these appears in the error
};

// Loads each text and expects a refusal naming what it should; reports the slowest refusal.
void ExpectAllRefused(const std::vector<Refused>& cases) {
    for (const Refused& c : cases) {
        host::Model model;
        std::string error;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(host::LoadModelText(c.text, "bad.json", model, error)) << c.what;
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
#ifdef NDEBUG  // timings hold for optimized builds; a sanitizer build is many times slower
        EXPECT_LT(seconds, 5.0) << c.what << ": refusing took too long";
#else
        (void)seconds;
#endif
        for (const std::string& s : c.said) EXPECT_NE(error.find(s), std::string::npos) << c.what << ": " << error;
    }
}

TEST(ModelLimits, DeclaredSizesAreCheckedAgainstTheLimitAndTheValuesPresentBeforeAnythingIsAllocated) {
    ExpectAllRefused({
        {"dims whose cell count times 8 wraps 32 bits",
         ObjectWithParams(R"({"name": "a", "type": "real", "dims": [536870913, 1], "value": [1]})"), {"O1", "\"a\"", "dims"}},
        {"dims of a zero and a huge count (costs nothing to load, overflows where used)",
         ObjectWithParams(R"({"name": "iEdgeStatus", "type": "integer", "dims": [0, 536870913]})"), {"O1", "dims"}},
        {"dims past 32 bits", ObjectWithParams(R"({"name": "a", "type": "real", "dims": [2147483647, 2147483647]})"),
         {"O1", "dims"}},
        {"dims past 64 bits", ObjectWithParams(R"({"name": "a", "type": "real", "dims": [18446744073709551615, 1]})"),
         {"O1", "dims"}},
        {"dims of 400 million values and no value (3.5 GB from 200 bytes)",
         ObjectWithParams(R"({"name": "a", "type": "real", "dims": [20000, 20000]})"), {"O1", "dims"}},
        {"dims of a few values and no value", ObjectWithParams(R"({"name": "a", "type": "real", "dims": [3, 2]})"),
         {"O1", "6 values"}},
        {"negative dims", ObjectWithParams(R"({"name": "a", "type": "real", "dims": [-1, 2], "value": []})"), {"dims"}},
        {"rows of different lengths", ObjectWithParams(R"({"name": "a", "type": "real", "value": [[1, 2], [3]]})"),
         {"\"a\""}},
        {"a value nested deeper than rows", ObjectWithParams(R"({"name": "a", "type": "real", "value": [[[1]]]})"),
         {"\"a\"", "wrong kind"}},
        {"\"hidden\" of another kind", ObjectWithParams(R"({"name": "a", "type": "real", "value": 1, "hidden": 5})"),
         {"O1", "\"a\"", "hidden"}},
        {"\"bold\" of another kind", ObjectWithParams(R"({"name": "a", "type": "real", "value": 1, "bold": "yes"})"),
         {"O1", "bold"}},
    });
}

TEST(ModelLimits, NestingIsLimitedSoNoReaderOrWriterRunsOutOfStack) {
    const std::string deep = std::string(10000, '[') + "1" + std::string(10000, ']');
    ExpectAllRefused({
        {"a parameter value nested 10,000 arrays deep", ObjectWithParams(R"({"name": "a", "type": "real", "value": )" + deep + "}"),
         {"nest"}},
        {"an unknown key holding deep objects", "{\"x\": " + std::string(5000, '[') + std::string(5000, ']') + "}", {"nest"}},
    });
    // Nesting up to the limit still reads (and is then refused for what it is, not for its depth).
    host::Model model;
    std::string error;
    const int depth = host::kMaxJsonDepth - 2;
    EXPECT_FALSE(host::LoadModelText("{\"x\": " + std::string(size_t(depth), '[') + std::string(size_t(depth), ']') + "}",
                                     "ok.json", model, error));
    EXPECT_EQ(error.find("nest"), std::string::npos) << error;
    EXPECT_NE(error.find("unknown key"), std::string::npos) << error;
}

TEST(ModelLimits, HolesMustLieInsideTheirPlaneAndApartFromEachOther) {
    ExpectAllRefused({
        {"a hole outside its plane", PlaneWithHoles(Square(20, 20, 22, 22)), {"R1", "plane 1", "hole 1", "outside"}},
        {"a hole equal to its plane", PlaneWithHoles(Square(0, 0, 10, 10)), {"hole 1", "touches the outline"}},
        {"a hole larger than its plane", PlaneWithHoles(Square(-1, -1, 11, 11)), {"hole 1", "outside"}},
        {"a hole crossing the outline", PlaneWithHoles(Square(8, 4, 12, 6)), {"hole 1", "crosses"}},
        {"a hole touching the outline", PlaneWithHoles(Square(0, 4, 2, 6)), {"hole 1", "touches"}},
        {"a hole nested in another", PlaneWithHoles(Square(2, 2, 8, 8) + "," + Square(4, 4, 6, 6)),
         {"hole 2", "hole 1", "one inside the other"}},
        {"two holes overlapping", PlaneWithHoles(Square(2, 2, 5, 5) + "," + Square(4, 4, 7, 7)), {"hole 2", "hole 1"}},
        {"a generated roof's hole outside its footprint",
         R"({"elements": [{"type": "roof", "id": "G", "shape": "hip", "footprint": [[0,0],[10,0],[10,10],[0,10]], "holes": [[[20,20],[22,20],[22,22]]]}]})",
         {"G", "hole 1", "outside the outline of the footprint"}},
    });
    // Holes well inside and apart load, and the area they leave is the plane's less theirs.
    host::Model model;
    std::string error;
    ASSERT_TRUE(host::LoadModelText(PlaneWithHoles(Square(1, 1, 3, 3) + "," + Square(5, 5, 9, 6)), "ok.json", model, error))
        << error;
    ASSERT_EQ(model.elements.at(0).roofPlanes.at(0).holes.size(), 2u);
}

TEST(ModelLimits, CountsPastTheDocumentedLimitsAreRefusedAtOnce) {
    std::string manyElements = R"({"elements": [)";
    for (size_t i = 0; i <= host::kMaxElementsPerModel; ++i) manyElements += std::string(i ? "," : "") + "{\"type\": \"hotspot\"}";
    manyElements += "]}";
    std::string manyPlanes = R"({"elements": [{"type": "roof", "id": "R", "planes": [)";
    for (size_t i = 0; i <= host::kMaxPlanesPerRoof; ++i) manyPlanes += std::string(i ? "," : "") + "{\"outer\": []}";
    manyPlanes += "]}]}";
    ExpectAllRefused({
        {"a ring of 100,000 points",
         R"({"elements": [{"type": "roof", "id": "R", "planes": [{"outer": )" + Circle(100000, 50, true) + "}]}]}",
         {"R", "100000 points", std::to_string(host::kMaxRingPoints)}},
        {"a wall footprint past the ring limit",
         R"({"elements": [{"type": "wall", "id": "W", "footprint": )" + Circle(host::kMaxRingPoints + 2, 50, false) + "}]}",
         {"W", "points"}},
        {"a generated hip footprint of 10,000 points",
         R"({"elements": [{"type": "roof", "id": "H", "shape": "hip", "footprint": )" + Circle(10000, 50, false) + "}]}",
         {"H", "points"}},
        {"a generated hip footprint just past the skeleton's limit",
         R"({"elements": [{"type": "roof", "id": "H", "shape": "hip", "footprint": )" +
             Circle(host::kMaxSkeletonPoints + 1, 50, false) + "}]}",
         {"H", "\"hip\"", std::to_string(host::kMaxSkeletonPoints)}},
        {"more elements than a model takes", manyElements, {"elements", std::to_string(host::kMaxElementsPerModel)}},
        {"more planes than a roof takes", manyPlanes, {"R", "planes", std::to_string(host::kMaxPlanesPerRoof)}},
    });
}

TEST(ModelLimits, NumbersPastTheCoordinateLimitCannotEnterThroughGeneratedRoofsOrLevels) {
    ExpectAllRefused({
        {"an eave level of 1e308",
         R"({"elements": [{"type": "roof", "id": "G", "shape": "gable", "footprint": [[0,0],[10,0],[10,6],[0,6]], "eaveLevel": 1e308}]})",
         {"G", "eaveLevel", "1000 km"}},
        {"a pitch that lifts the ridge past the limit",
         R"({"elements": [{"type": "roof", "id": "G", "shape": "gable", "footprint": [[0,0],[10,0],[10,6],[0,6]], "pitch": 89.9999999999}]})",
         {"G", "1000 km"}},
        {"a roof thickness of 1e300",
         R"({"elements": [{"type": "roof", "id": "T", "thickness": 1e300, "planes": [{"outer": [[0,0,3],[10,0,3],[10,4,5]]}]}]})",
         {"T", "thickness"}},
        {"a story level of 1e300", R"({"stories": [{"index": 0, "level": 1e300}], "elements": []})", {"level", "1000 km"}},
        {"a wall height of 1e300", R"({"elements": [{"type": "wall", "id": "W", "footprint": [[0,0],[1,0],[1,1]], "height": 1e300}]})",
         {"W", "height"}},
        {"an object level of 1e300",
         R"({"elements": [{"type": "object", "id": "O", "libPart": "{00000000-0000-0000-0000-000000000001}-{00000000-0000-0000-0000-000000000001}", "level": 1e300}]})",
         {"O", "level"}},
    });
}

TEST(ModelLimits, OnlyRegularFilesWithinTheSizeLimitAreRead) {
    host::Model model;
    std::string error;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(host::LoadModelFile("/dev/zero", model, error));
    EXPECT_NE(error.find("/dev/zero"), std::string::npos) << error;
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 1.0);
    const std::string folder = ::testing::TempDir();
    EXPECT_FALSE(host::LoadModelFile(folder, model, error));
    EXPECT_NE(error.find("folder"), std::string::npos) << error;
    // A file past the size limit is refused from its size alone (a sparse file costs no disk).
    const std::filesystem::path big = std::filesystem::path(folder) / "tevaro-big-model.json";
    { std::ofstream(big) << "{}"; }
    std::filesystem::resize_file(big, host::kMaxModelFileBytes + 1);
    EXPECT_FALSE(host::LoadModelFile(big.string(), model, error));
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
    std::filesystem::remove(big);
}

TEST(ModelLimits, WhatLoadsSavesAndLoadsAgainEvenAtTheLimits) {
    // Parameters with dims and rows, holes, a ring at the ring limit: all round-trip.
    const std::string text = R"({"elements": [
        {"type": "fill", "id": "F", "polygon": )" + Circle(host::kMaxRingPoints, 20, false) + R"(},
        {"type": "roof", "id": "R1", "planes": [{"outer": [[0,0,3],[10,0,3],[10,10,3],[0,10,3]], "holes": [)" +
                             Square(1, 1, 3, 3) + R"(]}]},
        {"type": "object", "id": "O1", "libPart": "{00000000-0000-0000-0000-000000000001}-{00000000-0000-0000-0000-000000000001}",
         "params": [{"name": "t", "type": "real", "dims": [2, 3], "value": [[1, 2, 3], [4, 5, 6]], "hidden": true},
                    {"name": "e", "type": "integer", "dims": [0, 1]},
                    {"name": "s", "type": "text", "value": ["a", "b"]}]}]})";
    host::Model model, again;
    std::string error;
    ASSERT_TRUE(host::LoadModelText(text, "limits.json", model, error)) << error;
    const std::string saved = host::ModelToText(model);
    ASSERT_TRUE(host::LoadModelText(saved, "saved.json", again, error)) << error;
    EXPECT_TRUE(host::ModelToText(again) == saved) << "the saved model loads back different";
    const host::ParamValue* t = host::FindParam(again.elements.at(2).params, "t");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->dim1, 2);
    EXPECT_EQ(t->dim2, 3);
    EXPECT_EQ(t->numbers.at(5), 6.0);
}

}  // namespace
