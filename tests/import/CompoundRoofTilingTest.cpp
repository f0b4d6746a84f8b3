// Purpose: the half-hip, mansard and cross-gable roofs of a model file tiled by the add-on, each
// on its own, and their edges classified as a roofer counts them on paper.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include <nlohmann/json.hpp>

#include "common/ProgramRun.h"
#include "polytopo/EdgeCodes.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct Expected {
    const char* id;
    const char* element;  // the roof's keys after "type" and "id"
    int eaves, verges, ridges, hips, valleys, breaks;
};

// Edges that two planes share (ridges, hips, valleys, slope breaks) are seen from both planes in a
// dump; eaves and verges from one. The counts are of edges on the roof.
const Expected kRoofs[] = {
    // Half-hip: 2 long eaves and the 2 level feet of the hipped gable tops; each gable wall's 2
    // sloped edges are verges; 4 hips up to the ridge's ends.
    {"HALFHIP", R"("shape": "halfHip", "footprint": [[0,0],[12,0],[12,8],[0,8]], "hipFraction": 0.4)", 4, 4, 1, 4, 0, 0},
    // Mansard: 4 eaves, 4 slope breaks, 4 hips below the breaks and 4 above, 1 ridge.
    {"MANSARD", R"("shape": "mansard", "footprint": [[30,0],[42,0],[42,8],[30,8]], "pitch": 65, "upperPitch": 25)", 4, 0, 1, 8, 0,
     4},
    // L, wings of one width: the longer wing runs through (ridge cut where the other meets it);
    // 2 valleys, 2 + 2 + 2 verges.
    {"L_EVEN", R"("shape": "crossGable", "footprint": [[60,0],[72,0],[72,8],[68,8],[68,16],[60,16]])", 4, 6, 3, 0, 2, 0},
    // L, a narrower wing: its lower ridge runs into the wider roof's side; still 2 valleys.
    {"L_NARROW", R"("shape": "crossGable", "footprint": [[90,0],[102,0],[102,6],[98,6],[98,16],[90,16]])", 4, 6, 2, 0, 2, 0},
    // T, stem as wide as the bar: the stem crosses to the bar's front, the bar's halves run into it
    // from both sides: 4 valleys.
    {"T_CROSS", R"("shape": "crossGable", "footprint": [[0,40],[20,40],[20,48],[14,48],[14,56],[6,56],[6,48],[0,48]])", 6, 8,
     4, 0, 4, 0},
};

}  // namespace

TEST(CompoundRoofTiling, EdgesOfEachNewShapeAreClassifiedAsCountedOnPaper) {
    const fs::path dir = fs::temp_directory_path() / ("tevaro-compound-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ostringstream model, session;
    model << R"({"elements": [)";
    session << "open model.json\n";
    for (size_t k = 0; k < std::size(kRoofs); ++k) {
        model << (k ? "," : "") << R"({"type": "roof", "id": ")" << kRoofs[k].id << R"(", "eaveLevel": 3, )" << kRoofs[k].element
              << "}";
        session << "select " << kRoofs[k].id << "\nmenu place-tiles\npick 20 2\npick 23 2\npick 27 2\npick 29 2\nok\n"
                << "dump-planes " << kRoofs[k].id << ".json\nclose-palette\n";
    }
    model << "]}";
    std::ofstream(dir / "model.json") << model.str();
    std::ofstream(dir / "tile.session") << session.str();
    ASSERT_EQ(tevaro_test::RunProgramInto("run \"" + (dir / "tile.session").string() + "\"", dir / "out.txt"), 0)
        << tevaro_test::ReadFile(dir / "out.txt");
    for (const Expected& e : kRoofs) {
        SCOPED_TRACE(e.id);
        const json dump = json::parse(tevaro_test::ReadFile(dir / (std::string(e.id) + ".json")));
        std::map<int, int> n;
        for (const json& p : dump["planes"])
            for (int s : p["edgeStatus"]) ++n[s];
        EXPECT_EQ(n[kStatusEave], e.eaves);
        EXPECT_EQ(n[kStatusVerge], e.verges);
        EXPECT_EQ(n[kStatusRidge], 2 * e.ridges);
        EXPECT_EQ(n[kStatusHip], 2 * e.hips);
        EXPECT_EQ(n[kStatusValley], 2 * e.valleys);
        EXPECT_EQ(n[kStatusSlopeBreak], 2 * e.breaks);
        // nothing left unclassified, nothing taken for a free edge
        EXPECT_EQ(n[kStatusUnclassified] + n[kStatusFreeSloped] + n[kStatusShedTop], 0);
    }
    fs::remove_all(dir);
}
