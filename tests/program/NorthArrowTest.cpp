// Purpose: the plan drawing's and the sheet's north arrows point to the model's true north.
#include <gtest/gtest.h>

#include <cstdio>

#include "program/ProgramSupport.h"

namespace {

using namespace program_test;

// A gable on a rectangle with the given north angle (degrees anticlockwise from the y axis).
std::string GableFacing(double northAngle) {
    return "{\"northAngle\": " + std::to_string(northAngle) +
           ", \"elements\": [{\"type\": \"roof\", \"id\": \"R1\", \"shape\": \"gable\", "
           "\"footprint\": [[0,0],[10,0],[10,8],[0,8]], \"pitch\": 35, \"eaveLevel\": 3}]}";
}

TEST(NorthArrow, TurnsWithTheModelsNorthAngleOnThePlanAndTheSheet) {
    for (double angle : {0.0, 30.0, -50.0}) {
        const fs::path folder = FreshFolder("north" + std::to_string(int(angle)));
        std::ofstream(folder / "model-in.json") << GableFacing(angle);
        std::string out;
        ASSERT_EQ(RunSession(folder, "open model-in.json\nsvg plan.svg\nplan sheet.svg 1:100 A3\n", out), 0) << out;
        // an anticlockwise turn in the plan is a negative SVG rotation (SVG's y axis points down)
        char wanted[32];
        std::snprintf(wanted, sizeof wanted, "rotate(%.2f ", angle == 0 ? 0.0 : -angle);
        EXPECT_NE(ReadText(folder / "plan.svg").find(wanted), std::string::npos) << angle;
        EXPECT_NE(ReadText(folder / "sheet.svg").find(wanted), std::string::npos) << angle;
        fs::remove_all(folder);
    }
}

}  // namespace
