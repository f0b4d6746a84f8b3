// Purpose: tests of `tevaro catalogue`: the printed JSON of the sample and of edge-case files.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

namespace {

// Runs the program with these arguments and returns what it printed on its standard output.
std::string RunProgram(const std::string& args, int* status) {
    const std::string command = std::string(TEVARO_BUILD_DIR) + "/tevaro catalogue " + args + " 2>/dev/null";
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    *status = pclose(pipe);
    return out;
}

// Writes a catalogue file into the test folder and returns its path.
std::string WriteCatalogue(const std::string& name, const std::string& text) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

TEST(CatalogueCommand, PrintsTheDefaultSampleCatalogue) {
    int status = -1;
    const std::string out = RunProgram("", &status);
    ASSERT_EQ(status, 0);
    const nlohmann::json j = nlohmann::json::parse(out);
    EXPECT_FALSE(j["familyOverflow"].get<bool>());
    EXPECT_EQ(j["families"].size(), 4u);
    EXPECT_EQ(j["families"][1]["types"]["entries"][0]["code"], "HULB");
    EXPECT_EQ(j["lossMultipliers"]["entries"][2], "1.10");
    // A tile length written 0.335 reads back as the widened single-precision value.
    EXPECT_NE(out.find("\"tileY\": 0.33500000834465027"), std::string::npos);
    EXPECT_EQ(j["families"][1]["types"]["entries"][0]["tileY"].get<double>(), 0.33500000834465027);
}

TEST(CatalogueCommand, PrintsCountsAndOverflowAsTheLoaderLeftThem) {
    std::string text = "[Cserepcsaladok]\nElso,KOZ,1,1\nMasodik,KOZ,2,2\n\n[Csereptipusok]\n";
    for (int i = 0; i < 128; ++i) text += "T" + std::to_string(i) + ",T" + std::to_string(i) + ",1,0.335,0.4,KOZ,\n";
    text += "\n[Hofogas] \nRejtett,R\n\n[Folia]\nF,F,1,link";  // a header with a trailing space; no closing line
    int status = -1;
    const nlohmann::json j = nlohmann::json::parse(RunProgram(WriteCatalogue("edges.ini", text), &status));
    ASSERT_EQ(status, 0);
    EXPECT_TRUE(j["familyOverflow"].get<bool>());
    EXPECT_EQ(j["families"][0]["types"]["count"], 127);
    EXPECT_EQ(j["families"][1]["types"]["count"], 127);  // one code, two families
    EXPECT_EQ(j["snowGuardingModes"]["count"], 0);
    EXPECT_EQ(j["foils"]["count"], 1);  // the end of the file closes the last section
}

}  // namespace
