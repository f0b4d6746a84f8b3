// Purpose: tests of the accessory and solar run on a tile surface, end to end through the menu
// commands, the dialogs and the point input: placing single pieces, rows and solar elements,
// the 100-row limit, deletion, clearing before a modification, and every way the run gives up.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "common/AddOnFixture.h"
#include "Common_src/AddOnState.h"
#include "accessories/AccessoryRun.h"
#include "catalogue/Catalogue.h"
#include "dialogs/AccessoryChoice.h"
#include "host/ElementDatabase.h"
#include "host/Libraries.h"
#include "host/ParamLists.h"
#include "host/PointInput.h"

namespace {

constexpr const char* kTileSurfacePart = "{E84F9BFB-7C26-403E-B010-A033FEEE27E0}";
constexpr double kDeg = 3.14159265358979323846 / 180;
constexpr double kNagyaTileX = 0.300;  // tile type NAGYA of the sample catalogue
constexpr double kNagyaTileY = 0.400;
constexpr double kCatalogueLengthTol = 1e-6;  // the catalogue keeps tile sizes in single precision

// Rows of the accessory list of NAGYA in dialog 32507.
constexpr int16_t kRowAntenna = 3;     // ANTK: piece by piece only
constexpr int16_t kRowVentilation = 1; // SZELL: a row, given by a count
constexpr int16_t kRowStep = 2;        // HAGO: a row between two points

// One stored accessory row with its code and colour.
struct StoredRow {
    std::vector<double> values;
    std::string code;
    std::string colour;
};

class AccessoryRunTest : public tevaro_test::AddOnFixture {
protected:
    void SetUp() override {
        AddOnFixture::SetUp();
        host::ResetPointInput();
        std::string error;
        ASSERT_EQ(host::AddLibrary(tevaro_test::BuildPath("TevaroTmp.lib"), false, &error), NoError) << error;
        ASSERT_NE(FindTileType("NAGYA"), nullptr) << "the sample catalogue is expected";
    }
    void TearDown() override {
        host::ResetPointInput();
        AddOnFixture::TearDown();
    }

    // Places a tile surface of the object library with its default parameters.
    API_Guid AddTileSurface(const char* id, const char* fam, double alpha, API_Coord pos, double angle) {
        const int32_t index = host::SearchLibPart(kTileSurfacePart);
        const host::LibPart* part = host::LibPartByIndex(index);
        EXPECT_NE(part, nullptr);
        host::Element e;
        e.rec.header.typeID = API_ObjectID;
        e.rec.object.libInd = index;
        e.rec.object.pos = pos;
        e.rec.object.angle = angle;
        e.elementId = id;
        e.libPartUnId = part->unId;
        e.params = part->params;
        host::FindParam(e.params, "fam")->texts = {host::Utf8ToUtf16(fam)};
        host::FindParam(e.params, "alpha")->numbers = {alpha};
        return host::AddElement(e);
    }

    // Stores rows on a tile surface as an earlier run would have left them.
    static void StoreRows(const API_Guid& g, const std::vector<StoredRow>& rows) {
        host::Element* e = host::FindElement(g);
        host::FindParam(e->params, "num_acc")->numbers = {double(rows.size())};
        host::ParamValue* acces = host::FindParam(e->params, "acces");
        host::ParamValue* codes = host::FindParam(e->params, "cod_acc");
        host::ParamValue* colours = host::FindParam(e->params, "mat_acc");
        acces->numbers.clear();
        codes->texts.clear();
        colours->texts.clear();
        for (const StoredRow& r : rows) {
            acces->numbers.insert(acces->numbers.end(), r.values.begin(), r.values.end());
            codes->texts.push_back(host::Utf8ToUtf16(r.code));
            colours->texts.push_back(host::Utf8ToUtf16(r.colour));
        }
        acces->dim1 = codes->dim1 = colours->dim1 = int32_t(rows.size());
    }

    static std::vector<StoredRow> ThreeStoredRows() {
        return {{{1, 0.5, 0.5, 0, 0, 0}, "ANTK", "VOR"},
                {{2, 1, 2, 3, 2, 2}, "SZELL", "BAR"},
                {{1, 4, 4, 0, 0, 0}, "NE300", "FEK"}};
    }

    // The table as the object now stores it.
    static int StoredCount(const API_Guid& g) {
        return int(host::ParamNumber(host::FindElement(g)->params, "num_acc"));
    }
    static StoredRow Stored(const API_Guid& g, int row) {
        const auto& params = host::FindElement(g)->params;
        const host::ParamValue* acces = host::FindParam(params, "acces");
        StoredRow r;
        for (int c = 0; c < 6; ++c) r.values.push_back(acces->numbers.at(size_t(row * 6 + c)));
        r.code = host::Utf16ToUtf8(host::FindParam(params, "cod_acc")->texts.at(size_t(row)));
        r.colour = host::Utf16ToUtf8(host::FindParam(params, "mat_acc")->texts.at(size_t(row)));
        return r;
    }
    static const host::ParamValue& StoredParam(const API_Guid& g, const char* name) {
        return *host::FindParam(host::FindElement(g)->params, name);
    }

    static void QueuePoint(double x, double y, std::vector<API_Coord> moves = {}) {
        host::PointAnswer a;
        a.point = API_Coord{x, y};
        a.cursorMoves = std::move(moves);
        host::QueuePointAnswer(a);
    }
    static void QueuePointCancel() {
        host::PointAnswer a;
        a.cancel = true;
        host::QueuePointAnswer(a);
    }
    static API_Coord Along(API_Coord from, double direction, double length) {
        return {from.x + length * std::cos(direction), from.y + length * std::sin(direction)};
    }

    // Chooses one accessory of the tile type in dialog 32507 and its row fields, then OK.
    void ChooseAccessory(int16_t row, const char* count = nullptr, const char* every = nullptr) {
        QueuePick(6, row);
        if (count != nullptr) QueueSet(10, count);
        if (every != nullptr) QueueSet(12, every);
        QueueOk();
    }

    // Runs a menu command on one selected tile surface.
    void RunOn(const char* id, int16_t menu) {
        Select({id});
        EXPECT_EQ(RunMenu(menu), NoError);
    }

    const API_Coord kPos{4, 2};
    const double kAngle = 30 * kDeg;
};

// ---- Placing ----------------------------------------------------------------------------------

TEST_F(AccessoryRunTest, ASinglePiecePickedOnThePositionLiesAtTheFramesOrigin) {
    const API_Guid g = AddTileSurface("T1", "NAGYA", 35 * kDeg, kPos, kAngle);
    ChooseAccessory(kRowAntenna);
    QueuePoint(kPos.x, kPos.y);
    RunOn("T1", PlaceAccessories);

    ASSERT_EQ(StoredCount(g), 1);
    const StoredRow r = Stored(g, 0);
    EXPECT_EQ(r.values, (std::vector<double>{1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(r.code, "ANTK");
    EXPECT_EQ(r.colour, "VOR");  // the first colour of the accessory type ANTK
    EXPECT_EQ(StoredParam(g, "acces").dim1, 1);
    EXPECT_EQ(CallCount("Goodies/RPAS"), 1u);
    EXPECT_EQ(host::PointInputHistory().at(0).prompt, tevaro_test::MessageText(49));
}

TEST_F(AccessoryRunTest, APointAcrossTheRoofOnA45DegreeSlopeIsMeasuredOnTheSlope) {
    const API_Guid g = AddTileSurface("T1", "NAGYA", 45 * kDeg, kPos, kAngle);
    const API_Coord picked = Along(kPos, kAngle + 90 * kDeg, 1.0);
    ChooseAccessory(kRowAntenna);
    QueuePoint(picked.x, picked.y);
    RunOn("T1", PlaceAccessories);

    const StoredRow r = Stored(g, 0);
    EXPECT_NEAR(r.values[1], 0, 1e-9);
    EXPECT_NEAR(r.values[2], std::sqrt(2.0), 1e-9);
}

TEST_F(AccessoryRunTest, ARowByCountIsCountTimesSpacingTilesLong) {
    const API_Guid g = AddTileSurface("T1", "NAGYA", 30 * kDeg, kPos, kAngle);
    const API_Coord start = Along(kPos, kAngle, 1.0);
    ChooseAccessory(kRowVentilation, "3", "2");
    QueuePoint(start.x, start.y, {{0, 0}});
    RunOn("T1", PlaceAccessories);

    ASSERT_EQ(StoredCount(g), 1);
    const StoredRow r = Stored(g, 0);
    EXPECT_EQ(r.values[0], 2);
    EXPECT_NEAR(r.values[1], 1.0, kCatalogueLengthTol);
    EXPECT_NEAR(r.values[3], r.values[1] + 3 * 2 * kNagyaTileX, kCatalogueLengthTol);  // 1.8 m further
    EXPECT_EQ(r.values[4], r.values[2]);
    EXPECT_EQ(r.values[5], 2);
    EXPECT_EQ(r.code, "SZELL");
    // The rubber band at the cursor was the whole row: 1.8 along the roof, one tile across.
    const auto& frame = host::PointInputHistory().at(0).frames.at(0);
    ASSERT_EQ(frame.lines.size(), 4u);
    EXPECT_NEAR(std::hypot(frame.lines[0].c2.x - frame.lines[0].c1.x, frame.lines[0].c2.y - frame.lines[0].c1.y), 1.8,
                kCatalogueLengthTol);
    EXPECT_NEAR(std::hypot(frame.lines[3].c2.x - frame.lines[3].c1.x, frame.lines[3].c2.y - frame.lines[3].c1.y),
                kNagyaTileY, kCatalogueLengthTol);
}

TEST_F(AccessoryRunTest, ARowPickedBackwardsEndsBeforeItsStart) {
    const API_Guid g = AddTileSurface("T1", "NAGYA", 30 * kDeg, kPos, kAngle);
    const API_Coord start = Along(kPos, kAngle, 2.0);
    const API_Coord end = Along(Along(kPos, kAngle, 0.5), kAngle + 90 * kDeg, 0.3);  // back and a little aside
    ChooseAccessory(kRowStep, nullptr, "1");
    QueuePoint(start.x, start.y);
    QueuePoint(end.x, end.y, {{end.x, end.y}});
    RunOn("T1", PlaceAccessories);

    ASSERT_EQ(StoredCount(g), 1);
    const StoredRow r = Stored(g, 0);
    EXPECT_EQ(r.values[0], 2);
    EXPECT_NEAR(r.values[1], 2.0, 1e-9);
    EXPECT_LT(r.values[3], r.values[1]);
    EXPECT_NEAR(r.values[3], 0.5, 1e-9);  // projected onto the roof's direction
    EXPECT_EQ(r.values[4], r.values[2]);
    const auto& history = host::PointInputHistory();
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[1].prompt, tevaro_test::MessageText(50));
}

TEST_F(AccessoryRunTest, TheRowEndFollowsThePickedPointEvenWithoutACursorMoveThere) {
    const API_Guid g = AddTileSurface("T1", "NAGYA", 0, kPos, 0);
    ChooseAccessory(kRowStep, nullptr, "1");
    QueuePoint(kPos.x + 1, kPos.y);
    QueuePoint(kPos.x + 4, kPos.y + 1, {{kPos.x - 3, kPos.y}});  // last drawn backwards, picked forwards
    RunOn("T1", PlaceAccessories);

    const StoredRow r = Stored(g, 0);
    EXPECT_NEAR(r.values[1], 1, 1e-9);
    EXPECT_NEAR(r.values[3], 4, 1e-9);
}

TEST_F(AccessoryRunTest, RubberBandRectanglesOfTheRowEnd) {
    AddTileSurface("T1", "NAGYA", 0, kPos, 90 * kDeg);
    ChooseAccessory(kRowStep, nullptr, "1");
    // Start at the position: the rectangle at a cursor (5, 7) is one tile along +y, one across -x.
    QueuePoint(kPos.x, kPos.y, {{5, 7}});
    QueuePoint(kPos.x, kPos.y + 2, {{kPos.x + 0.7, kPos.y + 2}});
    RunOn("T1", PlaceAccessories);

    const auto& history = host::PointInputHistory();
    ASSERT_EQ(history.size(), 2u);
    const auto& first = history[0].frames.at(0).lines;
    ASSERT_EQ(first.size(), 4u);
    const double corners[4][2] = {{5, 7}, {5, 7 + kNagyaTileX}, {5 - kNagyaTileY, 7 + kNagyaTileX}, {5 - kNagyaTileY, 7}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(first[i].c1.x, corners[i][0], kCatalogueLengthTol) << i;
        EXPECT_NEAR(first[i].c1.y, corners[i][1], kCatalogueLengthTol) << i;
        EXPECT_NEAR(first[i].c2.x, corners[(i + 1) % 4][0], kCatalogueLengthTol) << i;
        EXPECT_NEAR(first[i].c2.y, corners[(i + 1) % 4][1], kCatalogueLengthTol) << i;
    }
    // Row end: the cursor aside of the roof line projects to 2 m along it from the start.
    const auto& second = history[1].frames.at(0).lines;
    ASSERT_EQ(second.size(), 4u);
    EXPECT_NEAR(second[0].c1.x, kPos.x, kCatalogueLengthTol);
    EXPECT_NEAR(second[0].c2.x, kPos.x, kCatalogueLengthTol);
    EXPECT_NEAR(second[0].c2.y, kPos.y + 2, kCatalogueLengthTol);
    EXPECT_NEAR(second[3].c1.x, kPos.x - kNagyaTileY, kCatalogueLengthTol);
}

TEST_F(AccessoryRunTest, SolarElementsAreSinglePiecesAddedBehindTheRowsAlreadyThere) {
    const API_Guid g = AddTileSurface("T1", "NAGYA", 30 * kDeg, kPos, kAngle);
    StoreRows(g, ThreeStoredRows());
    const API_Coord picked = Along(kPos, kAngle, 3);
    QueuePick(6, 1);
    QueueOk();
    QueuePoint(kPos.x, kPos.y);
    RunOn("T1", PlaceSolarCollector);
    QueuePick(6, 2);
    QueueOk();
    QueuePoint(picked.x, picked.y);
    RunOn("T1", PlaceSolarPanel);

    ASSERT_EQ(StoredCount(g), 5);
    EXPECT_EQ(Stored(g, 1).code, "SZELL");  // the old rows unchanged
    EXPECT_EQ(Stored(g, 1).values[3], 3);
    EXPECT_EQ(Stored(g, 3).code, "NK20");
    EXPECT_EQ(Stored(g, 3).colour, "ANT");
    const StoredRow panel = Stored(g, 4);
    EXPECT_EQ(panel.values[0], 1);
    EXPECT_NEAR(panel.values[1], 3, 1e-9);
    EXPECT_EQ(panel.values[3], 0);
    EXPECT_EQ(panel.values[4], 0);
    EXPECT_EQ(panel.values[5], 0);
    EXPECT_EQ(panel.code, "NE400");
    EXPECT_EQ(panel.colour, "FEK");
    EXPECT_EQ(StoredParam(g, "acces").dim1, 5);
    EXPECT_EQ(StoredParam(g, "cod_acc").dim1, 5);
}

TEST_F(AccessoryRunTest, TheHundredthAccessoryIsPlacedAndTheNextRefusedWithMessage43) {
    const API_Guid g = AddTileSurface("T1", "NAGYA", 30 * kDeg, kPos, kAngle);
    std::vector<StoredRow> rows(99, StoredRow{{1, 1, 1, 0, 0, 0}, "ANTK", "VOR"});
    StoreRows(g, rows);
    gState.selectedTileSurface = g;

    ChooseAccessory(kRowAntenna);
    QueuePoint(kPos.x, kPos.y);
    EXPECT_EQ(AccessoryRun(AccessoryMode_Place), NoError);
    ASSERT_EQ(StoredCount(g), 100);
    EXPECT_EQ(Stored(g, 99).values[1], 0);

    const size_t dialogsBefore = host::ClosedDialogs().size();
    for (int32_t mode : {AccessoryMode_Place, AccessoryMode_SolarCollector, AccessoryMode_SolarPanel}) {
        EXPECT_EQ(AccessoryRun(mode), APIERR_GENERAL) << mode;
        EXPECT_TRUE(LastMessageIs(43)) << mode;
    }
    EXPECT_EQ(host::ClosedDialogs().size(), dialogsBefore);  // no dialog opened
    EXPECT_EQ(StoredCount(g), 100);

    // Deletion still works on a full table.
    QueueClick(5, 100, 10, 5);
    QueueOk();
    EXPECT_EQ(AccessoryRun(AccessoryMode_Delete), NoError);
    EXPECT_EQ(StoredCount(g), 99);
}

// ---- Deleting and clearing ------------------------------------------------------------------

TEST_F(AccessoryRunTest, RemovingTheSecondOfThreeRowsKeepsCodesAndColoursAligned) {
    const API_Guid g = AddTileSurface("T1", "NAGYA", 30 * kDeg, kPos, kAngle);
    StoreRows(g, ThreeStoredRows());
    QueueInspect([](const host::OpenDialog& d) {
        const host::DialogItem& list = d.layout.items.at(4);
        ASSERT_EQ(list.rows.size(), 3u);  // the three placed accessories by name
    });
    QueueClick(5, 2, 10, 5);  // the mark cell of row 2
    QueueOk();
    RunOn("T1", DeleteAccessories);

    ASSERT_EQ(StoredCount(g), 2);
    const std::vector<StoredRow> expected = {ThreeStoredRows()[0], ThreeStoredRows()[2]};
    for (int k = 0; k < 2; ++k) {
        const StoredRow r = Stored(g, k);
        EXPECT_EQ(r.values, expected[size_t(k)].values) << k;
        EXPECT_EQ(r.code, expected[size_t(k)].code) << k;
        EXPECT_EQ(r.colour, expected[size_t(k)].colour) << k;
    }
    EXPECT_EQ(StoredParam(g, "acces").dim1, 2);
    EXPECT_EQ(StoredParam(g, "mat_acc").texts.size(), 2u);
}

TEST_F(AccessoryRunTest, RemovingAllRowsStoresTheEmptyForm) {
    const API_Guid g = AddTileSurface("T1", "NAGYA", 30 * kDeg, kPos, kAngle);
    StoreRows(g, ThreeStoredRows());
    for (int16_t row = 1; row <= 3; ++row) QueueClick(5, row, 10, 5);
    QueueOk();
    RunOn("T1", DeleteAccessories);

    EXPECT_EQ(StoredCount(g), 0);
    EXPECT_EQ(StoredParam(g, "acces").dim1, 1);
    EXPECT_EQ(StoredParam(g, "acces").numbers, std::vector<double>(6, 0.0));
    EXPECT_EQ(StoredParam(g, "cod_acc").texts, std::vector<std::u16string>{u""});
    EXPECT_EQ(StoredParam(g, "mat_acc").texts, std::vector<std::u16string>{u""});
}

TEST_F(AccessoryRunTest, CancellingTheDeletionDialogChangesNothingEvenWithRowsMarked) {
    const API_Guid g = AddTileSurface("T1", "NAGYA", 30 * kDeg, kPos, kAngle);
    StoreRows(g, ThreeStoredRows());
    const std::vector<host::ParamValue> before = host::FindElement(g)->params;
    QueueClick(5, 1, 10, 5);
    QueueClick(5, 3, 10, 5);
    QueueCancel();
    RunOn("T1", DeleteAccessories);

    EXPECT_EQ(StoredCount(g), 3);
    EXPECT_EQ(Stored(g, 0).code, "ANTK");
    EXPECT_EQ(host::FindElement(g)->params.size(), before.size());
    EXPECT_EQ(CallCount("Goodies/RPAS"), 0u);
}

TEST_F(AccessoryRunTest, ClearingASurfaceWithoutAccessoriesWritesTheEmptyFormAndSucceeds) {
    const API_Guid g = AddTileSurface("T1", "NAGYA", 30 * kDeg, kPos, kAngle);
    gState.selectedTileSurface = g;
    EXPECT_EQ(AccessoryRun(AccessoryMode_ClearAll), NoError);
    EXPECT_EQ(StoredCount(g), 0);
    EXPECT_EQ(StoredParam(g, "acces").numbers, std::vector<double>(6, 0.0));
    EXPECT_EQ(CallCount("Goodies/RPAS"), 1u);
    EXPECT_TRUE(Reports().empty());
    EXPECT_TRUE(host::ClosedDialogs().empty());  // nothing asked
}

TEST_F(AccessoryRunTest, ClearingBeforeAModificationWorksOnTheModifiedSurface) {
    const API_Guid last = AddTileSurface("T1", "NAGYA", 30 * kDeg, kPos, kAngle);
    const API_Guid modified = AddTileSurface("T2", "NAGYA", 30 * kDeg, {20, 0}, 0);
    StoreRows(last, ThreeStoredRows());
    StoreRows(modified, ThreeStoredRows());
    gState.selectedTileSurface = last;      // the last accessory command's surface
    gState.modifiedTileSurface = modified;  // the one the tile command found
    EXPECT_EQ(AccessoryRun(AccessoryMode_ClearAll), NoError);
    EXPECT_EQ(StoredCount(modified), 0);
    EXPECT_EQ(StoredCount(last), 3);
    EXPECT_EQ(gState.selectedTileSurface, last);
}

TEST_F(AccessoryRunTest, ModifyingASelectedTileSurfaceClearsOnlyItsAccessories) {
    const API_Guid modified = AddTileSurface("T1", "NAGYA", 30 * kDeg, kPos, kAngle);
    const API_Guid other = AddTileSurface("T2", "NAGYA", 30 * kDeg, {20, 0}, 0);
    StoreRows(modified, ThreeStoredRows());
    StoreRows(other, ThreeStoredRows());
    host::FindParam(host::FindElement(modified)->params, "auto_acc")->numbers = {0};  // lets the dialog's OK work
    gState.selectedTileSurface = other;  // the last accessory command's surface
    Select({"T1"});
    QueuePick(20, 2);  // the main dialog: a foil and a valley type, the rest as the surface has it
    QueuePick(23, 2);
    QueueOk();
    EXPECT_EQ(RunMenu(PlaceTiles), NoError);
    ASSERT_EQ(host::ClosedDialogs().at(0).result, DG_OK);

    EXPECT_EQ(StoredCount(modified), 0);
    EXPECT_EQ(StoredParam(modified, "cod_acc").texts, std::vector<std::u16string>{u""});
    EXPECT_EQ(StoredCount(other), 3);
    EXPECT_EQ(gState.selectedTileSurface, other);
}

// ---- Giving up ----------------------------------------------------------------------------------

TEST_F(AccessoryRunTest, ACancelledPointInputReturnsTheCancelCodeAndChangesNothing) {
    const API_Guid g = AddTileSurface("T1", "NAGYA", 30 * kDeg, kPos, kAngle);
    gState.selectedTileSurface = g;
    ChooseAccessory(kRowAntenna);
    QueuePointCancel();
    EXPECT_EQ(AccessoryRun(AccessoryMode_Place), APIERR_CANCEL);
    EXPECT_EQ(StoredCount(g), 0);

    ChooseAccessory(kRowStep, nullptr, "1");
    QueuePoint(kPos.x, kPos.y);
    QueuePointCancel();  // the end point
    EXPECT_EQ(AccessoryRun(AccessoryMode_Place), APIERR_CANCEL);
    EXPECT_EQ(StoredCount(g), 0);
    EXPECT_EQ(CallCount("Goodies/RPAS"), 0u);
}

TEST_F(AccessoryRunTest, OkWithNothingChosenAfterAnEarlierPlacementPlacesNothing) {
    const API_Guid g = AddTileSurface("T1", "NAGYA", 30 * kDeg, kPos, kAngle);
    gState.selectedTileSurface = g;
    ChooseAccessory(kRowAntenna);
    QueuePoint(kPos.x, kPos.y);
    ASSERT_EQ(AccessoryRun(AccessoryMode_Place), NoError);
    ASSERT_EQ(StoredCount(g), 1);

    // A solar dialog with an empty list: OK chooses nothing, the earlier choice must not repeat.
    const int32_t panels = gCatalogue.solarPanelCount;
    gCatalogue.solarPanelCount = 0;
    QueueOk();
    QueuePoint(kPos.x, kPos.y);
    EXPECT_EQ(AccessoryRun(AccessoryMode_SolarPanel), NoError);
    gCatalogue.solarPanelCount = panels;
    EXPECT_EQ(StoredCount(g), 1);
    EXPECT_EQ(host::QueuedPointAnswers(), 1u);  // no point was asked for
}

TEST_F(AccessoryRunTest, ATileTypeMissingFromTheCatalogueShowsMessage91) {
    const API_Guid g = AddTileSurface("T1", "NINCS-ILYEN", 30 * kDeg, kPos, kAngle);
    StoreRows(g, ThreeStoredRows());
    gState.selectedTileSurface = g;
    for (int32_t mode : {1, 2, 3, 4, 5}) {
        EXPECT_EQ(AccessoryRun(mode), NoError) << mode;
        EXPECT_TRUE(LastMessageIs(91)) << mode;
    }
    EXPECT_EQ(StoredCount(g), 3);
    EXPECT_TRUE(host::ClosedDialogs().empty());
}

TEST_F(AccessoryRunTest, AnUnreadableSurfaceFailsSilently) {
    const API_Guid g = AddTileSurface("T1", "NAGYA", 30 * kDeg, kPos, kAngle);
    gState.selectedTileSurface = API_Guid{1234, 5678};  // no such element
    EXPECT_EQ(AccessoryRun(AccessoryMode_Place), APIERR_GENERAL);
    gState.selectedTileSurface = g;
    FailHostCall("Element_GetMemo", APIERR_MEMFULL);
    EXPECT_EQ(AccessoryRun(AccessoryMode_ClearAll), APIERR_GENERAL);
    FailHostCall("LibPart_GetParams", APIERR_BADINDEX);
    EXPECT_EQ(AccessoryRun(AccessoryMode_ClearAll), APIERR_GENERAL);
    EXPECT_TRUE(Reports().empty());
    EXPECT_TRUE(Alerts().empty());
    EXPECT_TRUE(host::ClosedDialogs().empty());
}

TEST_F(AccessoryRunTest, ARefusedParameterChangeReturnsItsCodeAndKeepsTheOldTable) {
    const API_Guid g = AddTileSurface("T1", "NAGYA", 30 * kDeg, kPos, kAngle);
    StoreRows(g, ThreeStoredRows());
    gState.selectedTileSurface = g;
    FailHostCall("Element_ChangeParameters", APIERR_REFUSEDPAR);
    EXPECT_EQ(AccessoryRun(AccessoryMode_ClearAll), APIERR_REFUSEDPAR);
    EXPECT_EQ(StoredCount(g), 3);
    EXPECT_EQ(CallCount("Goodies/RPAS"), 0u);
}

TEST_F(AccessoryRunTest, NoMemoryForTheWriteBackReportsMessage17AndKeepsTheTable) {
    const API_Guid g = AddTileSurface("T1", "NAGYA", 30 * kDeg, kPos, kAngle);
    StoreRows(g, ThreeStoredRows());
    gState.selectedTileSurface = g;
    const size_t live = LiveHandles();
    ChooseAccessory(kRowAntenna);
    QueuePoint(kPos.x, kPos.y);
    FailAllocation(1);  // the add-on's first allocation of the run: growing "acces" for the new row
    EXPECT_EQ(AccessoryRun(AccessoryMode_Place), APIERR_MEMFULL);
    EXPECT_TRUE(LastMessageIs(17));
    EXPECT_EQ(StoredCount(g), 3);
    EXPECT_EQ(StoredParam(g, "acces").dim1, 3);
    EXPECT_EQ(LiveHandles(), live);
}

}  // namespace
