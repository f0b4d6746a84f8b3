// Purpose: tests of the catalogue loader: section rules, parsing, list limits and the sample file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <cstring>
#include <fstream>
#include <ostream>
#include <string>

#include "Common_src/AddOnState.h"
#include "Common_src/Messages.h"
#include "catalogue/Catalogue.h"
#include "common/AddOnFixture.h"
#include "common/ProgramRun.h"
#include "host/Host.h"

namespace {

void Load(const std::string& text) { LoadCatalogueText(text.data(), text.size()); }

// A catalogue with two families and three types, used as the base of several cases.
const char* kBase =
    "[Cserepcsaladok]\n"
    "Agyag,AGY,1,2\n"
    "Beton,BET,3,4\n"
    "\n"
    "[Csereptipusok]\n"
    "Hullam,HUL,301,0.215,0.345,AGY,doc/hul.pdf\n"
    "Sik,SIK,302,0.3,0.335,BET,\n"
    "Nagy,NAGY,303,0.3,0.4,BET,doc/nagy.pdf\n"
    "\n";

std::string Repeat(char c, size_t n) { return std::string(n, c); }

class CatalogueLoader : public ::testing::Test {
protected:
    void SetUp() override { tevaro_test::InstallHostOnly(); }
    void TearDown() override { ClearCatalogue(); }
    size_t DialogReports() const {
        size_t n = 0;
        for (const host::ReportLine& l : host::gSession.reportLines) n += l.withDialog ? 1 : 0;
        return n;
    }
};

TEST_F(CatalogueLoader, FamiliesAndTypesAreStoredInOrderWithTheirFamily) {
    Load(kBase);
    const Catalogue& c = gCatalogue;
    EXPECT_STREQ(c.families[0].name, "Agyag");
    EXPECT_STREQ(c.families[1].code, "BET");
    EXPECT_EQ(c.families[1].number1, 3);
    EXPECT_EQ(c.families[1].number2, 4);
    EXPECT_EQ(c.families[0].typeCount, 1);
    EXPECT_EQ(c.families[1].typeCount, 2);
    EXPECT_EQ(c.families[2].typeCount, 0);
    EXPECT_STREQ(c.families[1].types[1].code, "NAGY");
    EXPECT_EQ(c.families[1].types[1].icon, 303);
    EXPECT_STREQ(c.families[1].types[1].link, "doc/nagy.pdf");
    EXPECT_STREQ(c.families[1].types[0].link, "");
    EXPECT_FALSE(c.familyOverflow);
}

TEST_F(CatalogueLoader, TileWidthIsParsedInSinglePrecisionThenWidened) {
    Load(kBase);
    const TileType* sik = FindTileType("SIK");
    ASSERT_NE(sik, nullptr);
    EXPECT_EQ(sik->tileY, 0.33500000834465027);
    EXPECT_NE(sik->tileY, 0.335);
    EXPECT_EQ(sik->tileX, double(0.3f));
}

TEST_F(CatalogueLoader, NumberFieldsSkipLeadingSpacesAndIgnoreTrailingCharacters) {
    Load(std::string(kBase) +
         "[Szinek]\nHUL\nVoros, VO, 30101xyz\nBarna,BA,abc\n Antik ,ANT,  -7\n\n");
    const TileType* t = FindTileType("HUL");
    ASSERT_EQ(t->colourCount, 3);
    EXPECT_EQ(t->colours[0].number, 30101);
    EXPECT_STREQ(t->colours[0].code, " VO");  // spaces belong to the field
    EXPECT_EQ(t->colours[1].number, 0);      // unreadable number
    EXPECT_STREQ(t->colours[2].name, " Antik ");
    EXPECT_EQ(t->colours[2].number, -7);
}

TEST_F(CatalogueLoader, AccessoryFlagsAreZeroOnlyWhenTheFieldStartsWithZero) {
    Load(std::string(kBase) +
         "[Kiegeszitok]\nHUL\n"
         "Szellozo,SZ,30801,1,0,10,0\n"
         "Hago,HA,30802,,x, 4,01\n"
         "Kibuvo,KI,30803, 0,0\n"
         "\n");
    const TileType* t = FindTileType("HUL");
    ASSERT_EQ(t->accessoryCount, 3);
    const TypeAccessory& a = t->accessories[0];
    EXPECT_EQ(a.image, 30801);
    EXPECT_EQ(a.rowAllowed, 1);
    EXPECT_EQ(a.rowByCount, 0);
    EXPECT_EQ(a.rowCount, 10);
    EXPECT_EQ(a.flag3, 0);
    const TypeAccessory& b = t->accessories[1];
    EXPECT_EQ(b.rowAllowed, 1);  // an empty flag field is 1
    EXPECT_EQ(b.rowByCount, 1);
    EXPECT_EQ(b.rowCount, 4);
    EXPECT_EQ(b.flag3, 0);
    // Fewer fields than the section defines: the missing flags and numbers are 0.
    const TypeAccessory& k = t->accessories[2];
    EXPECT_EQ(k.rowAllowed, 1);  // " 0" does not start with "0"
    EXPECT_EQ(k.rowByCount, 0);
    EXPECT_EQ(k.rowCount, 0);
    EXPECT_EQ(k.flag3, 0);
}

TEST_F(CatalogueLoader, LinesWithFewerFieldsLeaveTheRestEmpty) {
    Load("[Cserepcsaladok]\nAgyag,AGY\n\n[Csereptipusok]\nCsak nev\nFel,FEL,5,0.3,0.4,AGY\n\n"
         "[Folia]\nNincs\n\n");
    EXPECT_EQ(gCatalogue.families[0].typeCount, 1);  // the line without a family code matches none
    const TileType* t = FindTileType("FEL");
    ASSERT_NE(t, nullptr);
    EXPECT_STREQ(t->link, "");
    ASSERT_EQ(gCatalogue.foilCount, 1);
    EXPECT_STREQ(gCatalogue.foils[0].name, "Nincs");
    EXPECT_STREQ(gCatalogue.foils[0].code, "");
    EXPECT_EQ(gCatalogue.foils[0].number, 0);
}

TEST_F(CatalogueLoader, EndOfFileClosesTheLastSectionLikeAnEmptyLine) {
    // Ending on a line feed or on the last data line gives the same counts as a closing empty line.
    for (const char* ending : {"TF2,TF2,2,link\n", "TF2,TF2,2,link", "TF2,TF2,2,link\n\n"}) {
        Load(std::string(kBase) + "[Folia]\nTF1,TF1,1,link\n" + ending);
        EXPECT_EQ(gCatalogue.foilCount, 2) << ending;
        EXPECT_STREQ(gCatalogue.foils[1].code, "TF2");
    }
    Load(std::string(kBase) + "[Napelemek]\nPanel,P1,1,ANT\n");
    EXPECT_EQ(gCatalogue.solarPanelCount, 1);
    // A per-type list closed by the end of the file counts its lines after the key line.
    Load(std::string(kBase) + "[Szinek]\nHUL\nVoros,VO,1\nBarna,BA,2");
    EXPECT_EQ(FindTileType("HUL")->colourCount, 2);
    Load("[Cserepcsaladok]\nAgyag,AGY,1,1\n\n[Csereptipusok]\nHullam,HUL,1,0.2,0.3,AGY,");
    EXPECT_EQ(gCatalogue.families[0].typeCount, 1);
    Load("[Utvonal]\nelso/\nmasodik/\nharmadik/");
    EXPECT_STREQ(gCatalogue.paths[0], "elso/");
    EXPECT_STREQ(gCatalogue.paths[1], "masodik/");
}

TEST_F(CatalogueLoader, ColourLineInPlaceOfTheKeyMatchesNoType) {
    Load(std::string(kBase) + "[Szinek]\nVoros,HUL,30101\nBarna,BA,30102\n\n");
    for (int f = 0; f < kMaxFamilies; ++f)
        for (int t = 0; t < gCatalogue.families[f].typeCount; ++t)
            EXPECT_EQ(gCatalogue.families[f].types[t].colourCount, 0);
}

TEST_F(CatalogueLoader, HeadersAreRecognisedOnlyExactlyAndBetweenSections) {
    Load(std::string(kBase) +
         "; megjegyzes\n"
         "[Folia] \nA,A,1,\n\n"   // trailing space: not a header, its lines are stray text
         "[folia]\nB,B,1,\n\n"    // other case: the same
         "[Hofogas]\nNincs,N\n[Folia]\nC,C,1,\n\n");  // a header inside a section is a data line
    EXPECT_EQ(gCatalogue.foilCount, 0);
    ASSERT_EQ(gCatalogue.snowGuardingModeCount, 3);
    EXPECT_STREQ(gCatalogue.snowGuardingModes[1].name, "[Folia]");
    EXPECT_STREQ(gCatalogue.snowGuardingModes[2].code, "C");
}

TEST_F(CatalogueLoader, CarriageReturnLineEndsAndTextAfterAZeroByte) {
    std::string text = "[Cserepcsaladok]\r\nAgyag,AGY,1,1\r\n\r\n[Vesztesegszorzo]\r\n1.00\r\n1.05,megjegyzes\r\n\r\n";
    text += std::string(1, '\0') + "[Folia]\nX,X,1,\n\n";
    LoadCatalogueText(text.data(), text.size());
    EXPECT_STREQ(gCatalogue.families[0].code, "AGY");
    ASSERT_EQ(gCatalogue.lossMultiplierCount, 2);
    EXPECT_STREQ(gCatalogue.lossMultipliers[1], "1.05");  // only the first field
    EXPECT_EQ(gCatalogue.foilCount, 0);
}

TEST_F(CatalogueLoader, TwoFamiliesWithOneCodeBothReceiveTheType) {
    Load("[Cserepcsaladok]\nElso,KOZ,1,1\nMasodik,KOZ,2,2\n\n"
         "[Csereptipusok]\nHullam,HUL,1,0.2,0.3,KOZ,\n\n"
         "[Rakasi mod]\nHUL\nKotesben,KOT\n\n");
    ASSERT_EQ(gCatalogue.families[0].typeCount, 1);
    ASSERT_EQ(gCatalogue.families[1].typeCount, 1);
    // The per-type section fills the first match only.
    EXPECT_EQ(gCatalogue.families[0].types[0].layingModeCount, 1);
    EXPECT_EQ(gCatalogue.families[1].types[0].layingModeCount, 0);
}

TEST_F(CatalogueLoader, FifthFamilyIsIgnored) {
    Load("[Cserepcsaladok]\nA,A,1,1\nB,B,1,1\nC,C,1,1\nD,D,1,1\nE,E,1,1\n\n"
         "[Csereptipusok]\nT,T,1,0.2,0.3,E,\n\n");
    EXPECT_STREQ(gCatalogue.families[3].code, "D");
    EXPECT_EQ(FindTileType("T"), nullptr);
}

TEST_F(CatalogueLoader, The128thTypeOfAFamilyIsDroppedAndRow90Reported) {
    std::string text = "[Cserepcsaladok]\nTele,TELE,1,1\nMasik,MAS,1,1\n\n[Csereptipusok]\n";
    for (int i = 0; i < 130; ++i) text += "Tipus " + std::to_string(i) + ",T" + std::to_string(i) + ",1,0.2,0.3,TELE,\n";
    text += "Masik tipus,M1,1,0.2,0.3,MAS,\n\n";
    Load(text);
    EXPECT_EQ(gCatalogue.families[0].typeCount, 127);
    EXPECT_STREQ(gCatalogue.families[0].types[126].code, "T126");
    EXPECT_EQ(FindTileType("T127"), nullptr);
    EXPECT_EQ(gCatalogue.families[0].types[127].code[0], '\0');  // the spare slot stays empty
    EXPECT_EQ(gCatalogue.families[1].typeCount, 1);              // other families go on
    EXPECT_TRUE(gCatalogue.familyOverflow);
    ASSERT_EQ(DialogReports(), 1u);  // three types dropped, one message
    EXPECT_EQ(host::gSession.lastMessage, std::string(GetMessage(kMsgFamilyOverflow)));
    EXPECT_NE(host::gSession.lastMessage, std::string(GetMessage(kMsgTooManyAccessories)));
}

TEST_F(CatalogueLoader, ListsNeverGrowPastTheirLimits) {
    std::string text = std::string(kBase) + "[Folia]\n";
    for (int i = 0; i < 130; ++i) text += "F" + std::to_string(i) + ",F" + std::to_string(i) + ",1,\n";
    text += "\n[Rakasi mod]\nHUL\n";
    for (int i = 0; i < 6; ++i) text += "M" + std::to_string(i) + ",M" + std::to_string(i) + "\n";
    text += "\n[Kiegeszitok]\nHUL\n";
    for (int i = 0; i < 105; ++i) text += "K,K" + std::to_string(i) + ",1,1,1,1,1\n";
    text += "\n[Szinek]\nHUL\n";
    for (int i = 0; i < 200; ++i) text += "C,C" + std::to_string(i) + ",1\n";
    text += "\n";
    Load(text);
    const TileType* t = FindTileType("HUL");
    EXPECT_EQ(gCatalogue.foilCount, 128);
    EXPECT_STREQ(gCatalogue.foils[127].code, "F127");
    EXPECT_EQ(gCatalogue.solarCollectorCount, 0);  // the neighbouring table is untouched
    EXPECT_EQ(t->layingModeCount, 4);
    EXPECT_STREQ(t->layingModes[3].code, "M3");
    EXPECT_EQ(t->accessoryCount, 100);
    EXPECT_STREQ(t->accessories[99].code, "K99");
    EXPECT_EQ(t->colourCount, 128);
    EXPECT_DOUBLE_EQ(t->tileX, double(0.215f));  // fields after the full lists are untouched
}

TEST_F(CatalogueLoader, OverlongTextsAreCutAndStayZeroTerminated) {
    Load(std::string(kBase) + "[Folia]\n" + Repeat('n', 100) + ",ABCDEFGHIJ,7," + Repeat('l', 300) + "\n\n");
    ASSERT_EQ(gCatalogue.foilCount, 1);
    const FoilEntry& f = gCatalogue.foils[0];
    EXPECT_EQ(std::strlen(f.name), 63u);
    EXPECT_STREQ(f.code, "ABCDEFG");
    EXPECT_EQ(f.number, 7);  // the fields after a cut one are still read
    EXPECT_EQ(std::strlen(f.link), 255u);
    Load("[Napelemek]\nPanel,NE300,30711,FEKETEXX\n\n");
    EXPECT_STREQ(gCatalogue.solarPanels[0].colourCode, "FEKETEX");
    EXPECT_EQ(gCatalogue.solarPanels[0].image, 30711);
}

TEST_F(CatalogueLoader, LineOf512BytesOrMoreIsCutAndTheNextLineReadOnItsOwn) {
    const std::string longLink = Repeat('x', 700);
    Load(std::string(kBase) + "[Folia]\nHosszu,H,1," + longLink + "\nRovid,R,2,r\n\n");
    ASSERT_EQ(gCatalogue.foilCount, 2);
    EXPECT_EQ(std::strlen(gCatalogue.foils[0].link), 255u);
    EXPECT_STREQ(gCatalogue.foils[1].code, "R");
    // A long path line keeps its first 511 bytes.
    Load("[Utvonal]\n" + Repeat('p', 600) + "\n\n");
    EXPECT_EQ(std::strlen(gCatalogue.paths[0]), 511u);
}

TEST_F(CatalogueLoader, PerKeySectionWithUnknownKeyChangesNothing) {
    Load(std::string(kBase) + "[Hofogo]\nNINCSILYEN\nRacs,R\n\n[Hofogo]\nHUL\nNincs,N\nRacs,R\n\n");
    EXPECT_EQ(FindTileType("HUL")->snowGuardCount, 2);
    EXPECT_EQ(FindTileType("SIK")->snowGuardCount, 0);
    EXPECT_EQ(FindTileType("NAGY")->snowGuardCount, 0);
}

TEST_F(CatalogueLoader, PerKeySectionReadAgainStartsOverAtIndexZero) {
    Load(std::string(kBase) + "[Gerinccserepek]\nSIK\nA,A\nB,B\nC,C\n\n[Gerinccserepek]\nSIK\nD,D\n\n");
    const TileType* t = FindTileType("SIK");
    EXPECT_EQ(t->ridgeTileCount, 1);
    EXPECT_STREQ(t->ridgeTiles[0].code, "D");
}

TEST_F(CatalogueLoader, KindColoursNeedTheKindsListClosedFirst) {
    Load("[Vapatipus]\nNincs,NINCS\nFem,FEM\n\n[Vapa szin]\nFEM\nVoros,VO,30921\nBarna,BA,30922\n\n"
         "[Gerinctipusok]\nSzaraz,SZ\n"  // no closing blank line: the colour section is read as kinds
         "[Gerinc szin]\nSZ\nVoros,VO,1\n\n");
    ASSERT_EQ(gCatalogue.valleyTypeCount, 2);
    EXPECT_EQ(gCatalogue.valleyTypes[0].colourCount, 0);
    ASSERT_EQ(gCatalogue.valleyTypes[1].colourCount, 2);
    EXPECT_EQ(gCatalogue.valleyTypes[1].colours[1].number, 30922);
    ASSERT_EQ(gCatalogue.ridgeTypeCount, 4);
    EXPECT_STREQ(gCatalogue.ridgeTypes[1].name, "[Gerinc szin]");
    EXPECT_EQ(gCatalogue.ridgeTypes[0].colourCount, 0);
}

// A catalogue file that cannot be used: how to make it (its path), and what is wrong with it.
struct UnusableFile {
    const char* what;
    std::string (*path)();
};

// Names a case in test output.
void PrintTo(const UnusableFile& c, std::ostream* os) { *os << c.what; }

// A file that does not exist.
std::string MissingFile() { return "/nonexistent-folder-of-tevaro/Tevaro.ini"; }
// An empty file.
std::string EmptyFile() {
    return tevaro_test::WriteTempFile("empty.ini", "").string();
}
// A file with a foil list and no tile types.
std::string FileWithoutTileTypes() {
    return tevaro_test::WriteTempFile("no-types.ini", "[Folia]\nF,F,1,\n\n").string();
}
// A folder named like the catalogue.
std::string FolderNamedLikeTheCatalogue() {
    const std::string path = (tevaro_test::FreshFolder("catalogue-folder-case") / "Tevaro.ini").string();
    std::filesystem::create_directories(path);
    return path;
}
// A device, not a regular file.
std::string NotARegularFile() { return "/dev/null"; }

class UnusableCatalogue : public CatalogueLoader, public ::testing::WithParamInterface<UnusableFile> {};

TEST_P(UnusableCatalogue, LeavesTheCatalogueEmptyAndSaysWhereOnce) {
    const std::string path = GetParam().path();
    Load(kBase);
    host::gSession.reportLines.clear();
    LoadCatalogueFile(path.c_str());
    EXPECT_EQ(gCatalogue.families[0].typeCount, 0);
    EXPECT_EQ(gCatalogue.families[0].code[0], '\0');
    ASSERT_EQ(DialogReports(), 1u);
    EXPECT_NE(host::gSession.reportLines[0].text.find(path), std::string::npos);
    EXPECT_TRUE(host::gSession.alerts.empty());
    // what this case made is named after the test process ("tevaro-..."): a file, or a folder's folder
    const std::filesystem::path made(path);
    if (made.parent_path().filename().string().rfind("tevaro-", 0) == 0) std::filesystem::remove_all(made.parent_path());
    else if (made.filename().string().rfind("tevaro-", 0) == 0) std::filesystem::remove(made);
}

INSTANTIATE_TEST_SUITE_P(CatalogueLoader, UnusableCatalogue,
                         ::testing::Values(UnusableFile{"Missing", MissingFile}, UnusableFile{"Empty", EmptyFile},
                                           UnusableFile{"WithoutTileTypes", FileWithoutTileTypes},
                                           UnusableFile{"AFolder", FolderNamedLikeTheCatalogue},
                                           UnusableFile{"NotARegularFile", NotARegularFile}),
                         [](const ::testing::TestParamInfo<UnusableFile>& info) {
                             return std::string(info.param.what);
                         });

TEST_F(CatalogueLoader, AFolderNamedLikeTheCatalogueInTheAddOnFolderThrowsNothing) {
    const std::string folder = ::testing::TempDir() + "tevaro_addon_with_folder/";
    std::filesystem::create_directories(folder + "Tevaro.ini");
    std::snprintf(gState.addOnFolder, sizeof gState.addOnFolder, "%s", folder.c_str());
    EXPECT_NO_THROW(LoadCatalogue());
    EXPECT_EQ(DialogReports(), 1u);
    std::filesystem::remove_all(folder);
}

TEST_F(CatalogueLoader, TileTypesWithUnusableSizesAreReportedOnceEachAndLeftOut) {
    Load("[Cserepcsaladok]\nAgyag,AGY,1,1\n\n[Csereptipusok]\n"
         "Jo,JO,1,0.2,0.3,AGY,\n"
         "Nan,NAN,1,nan,0.3,AGY,\n"
         "Nulla,NUL,1,0,0.3,AGY,\n"
         "Negativ,NEG,1,0.2,-0.3,AGY,\n"
         "Apro,APR,1,1e-30,0.3,AGY,\n"
         "Vegtelen,INF,1,0.2,inf,AGY,\n"
         "Hiany,HIA,1,,,AGY,\n"
         "Masik,MAS,1,0.3,0.4,AGY,\n\n"
         "[Szinek]\nMAS\nVoros,VO,1\n\n");
    const TileFamily& f = gCatalogue.families[0];
    ASSERT_EQ(f.typeCount, 2);
    EXPECT_STREQ(f.types[0].code, "JO");
    EXPECT_STREQ(f.types[1].code, "MAS");
    EXPECT_EQ(f.types[1].colourCount, 1);  // later sections still find the types that were kept
    ASSERT_EQ(DialogReports(), 6u);
    const char* dropped[] = {"NAN", "NUL", "NEG", "APR", "INF", "HIA"};
    for (int i = 0; i < 6; ++i)
        EXPECT_NE(host::gSession.reportLines[size_t(i)].text.find(dropped[i]), std::string::npos) << dropped[i];
    for (int t = 0; t < f.typeCount; ++t) {
        EXPECT_TRUE(std::isfinite(f.types[t].tileX) && f.types[t].tileX >= kMinTileSize);
        EXPECT_TRUE(std::isfinite(f.types[t].tileY) && f.types[t].tileY <= kMaxTileSize);
    }
}

TEST_F(CatalogueLoader, NumbersBeyondTheirFieldAreNotWrappedAndHugeSizesAreRefused) {
    Load("[Cserepcsaladok]\nAgyag,AGY,70000,-40000\n\n[Csereptipusok]\n"
         "Nagy,NGY,1,1e300,0.3,AGY,\nJo,JO,65537,0.2,0.3,AGY,\n\n"
         "[Szinek]\nJO\nVoros,VO,32767\nKek,KE,32768\n\n");
    EXPECT_EQ(gCatalogue.families[0].number1, 0);  // not 70000 wrapped to 4464
    EXPECT_EQ(gCatalogue.families[0].number2, 0);
    ASSERT_EQ(gCatalogue.families[0].typeCount, 1);  // the type of 1e300 metres is left out
    const TileType& t = gCatalogue.families[0].types[0];
    EXPECT_EQ(t.icon, 0);
    ASSERT_EQ(t.colourCount, 2);
    EXPECT_EQ(t.colours[0].number, 32767);
    EXPECT_EQ(t.colours[1].number, 0);
    EXPECT_EQ(DialogReports(), 1u);
}

TEST_F(CatalogueLoader, LossMultipliersOutsideTheirRangeAreReportedAndLeftOut) {
    Load("[Vesztesegszorzo]\n1.00\n1e308\nnan\nsok\n0.5\n1.10\n-1\n2.00\n\n");
    ASSERT_EQ(gCatalogue.lossMultiplierCount, 3);
    EXPECT_STREQ(gCatalogue.lossMultipliers[0], "1.00");
    EXPECT_STREQ(gCatalogue.lossMultipliers[1], "1.10");
    EXPECT_STREQ(gCatalogue.lossMultipliers[2], "2.00");
    EXPECT_EQ(DialogReports(), 5u);
    for (int32_t i = 0; i < gCatalogue.lossMultiplierCount; ++i) {
        const double m = std::strtod(gCatalogue.lossMultipliers[i], nullptr);
        EXPECT_TRUE(m >= kMinLossMultiplier && m <= kMaxLossMultiplier) << m;
    }
}

TEST_F(CatalogueLoader, LoadCatalogueReadsTevaroIniInTheAddOnFolder) {
    const std::string folder = ::testing::TempDir();
    { std::ofstream(folder + "Tevaro.ini", std::ios::binary) << kBase; }
    std::snprintf(gState.addOnFolder, sizeof gState.addOnFolder, "%s", folder.c_str());
    LoadCatalogue();
    EXPECT_EQ(gCatalogue.families[1].typeCount, 2);
    std::remove((folder + "Tevaro.ini").c_str());
}

TEST_F(CatalogueLoader, LookupsFollowFamilyOrderAndStayInRange) {
    Load("[Cserepcsaladok]\nA,A,1,1\nB,B,1,1\n\n[Csereptipusok]\nElso,X,1,0.2,0.3,B,\nMasodik,X,2,0.2,0.3,A,\n\n");
    int f = -1, t = -1;
    const TileType* x = FindTileType("X", &f, &t);
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(f, 0);
    EXPECT_STREQ(x->name, "Masodik");
    EXPECT_EQ(TileTypeAt(1, 0), &gCatalogue.families[1].types[0]);
    EXPECT_EQ(TileTypeAt(1, 1), nullptr);
    EXPECT_EQ(TileTypeAt(4, 0), nullptr);
    EXPECT_EQ(TileTypeAt(-1, 0), nullptr);
    EXPECT_EQ(FindTileType("x"), nullptr);  // codes are case-sensitive
}

// The sample catalogue shipped beside the add-on.
TEST_F(CatalogueLoader, SampleCatalogueOffersARealisticRange) {
    LoadCatalogueFile(TEVARO_SOURCE_DIR "/examples/Tevaro.ini");
    const Catalogue& c = gCatalogue;
    int families = 0, types = 0;
    for (const TileFamily& f : c.families) {
        families += f.code[0] != '\0' ? 1 : 0;
        types += f.typeCount;
        for (int32_t i = 0; i < f.typeCount; ++i) {
            const TileType& t = f.types[i];
            EXPECT_GT(t.colourCount, 0) << t.code;
            EXPECT_GT(t.ridgeTileCount, 0) << t.code;
            EXPECT_GT(t.accessoryCount, 0) << t.code;
            EXPECT_GT(t.layingModeCount, 0) << t.code;
            EXPECT_GT(t.snowGuardCount, 1) << t.code;
            EXPECT_GT(t.tileX, 0.1) << t.code;  // real tiles: 10-50 cm
            EXPECT_LT(t.tileY, 0.5) << t.code;
            EXPECT_NE(t.link[0], '\0') << t.code;
        }
    }
    EXPECT_GE(families, 3);
    EXPECT_GE(types, 8);
    EXPECT_FALSE(c.familyOverflow);
    EXPECT_GE(c.foilCount, 2);
    EXPECT_GE(c.valleyTypeCount, 2);
    EXPECT_GE(c.snowGuardingModeCount, 2);
    EXPECT_EQ(c.lossMultiplierCount, 3);
    EXPECT_STREQ(c.lossMultipliers[2], "1.10");
    EXPECT_GT(c.display2DCount, 0);
    EXPECT_GT(c.solarCollectorCount, 0);
    EXPECT_GT(c.solarPanelCount, 0);
    // Every accessory of a type has an accessory type of its code with a colour.
    const TileType* first = TileTypeAt(0, 0);
    for (int16_t a = 0; a < first->accessoryCount; ++a) {
        const ColouredKind* k = FindColouredKind(c.accessoryTypes, c.accessoryTypeCount, first->accessories[a].code);
        ASSERT_NE(k, nullptr) << first->accessories[a].code;
        EXPECT_GT(k->colourCount, 0);
    }
    // Some accessories may be laid in rows, some only by count.
    bool row = false, single = false;
    for (int16_t a = 0; a < first->accessoryCount; ++a) (first->accessories[a].rowAllowed ? row : single) = true;
    EXPECT_TRUE(row && single);
    // The first foil and valley type stand for "nothing chosen" and carry nothing.
    EXPECT_EQ(c.foils[0].link[0], '\0');
    EXPECT_EQ(c.valleyTypes[0].colourCount, 0);
    EXPECT_GT(c.valleyTypes[1].colourCount, 0);
}

}  // namespace
