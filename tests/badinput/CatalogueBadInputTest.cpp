// Purpose: catalogue files of junk: binary bytes, a file of one endless line, the sample with
// junk spliced in. The loader never reads or writes past a field, keeps every count within its
// list, and still reads the good lines around the junk.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "catalogue/Catalogue.h"
#include "common/AddOnFixture.h"

namespace {

// True when a fixed-size text field ends with a zero byte inside the field.
template <size_t N>
bool Terminated(const char (&field)[N]) {
    return std::memchr(field, 0, N) != nullptr;
}

// Every count within its list and every stored text terminated inside its field.
void ExpectCatalogueWithinBounds(const std::string& what) {
    const Catalogue& c = gCatalogue;
    for (const TileFamily& f : c.families) {
        EXPECT_TRUE(Terminated(f.name) && Terminated(f.code)) << what;
        EXPECT_GE(f.typeCount, 0) << what;
        EXPECT_LE(f.typeCount, kMaxTypesPerFamily) << what;
        for (int t = 0; t < f.typeCount && t < kMaxTypesPerFamily; ++t) {
            const TileType& type = f.types[t];
            EXPECT_TRUE(Terminated(type.name) && Terminated(type.code) && Terminated(type.link)) << what;
            EXPECT_GE(type.colourCount, 0) << what;
            EXPECT_LE(type.colourCount, kMaxListEntries) << what;
            EXPECT_LE(type.accessoryCount, kMaxTypeAccessories) << what;
            EXPECT_LE(type.layingModeCount, kMaxLayingModes) << what;
        }
    }
    for (int32_t n : {c.ridgeTypeCount, c.valleyTypeCount, c.accessoryTypeCount, c.foilCount, c.solarCollectorCount,
                      c.solarPanelCount, c.lossMultiplierCount, c.snowGuardingModeCount, c.display2DCount}) {
        EXPECT_GE(n, 0) << what;
        EXPECT_LE(n, kMaxListEntries) << what;
    }
    EXPECT_TRUE(Terminated(c.paths[0]) && Terminated(c.paths[1])) << what;
}

std::string SampleCatalogue() {
    std::ifstream in(tevaro_test::SourcePath("examples/Tevaro.ini"), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class CatalogueBadInput : public ::testing::Test {
protected:
    void SetUp() override { tevaro_test::InstallHostOnly(); }
    void TearDown() override { ClearCatalogue(); }
    static void Load(const std::string& text) { LoadCatalogueText(text.data(), text.size()); }
};

TEST_F(CatalogueBadInput, BinaryJunkLoadsWithinBounds) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 50; ++round) {
        std::string junk(size_t(1 + random() % 20000), '\0');
        for (char& ch : junk) ch = char(random() % 256);
        // Half the rounds keep section headers in the junk so the parsers behind them run too.
        if (round % 2 == 1) junk = "[Cserepcsaladok]\n" + junk + "\n\n[Csereptipusok]\n" + junk + "\n\n[Szinek]\n" + junk;
        Load(junk);
        ExpectCatalogueWithinBounds("junk round " + std::to_string(round));
        ClearCatalogue();
    }
}

TEST_F(CatalogueBadInput, OneEndlessLineOfFieldsIsCutAndTheLinesAfterItAreRead) {
    std::string text = "[Cserepcsaladok]\n" + std::string(1 << 20, ',') + "\nAgyag,AGY,1,2\n\n[Csereptipusok]\n";
    for (int i = 0; i < 20000; ++i) text += "Hullam hosszu nevvel " + std::to_string(i) + ",";
    text += "\nSik,SIK,302,0.3,0.335,AGY,\n\n";
    Load(text);
    ExpectCatalogueWithinBounds("endless line");
    // The family line after the endless one is the second family slot's.
    EXPECT_STREQ(gCatalogue.families[1].code, "AGY");
    ASSERT_EQ(FindTileType("SIK") != nullptr, true);
}

TEST_F(CatalogueBadInput, JunkSplicedIntoTheSampleLeavesTheOtherSectionsRead) {
    const std::string sample = SampleCatalogue();
    ASSERT_FALSE(sample.empty());
    Load(sample);
    const int32_t foils = gCatalogue.foilCount;
    const int32_t lossMultipliers = gCatalogue.lossMultiplierCount;
    ASSERT_GT(foils, 0);
    ClearCatalogue();
    // Junk lines (no zero bytes: a zero ends the text) just before the foil section.
    const size_t at = sample.find("[Folia");
    ASSERT_NE(at, std::string::npos);
    std::string junk;
    for (int i = 0; i < 300; ++i) junk += std::string(600, char(0x80 + i % 100)) + ",\xff\xfe,,,\n";
    Load(sample.substr(0, at) + junk + "\n" + sample.substr(at));
    ExpectCatalogueWithinBounds("spliced");
    EXPECT_EQ(gCatalogue.foilCount, foils);
    EXPECT_EQ(gCatalogue.lossMultiplierCount, lossMultipliers);
    EXPECT_NE(FindTileType("NAGYA"), nullptr);
}

}  // namespace
