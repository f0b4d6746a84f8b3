// Purpose: the program's exit codes tell the truth about bad input files: `tevaro catalogue` and
// `tevaro run` fail with a message naming the file when it is missing, a folder, unreadable, a
// device, binary or holds nothing of what it should; and the host's record lists stay bounded
// however long a session runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "common/AddOnFixture.h"
#include "host/Host.h"
#include "host/InputLimits.h"

namespace {

namespace fs = std::filesystem;

class ExitCodes : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("tevaro-exitcodes-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder_ / "locked", fs::perms::owner_all, ec);
        fs::remove_all(folder_);
    }

    // Runs `tevaro ARGS`; the exit code (-1 for a crash) and what it wrote on stderr.
    int Tevaro(const std::string& args, std::string& errors) {
        const std::string command = "'" + tevaro_test::BuildPath("tevaro") + "' " + args + " > '" +
                                    (folder_ / "stdout.txt").string() + "' 2> '" + (folder_ / "stderr.txt").string() + "'";
        const int status = std::system(command.c_str());
        std::ifstream in(folder_ / "stderr.txt");
        std::stringstream s;
        s << in.rdbuf();
        errors = s.str();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // A file in the test folder holding `text`; its path.
    std::string File(const std::string& name, const std::string& text) {
        std::ofstream(folder_ / name, std::ios::binary) << text;
        return (folder_ / name).string();
    }

    fs::path folder_;
};

// An input the command must refuse: its path and a piece of the message.
struct BadFile {
    const char* what;
    std::string path;
    const char* said;
};

TEST_F(ExitCodes, CatalogueFailsForAnInputThatIsNotACatalogueFile) {
    const std::string locked = File("locked", "[x]\n");
    fs::permissions(locked, fs::perms::none);
    const bool canLock = ::access(locked.c_str(), R_OK) != 0;  // root reads any file
    const BadFile cases[] = {
        {"a missing file", (folder_ / "none.ini").string(), "does not exist"},
        {"a folder", folder_.string(), "folder"},
        {"a device", "/dev/zero", "not a regular file"},
        {"binary junk", File("junk.ini", std::string("\x7f" "ELF\x02\x01\x01\0\0\0\xff\xfe", 12)), "zero byte"},
        {"text that holds no entry", File("prose.ini", "Dear reader,\nthis is not a catalogue.\n"), "no line"},
        {"an empty file", File("empty.ini", ""), "no line"},
    };
    for (const BadFile& c : cases) {
        std::string errors;
        EXPECT_EQ(Tevaro("catalogue '" + c.path + "'", errors), 1) << c.what << ": " << errors;
        EXPECT_NE(errors.find(c.path), std::string::npos) << c.what << ": " << errors;
        EXPECT_NE(errors.find(c.said), std::string::npos) << c.what << ": " << errors;
    }
    if (canLock) {
        std::string errors;
        EXPECT_EQ(Tevaro("catalogue '" + locked + "'", errors), 1) << errors;
        EXPECT_NE(errors.find("permission"), std::string::npos) << errors;
    }
    // The add-on folder without its Tevaro.ini fails the same way.
    std::string errors;
    EXPECT_EQ(Tevaro("catalogue --addon-folder '" + folder_.string() + "'", errors), 1) << errors;
    EXPECT_NE(errors.find("Tevaro.ini"), std::string::npos) << errors;
    // The sample catalogue still prints with exit 0.
    EXPECT_EQ(Tevaro("catalogue '" + tevaro_test::SourcePath("examples/Tevaro.ini") + "'", errors), 0) << errors;
}

TEST_F(ExitCodes, RunFailsForAScriptThatIsNotAFile) {
    const BadFile cases[] = {
        {"a missing script", (folder_ / "none.session").string(), "does not exist"},
        {"a folder", folder_.string(), "folder"},
        {"a device", "/dev/zero", "not a regular file"},
    };
    for (const BadFile& c : cases) {
        std::string errors;
        EXPECT_EQ(Tevaro("run '" + c.path + "'", errors), 2) << c.what << ": " << errors;
        EXPECT_NE(errors.find(c.path), std::string::npos) << c.what << ": " << errors;
        EXPECT_NE(errors.find(c.said), std::string::npos) << c.what << ": " << errors;
    }
    // `open` of a device or folder inside a script fails at its line instead of reading forever.
    std::string errors;
    EXPECT_EQ(Tevaro("run '" + File("dev.session", "open /dev/zero\n") + "'", errors), 1) << errors;
    EXPECT_NE(errors.find("dev.session:1:"), std::string::npos) << errors;
    EXPECT_EQ(Tevaro("run '" + File("dir.session", "open .\n") + "'", errors), 1) << errors;
    EXPECT_NE(errors.find("folder"), std::string::npos) << errors;
}

TEST(KeptRecords, AListPastItsLimitKeepsItsNewestEntriesAndCountsTheOnesLetGo) {
    std::vector<int> list;
    size_t released = 0;
    const size_t limit = 40;
    for (int i = 0; i < 1000; ++i) {
        host::AppendKept(list, i, limit, &released);
        ASSERT_LE(list.size(), limit);
        ASSERT_EQ(list.back(), i);  // the newest is always there
        ASSERT_EQ(released + list.size(), size_t(i) + 1);  // nothing is lost without being counted
        for (size_t k = 1; k < list.size(); ++k) ASSERT_EQ(list[k], list[k - 1] + 1);  // in order, no gaps
    }
    EXPECT_GE(list.size(), limit * 3 / 4);
}

TEST_F(ExitCodes, ALongSessionKeepsTheReportWindowBoundedAndStillEchoesEveryLine) {
    // Many tiling runs, each writing report lines; the saved report holds at most the kept lines,
    // and the echo on stdout has a line for every run (lines let go are not echoed twice or lost).
    std::string script;
    const int runs = 300;
    for (int i = 0; i < runs; ++i)
        script += "open house.json\nselect roofs\nmenu place-tiles\npick 20 2\npick 23 2\npick 27 2\npick 29 2\nok\nfinalize\n";
    script += "report report.txt\n";
    fs::copy_file(tevaro_test::SourcePath("tests/sessions/gable_house.json"), folder_ / "house.json");
    std::string errors;
    ASSERT_EQ(Tevaro("run '" + File("long.session", script) + "'", errors), 0) << errors;
    std::ifstream out(folder_ / "stdout.txt");
    size_t echoed = 0;
    for (std::string line; std::getline(out, line);) echoed += line.rfind("report: ", 0) == 0 ? 1 : 0;
    std::ifstream report(folder_ / "report.txt");
    size_t kept = 0;
    for (std::string line; std::getline(report, line);) ++kept;
    EXPECT_GE(echoed, size_t(runs));
    EXPECT_EQ(kept, echoed);  // under the limit nothing is let go
    EXPECT_LE(kept, host::kMaxReportLines);
}

}  // namespace
