// Purpose: session scripts with unknown lines, wrong arguments and bad model files, replayed by
// the program: each stops with a non-zero exit naming the script's line and what is wrong, and a
// model saved before the bad line is left as it was.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "common/AddOnFixture.h"

namespace {

namespace fs = std::filesystem;

class SessionBadInput : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("tevaro-badsession-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::copy_file(tevaro_test::SourcePath("tests/sessions/gable_house.json"), folder_ / "house.json");
    }
    void TearDown() override { fs::remove_all(folder_); }

    void Write(const std::string& name, const std::string& text) { std::ofstream(folder_ / name, std::ios::binary) << text; }
    std::string Read(const std::string& name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    // Runs `tevaro run` on a script of these lines; the exit status, and stderr in `errors`.
    int Run(const std::string& lines, std::string& errors) {
        Write("script.session", lines);
        const std::string command = "'" + tevaro_test::BuildPath("tevaro") + "' run '" + (folder_ / "script.session").string() +
                                    "' > '" + (folder_ / "stdout.txt").string() + "' 2> '" +
                                    (folder_ / "stderr.txt").string() + "'";
        const int status = std::system(command.c_str());
        errors = Read("stderr.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path folder_;
};

// A session that goes wrong, on which line, and a word of what the program says.
struct BadLine {
    const char* what;
    const char* lines;
    int line;
    const char* said;
};

// Names a case in test output.
void PrintTo(const BadLine& c, std::ostream* os) { *os << c.what; }

class SessionBadLine : public SessionBadInput, public ::testing::WithParamInterface<BadLine> {};

TEST_P(SessionBadLine, StopsTheRunNamingItsLineAndTheProblem) {
    const BadLine& c = GetParam();
    Write("bad.json", R"({"elements": [{"type": "roof", "id": "R1", "planes": [{"outer": [[0,0,3],[1,0,3],[1,1,9],[0,1,3]]}]}]})");
    std::string errors;
    EXPECT_NE(Run(c.lines, errors), 0);
    const std::string at = "script.session:" + std::to_string(c.line) + ":";
    EXPECT_NE(errors.find(at), std::string::npos) << errors;
    EXPECT_NE(errors.find(c.said), std::string::npos) << errors;
}

INSTANTIATE_TEST_SUITE_P(
    SessionBadInput, SessionBadLine,
    ::testing::Values(BadLine{"an unknown line", "open house.json\nfly away\n", 2, "unknown line"},
                      BadLine{"a menu that does not exist", "open house.json\nmenu place-chimney\n", 2, "menu needs"},
                      BadLine{"move without its distances", "open house.json\nmove R1 1\n", 2, "move needs"},
                      BadLine{"move by a text", "open house.json\nmove R1 one two\n", 2, "move needs"},
                      BadLine{"delete of no element", "open house.json\ndelete NOPE\n", 2, "NOPE"},
                      BadLine{"select of no element", "open house.json\nselect R1 NOPE\n", 2, "NOPE"},
                      BadLine{"an edge line short of arguments", "open house.json\nedge 1 2\n", 2, "edge needs"},
                      BadLine{"a dialog line with no dialog open", "open house.json\npick 20 2\n", 2, "never used"},
                      BadLine{"a point with no point input", "open house.json\npoint 1 1\n", 2, "never used"},
                      BadLine{"a missing model", "open nothing-here.json\n", 1, "nothing-here.json"},
                      BadLine{"a bad model", "open bad.json\n", 1, "bad.json"},
                      BadLine{"an expectation not met", "open house.json\nexpect-count roofs 7\n", 2, ""}));

TEST_F(SessionBadInput, ABadModelOpenedOverTheProjectLeavesTheSavedModelAlone) {
    std::string errors;
    ASSERT_EQ(Run("open house.json\nsave saved.json\n", errors), 0) << errors;
    const std::string saved = Read("saved.json");
    ASSERT_FALSE(saved.empty());
    Write("bad.json", R"({"elements": [{"type": "roof", "id": "R1"}]})");
    EXPECT_NE(Run("open house.json\nopen bad.json\nsave saved.json\n", errors), 0);
    EXPECT_NE(errors.find("bad.json"), std::string::npos) << errors;
    EXPECT_EQ(Read("saved.json"), saved);
}

TEST_F(SessionBadInput, BinaryJunkAsAScriptIsRefusedAtItsFirstLine) {
    std::string errors;
    EXPECT_NE(Run(std::string("\x7f" "ELF\x02\x01\x01\0\0\0\n\xff\xfe junk\n", 20), errors), 0);
    EXPECT_NE(errors.find("script.session:1:"), std::string::npos) << errors;
}

TEST_F(SessionBadInput, AMissingScriptIsNamed) {
    const std::string command = "'" + tevaro_test::BuildPath("tevaro") + "' run '" + (folder_ / "none.session").string() +
                                "' 2> '" + (folder_ / "stderr.txt").string() + "'";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0);
    EXPECT_NE(Read("stderr.txt").find("none.session"), std::string::npos);
}

}  // namespace
