// Purpose: tests that the shared vocabulary agrees with the files it names: the library parts'
// identifiers and parameter names with the library files that define the parts, and the resource
// numbers with the add-on's resources.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "Common_src/AddOnEntry.h"
#include "Common_src/LibPartIds.h"
#include "Common_src/ParamNames.h"
#include "Common_src/ResourceIds.h"
#include "common/AddOnFixture.h"
#include "host/Host.h"

namespace {

// A library file of the sources, parsed.
nlohmann::json LibraryFile(const std::string& path) {
    std::ifstream in(tevaro_test::SourcePath(path));
    std::stringstream text;
    text << in.rdbuf();
    return nlohmann::json::parse(text.str());
}

// The part of a library file whose unique identifier has this main identifier; null when none.
const nlohmann::json* PartOf(const nlohmann::json& library, const char* mainId) {
    for (const nlohmann::json& part : library.at("parts"))
        if (part.at("unId").get<std::string>().compare(0, kMainIdLength, mainId) == 0) return &part;
    return nullptr;
}

// True when the part declares a parameter of that name.
bool HasParam(const nlohmann::json& part, const char* name) {
    for (const nlohmann::json& p : part.at("params"))
        if (p.at("name").get<std::string>() == name) return true;
    return false;
}

struct PartNames {
    const char* file;
    const char* mainId;
    std::vector<const char*> params;
};

const PartNames kParts[] = {
    {"objectlib/TevaroTmp.lib.json", kTileSurfaceMainId,
     {kParamEdgeStatuses, kParamNodes, kParamSurfaceArea, kParamAccessories, kParamAccessoryCount,
      kParamAccessoryCodes, kParamAccessoryColours, kParamPitch, kParamTileFamily, kParamTileColour, kParamEdgeTiles,
      kParamAutoAccessories, kParamSnowGuarding, kParamSnowGuard, kParamTileWidth, kParamTileHeight, kParamPen,
      kParamLossMultiplier}},
    {"objectlib/TevaroTmp.lib.json", kRidgeMainId,
     {kParamRidgeStartStatus, kParamRidgeEndStatus, kParamRidgeTile, kParamRidgeColour, kParamPitch, kParamPen,
      kParamLossMultiplier}},
    {"resources/LIBP_128.json", kEdgeSetterMainId,
     {kParamEdgeCoords, kParamEdgeCount, kParamEdgeStatus, kParamApiStatus, kParamSelectedEdgeType,
      kParamSelectedEdge, kParamGroupIndex, kParamHotspotsX, kParamHotspotsY, kParamHotspotsY2}},
};

// The case in test listings.
void PrintTo(const PartNames& c, std::ostream* out) { *out << c.mainId; }

class PartVocabulary : public ::testing::TestWithParam<PartNames> {};

TEST_P(PartVocabulary, LibraryFileHoldsThePartWithEveryNamedParameter) {
    const PartNames& c = GetParam();
    const nlohmann::json library = LibraryFile(c.file);
    const nlohmann::json* part = PartOf(library, c.mainId);
    ASSERT_NE(part, nullptr) << c.mainId << " in " << c.file;
    EXPECT_EQ(std::strlen(c.mainId), kMainIdLength);
    for (const char* name : c.params) EXPECT_TRUE(HasParam(*part, name)) << name << " of " << c.mainId;
}

INSTANTIATE_TEST_SUITE_P(Parts, PartVocabulary, ::testing::ValuesIn(kParts),
                         [](const ::testing::TestParamInfo<PartNames>& info) {
                             return std::string(info.index == 0 ? "TileSurface" : info.index == 1 ? "Ridge" : "EdgeSetter");
                         });

// ---- Resource numbers -----------------------------------------------------------------------------

class ResourceVocabulary : public ::testing::Test {
protected:
    void SetUp() override {
        host::ResetSession();
        host::gSession.resources = GetAddOnResourceFork();
    }
    static bool Has(uint32_t type, int32_t id) {
        const unsigned char* data = nullptr;
        uint32_t size = 0;
        return host::FindResource(type, id, &data, &size) && size > 0;
    }
};

TEST_F(ResourceVocabulary, EveryNamedDialogAndListIsAResourceOfTheAddOn) {
    for (int16_t dialog : {kTileDialogResId, kDeleteAccessoriesDialogResId, kAccessoryDialogResId,
                           kSolarCollectorDialogResId, kSolarPanelDialogResId, kFaultyElementDialogResId,
                           kEdgePaletteResId})
        EXPECT_TRUE(Has(ResType_Dialog, dialog)) << dialog;
    EXPECT_TRUE(Has(ResType_LibPart, kBuiltInLibraryResId));
    std::string text;
    for (int16_t k = 0; k < kMenuCommandCount; ++k) {
        EXPECT_TRUE(host::ResourceString(int16_t(kFirstMenuResId + k), 1, text)) << k;
        EXPECT_TRUE(host::ResourceString(int16_t(kFirstMenuResId + k + kPromptResIdOffset), 1, text)) << k;
    }
    EXPECT_EQ(kFirstMenuResId + kMenuCommandCount - 1, DeleteAccessories);
    EXPECT_TRUE(host::ResourceString(kAddOnNameResId, 1, text));
    EXPECT_EQ(text, "Tevaro");
}

TEST_F(ResourceVocabulary, ProgramFrameTextsTakeTheirNumbersInOrder) {
    // The refusal of a host's table names four numbers: its size and version, then the add-on's.
    std::string text;
    ASSERT_TRUE(host::ResourceString(kUserTextsResId, kTextHostTableRefused, text));
    size_t numbers = 0;
    for (size_t at = text.find("%u"); at != std::string::npos; at = text.find("%u", at + 1)) ++numbers;
    EXPECT_EQ(numbers, 4u);
    EXPECT_EQ(text.find("%s"), std::string::npos);
}

}  // namespace
