// Purpose: hostile session lines replayed by the program, grouped by class: white-space control
// characters while a dialog or a point input waits, numbers that are not finite or beyond the
// coordinate limits, whole numbers that would wrap in the field they go to, and extra words after
// lines that take none. Each is refused at its line with the program still standing, and nothing
// in the model changes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "common/AddOnFixture.h"

namespace {

namespace fs = std::filesystem;

// Lines that tile the gable house and leave the edge palette open.
const std::string kTileAndKeepPalette =
    "open house.json\nselect roofs\nmenu place-tiles\npick 20 2\npick 23 2\npick 27 2\npick 29 2\nok\n";
// Lines that finish the tiling and open the accessory dialog, whose point input follows its OK.
const std::string kUpToPointInput = kTileAndKeepPalette + "finalize\nselect Tevaro_000\nmenu place-accessories\nok\n";

// A hostile line, the line number it is on, and a piece of what the error must say.
struct Refusal {
    const char* what;
    std::string lines;
    int line;
    const char* said;
};

class SessionNumbers : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("tevaro-sessionnumbers-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::copy_file(tevaro_test::SourcePath("tests/sessions/gable_house.json"), folder_ / "house.json");
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Read(const std::string& name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    // Runs `tevaro ARGS` with stdin from `input`; the exit code (-1 for a crash), stdout and stderr.
    int Tevaro(const std::string& args, const std::string& input, std::string& out, std::string& errors) {
        std::ofstream(folder_ / "stdin.txt", std::ios::binary) << input;
        const std::string command = "cd '" + folder_.string() + "' && '" + tevaro_test::BuildPath("tevaro") + "' " + args +
                                    " < stdin.txt > stdout.txt 2> stderr.txt";
        const int status = std::system(command.c_str());
        out = Read("stdout.txt");
        errors = Read("stderr.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Replays a script; the exit code and stderr.
    int Run(const std::string& lines, std::string& errors) {
        std::ofstream(folder_ / "script.session", std::ios::binary) << lines;
        std::string out;
        return Tevaro("run script.session", "", out, errors);
    }

    // Each script must stop with exit 1 at its line and say what is wrong.
    void ExpectRefused(const Refusal& r) {
        std::string errors;
        EXPECT_EQ(Run(r.lines, errors), 1) << r.what << ": " << errors;
        EXPECT_NE(errors.find("script.session:" + std::to_string(r.line) + ":"), std::string::npos) << r.what << ": " << errors;
        EXPECT_NE(errors.find(r.said), std::string::npos) << r.what << ": " << errors;
    }

    fs::path folder_;
};

TEST_F(SessionNumbers, WhiteSpaceControlCharactersWhileADialogOrPointInputWaitsAreBlankLines) {
    std::string errors;
    // A form feed or vertical tab alone on a line, while the main dialog is open: skipped.
    EXPECT_EQ(Run("open house.json\nselect roofs\nmenu place-tiles\n\f\n\v\n \f\v\r\ncancel\n", errors), 0) << errors;
    // ... while the palette is open, and while the point input waits: skipped, the point still answers.
    EXPECT_EQ(Run(kUpToPointInput + "\f\n\v\npoint 2 3\nexpect-param Tevaro_000 num_acc 1\n", errors), 0) << errors;
    // Other control characters make an unknown line, refused at its line.
    EXPECT_EQ(Run("open house.json\n\x01\x02\n", errors), 1);
    EXPECT_NE(errors.find("script.session:2:"), std::string::npos) << errors;
    // The same lines typed into the shell with dialogs shown.
    std::string out;
    EXPECT_EQ(Tevaro("shell house.json", "select roofs\nmenu place-tiles\n\f\n\v\ncancel\n\f\n", out, errors), 0) << errors;
}

TEST_F(SessionNumbers, NumbersThatAreNotFiniteOrBeyondTheLimitsAreRefusedAtTheirLine) {
    const Refusal cases[] = {
        {"move by nan", "open house.json\nmove R1 nan 0\n", 2, "not a finite number"},
        {"move by inf", "open house.json\nmove R1 0 inf\n", 2, "not a finite number"},
        {"move by a number past a double", "open house.json\nmove R1 1e999 0\n", 2, "not a finite number"},
        {"move by 1e300", "open house.json\nmove R1 1e300 0\n", 2, "out of range"},
        {"move past the coordinate limit", "open house.json\nmove R1 999999.5 0\n", 2, "1000 km"},
        {"a point at nan", kUpToPointInput + "point nan nan\n", 13, "not a finite number"},
        {"a point far out", kUpToPointInput + "point 2 -2e6\n", 13, "out of range"},
        {"a point queued before its input", "open house.json\npoint inf 0\n", 2, "not a finite number"},
        {"a drag by nan", kTileAndKeepPalette + "drag 1 1 nan 0\n", 9, "not a finite number"},
        {"a number with junk after it", "open house.json\nmove R1 1x 0\n", 2, "is not a number"},
    };
    for (const Refusal& r : cases) ExpectRefused(r);
}

TEST_F(SessionNumbers, ARefusedMoveOrPointChangesNothing) {
    std::string out, errors;
    // The shell goes on after an error: the model saved after refused lines equals the one opened.
    ASSERT_EQ(Tevaro("shell house.json", "save before.json\n", out, errors), 0);
    ASSERT_EQ(Tevaro("shell house.json",
                     "move R1 nan 0\nmove R1 1e300 1\nmove R1 999999 0\npoint nan 1\nsave after.json\n", out, errors),
              0);
    EXPECT_NE(out.find("not a finite number"), std::string::npos) << out;
    EXPECT_FALSE(Read("before.json").empty());
    EXPECT_EQ(Read("after.json"), Read("before.json"));
    // A bad answer to a waiting point input is asked again; a good one then places the accessory.
    ASSERT_EQ(Tevaro("shell house.json", kUpToPointInput.substr(kUpToPointInput.find('\n') + 1) +
                                             "point nan nan\npoint 2 3\nexpect-param Tevaro_000 num_acc 1\n",
                     out, errors),
              0);
    EXPECT_NE(out.find("not a finite number"), std::string::npos) << out;
    EXPECT_EQ(out.find("error: expected"), std::string::npos) << out;
    EXPECT_EQ(out.find("error: Tevaro_000 num_acc"), std::string::npos) << out;
}

TEST_F(SessionNumbers, WholeNumbersThatWouldWrapInTheirFieldAreRefused) {
    const Refusal cases[] = {
        {"a menu number past 16 bits (98036 wraps to the tiling command)", "open house.json\nselect roofs\nmenu 98036\n", 3,
         "out of range"},
        {"an entry past 16 bits (65538 wraps to 2)", "open house.json\nselect roofs\nmenu place-tiles\npick 20 65538\n", 4,
         "out of range"},
        {"an item past 16 bits", "open house.json\nselect roofs\nmenu place-tiles\nclick 65537\n", 4, "out of range"},
        {"a group past 32 bits (4294967297 wraps to 1)", kTileAndKeepPalette + "edge 4294967297 1 1\n", 9, "out of range"},
        {"an edge type past 32 bits", kTileAndKeepPalette + "edge 1 1 4294967297\n", 9, "out of range"},
        {"a number past 64 bits", "open house.json\nexpect-count roofs 99999999999999999999\n", 2, "out of range"},
        {"a message row past 32 bits", "open house.json\nexpect-message 2147483648\n", 2, "out of range"},
    };
    for (const Refusal& r : cases) ExpectRefused(r);
    // No error message prints a wrapped number.
    std::string errors;
    Run(kTileAndKeepPalette + "edge 2147483648 1 1\n", errors);
    EXPECT_EQ(errors.find("-2147483648"), std::string::npos) << errors;
}

TEST_F(SessionNumbers, LinesThatTakeNothingMoreRefuseExtraWords) {
    const Refusal cases[] = {
        {"undo with a word", "open house.json\nmove R1 1 0\nundo twice\n", 3, "undo takes nothing more"},
        {"finalize with a word", kTileAndKeepPalette + "finalize now\n", 9, "finalize takes nothing more"},
        {"close-palette with a word", kTileAndKeepPalette + "close-palette 1\n", 9, "close-palette takes nothing more"},
        {"pick with three numbers", "open house.json\nselect roofs\nmenu place-tiles\npick 20 2 3\n", 4, "pick needs ITEM N"},
        {"ok with a word", "open house.json\nselect roofs\nmenu place-tiles\nok please\n", 4, "ok takes nothing more"},
        {"delete with two IDs", "open house.json\ndelete R1 R2\n", 2, "delete needs ID"},
    };
    for (const Refusal& r : cases) ExpectRefused(r);
}

TEST_F(SessionNumbers, TheDocumentedListIsTheHelpOfTheShell) {
    std::string out, errors;
    ASSERT_EQ(Tevaro("shell", "help\n", out, errors), 0);
    // The help's rows, without their indent.
    std::string rows;
    std::istringstream in(out.substr(out.find("Session lines")));
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line) && line.rfind("  ", 0) == 0) rows += line.substr(2) + "\n";
    ASSERT_NE(rows.find("move ID DX DY"), std::string::npos) << out;
    std::ifstream doc(tevaro_test::SourcePath("docs/sessions.md"));
    std::stringstream text;
    text << doc.rdbuf();
    EXPECT_NE(text.str().find("```\n" + rows + "```\n"), std::string::npos) << "docs/sessions.md's list differs from help:\n" << rows;
}

}  // namespace
