// Purpose: tests of libraries (adding a library file, search by the main identifier, parts that
// placed objects name but no library holds), undo steps, resource strings and the table itself.
#include <cstdio>
#include <cstring>
#include <fstream>

#include <nlohmann/json.hpp>

#include "HostTestSupport.h"
#include "host/Libraries.h"

#ifndef TEVARO_BUILD_DIR
#define TEVARO_BUILD_DIR "."
#endif

namespace {

using host_test::HostTest;

constexpr const char* kTileMain = "{E84F9BFB-7C26-403E-B010-A033FEEE27E0}";
constexpr const char* kRidgeMain = "{9B413C5B-C63B-4027-BE0A-00222534F9FF}";

class Libraries : public HostTest {
protected:
    // Writes a library file into the temporary folder; returns its path.
    std::string WriteLibrary(const std::string& name, const std::string& text) {
        const std::string path = ::testing::TempDir() + name;
        std::ofstream(path) << text;
        return path;
    }
    GSErrCode AddViaApi(const std::string& path) {
        API_LibraryInfo info;
        std::snprintf(info.location, sizeof info.location, "%s", path.c_str());
        return t.Environment(APIEnv_AddLibrariesID, &info, nullptr);
    }
    std::vector<std::string> ActiveLocations() {
        GSHandle h = nullptr;
        EXPECT_EQ(t.Environment(APIEnv_GetLibrariesID, &h, nullptr), NoError);
        std::vector<std::string> out;
        const size_t n = size_t(host::GetHandleSize(h)) / sizeof(API_LibraryInfo);
        for (size_t i = 0; i < n; ++i) out.push_back(reinterpret_cast<API_LibraryInfo*>(*h)[i].location);
        host::KillHandle(&h);
        return out;
    }
};

TEST_F(Libraries, AddingAFileActivatesItAndItsParts) {
    const std::string path = WriteLibrary("one.lib", R"({"parts":[{"unId":"{E84F9BFB-7C26-403E-B010-A033FEEE27E0}-{AAAAAAAA-0000-0000-0000-000000000001}",
        "name":"Tile","a":2.5,"params":[{"name":"alpha","type":"angle","value":0.1}]}]})");
    EXPECT_TRUE(ActiveLocations().empty());
    ASSERT_EQ(AddViaApi(path), NoError);
    ASSERT_EQ(AddViaApi(path), NoError);  // a second time adds nothing
    EXPECT_EQ(ActiveLocations(), std::vector<std::string>{path});

    API_LibPart lp{};
    std::snprintf(lp.ownUnID, sizeof lp.ownUnID, "%s-{00000000-0000-0000-0000-000000000000}", kTileMain);
    ASSERT_EQ(t.LibPart_Search(&lp, false, false), NoError);  // the revision is not compared
    EXPECT_STREQ(lp.ownUnID, "{E84F9BFB-7C26-403E-B010-A033FEEE27E0}-{AAAAAAAA-0000-0000-0000-000000000001}");
    double a = 0, b = 0;
    int32_t n = 0;
    API_AddParType** pars = nullptr;
    ASSERT_EQ(t.LibPart_GetParams(lp.index, &a, &b, &n, &pars), NoError);
    EXPECT_DOUBLE_EQ(a, 2.5);
    ASSERT_EQ(n, 1);
    EXPECT_STREQ((*pars)[0].name, "alpha");
    t.DisposeAddParHdl(&pars);
    EXPECT_EQ(pars, nullptr);

    std::snprintf(lp.ownUnID, sizeof lp.ownUnID, "%s", "{E84F9BFB-7C26-403E-B010-A033FEEE27E1}-{AAAAAAAA-0000-0000-0000-000000000001}");
    EXPECT_NE(t.LibPart_Search(&lp, false, false), NoError);  // one character off in the main part
}

TEST_F(Libraries, MissingOrBrokenFilesAddNothing) {
    EXPECT_EQ(AddViaApi(::testing::TempDir() + "no-such.lib"), APIERR_NOLIB);
    EXPECT_EQ(AddViaApi(WriteLibrary("broken.lib", "{\"parts\": [ {\"unId\": 5} ]}")), APIERR_NOLIB);
    EXPECT_EQ(AddViaApi(WriteLibrary("notjson.lib", "TevaroTmp")), APIERR_NOLIB);
    EXPECT_TRUE(ActiveLocations().empty());
    EXPECT_TRUE(host::gSession.libParts.empty());
}

TEST_F(Libraries, APlacedObjectOfAMissingPartAnswersLibPartMissingUntilItsLibraryComes) {
    host::Element obj;
    obj.rec = host::DefaultElement(API_ObjectID);
    obj.libPartUnId = std::string(kRidgeMain) + "-{BBBBBBBB-0000-0000-0000-000000000002}";
    const API_Guid g = host::AddElement(obj);
    API_Element e{};
    e.header.guid = g;
    ASSERT_EQ(t.Element_Get(&e), NoError);
    API_LibPart lp{};
    lp.index = e.object.libInd;
    EXPECT_EQ(t.LibPart_Get(&lp), APIERR_LIBPARTMISSING);
    lp.index = 999;
    EXPECT_EQ(t.LibPart_Get(&lp), APIERR_BADINDEX);

    ASSERT_EQ(host::AddLibraryText(std::string(R"({"parts":[{"unId":")") + kRidgeMain +
                                       R"(-{BBBBBBBB-0000-0000-0000-000000000009}","name":"Ridge"}]})",
                                   "ridges", false),
              NoError);
    lp.index = e.object.libInd;  // the same index now names the loaded part
    ASSERT_EQ(t.LibPart_Get(&lp), NoError);
    EXPECT_STREQ(lp.docuName, "Ridge");
}

TEST_F(Libraries, TheBuiltObjectLibraryHoldsBothPartsWithEveryWrittenParameter) {
    const std::string path = std::string(TEVARO_BUILD_DIR) + "/TevaroTmp.lib";
    ASSERT_EQ(AddViaApi(path), NoError);
    struct Want {
        const char* main;
        const char* name;
        bool text;
        int rows, cols;  // 0: a simple value
    };
    const Want wants[] = {
        {kTileMain, "alpha", false, 0, 0},       {kTileMain, "fam", true, 0, 0},
        {kTileMain, "color", true, 0, 0},        {kTileMain, "folia", true, 0, 0},
        {kTileMain, "vapatipus", true, 0, 0},    {kTileMain, "mat_pan", true, 0, 0},
        {kTileMain, "hofogas", true, 0, 0},      {kTileMain, "hofogo", true, 0, 0},
        {kTileMain, "vesztesegszorzo", false, 0, 0}, {kTileMain, "num", false, 0, 0},
        {kTileMain, "tile_x", false, 0, 0},      {kTileMain, "tile_y", false, 0, 0},
        {kTileMain, "surf", false, 0, 0},        {kTileMain, "opt2d", true, 0, 0},
        {kTileMain, "auto_acc", false, 0, 0},    {kTileMain, "csrogz", false, 0, 0},
        {kTileMain, "rogkar", false, 0, 0},      {kTileMain, "wingtile", false, 0, 0},
        {kTileMain, "pen1", false, 0, 0},        {kTileMain, "typ", true, 0, 0},
        {kTileMain, "nodes", false, 1, 2},       {kTileMain, "stat", false, 1, 1},
        {kTileMain, "modByAPI", false, 0, 0},    {kTileMain, "num_acc", false, 0, 0},
        {kTileMain, "acces", false, 1, 6},       {kTileMain, "cod_acc", true, 1, 1},
        {kTileMain, "mat_acc", true, 1, 1},      {kTileMain, "A", false, 0, 0},
        {kTileMain, "B", false, 0, 0},           {kTileMain, "ZZYZX", false, 0, 0},
        {kRidgeMain, "alpha", false, 0, 0},      {kRidgeMain, "gcstyp", true, 0, 0},
        {kRidgeMain, "fam", true, 0, 0},         {kRidgeMain, "gcolor", true, 0, 0},
        {kRidgeMain, "vesztesegszorzo", false, 0, 0}, {kRidgeMain, "opt2d", true, 0, 0},
        {kRidgeMain, "stat1", false, 0, 0},      {kRidgeMain, "stat2", false, 0, 0},
        {kRidgeMain, "pen1", false, 0, 0},       {kRidgeMain, "ZZYZX", false, 0, 0},
        {kRidgeMain, "typ", true, 0, 0},         {kRidgeMain, "modByAPI", false, 0, 0},
    };
    for (const Want& w : wants) {
        const host::LibPart* part = host::LibPartByIndex(host::SearchLibPart(w.main));
        ASSERT_NE(part, nullptr) << w.main;
        EXPECT_EQ(part->type, APILib_ObjectID);
        const host::ParamValue* p = host::FindParam(part->params, w.name);
        ASSERT_NE(p, nullptr) << w.main << " lacks " << w.name;
        EXPECT_EQ(host::IsTextParam(*p), w.text) << w.name;
        EXPECT_EQ(p->isArray, w.rows != 0) << w.name;
        if (w.rows != 0) {
            EXPECT_EQ(p->dim1, w.rows) << w.name;
            EXPECT_EQ(p->dim2, w.cols) << w.name;
        }
    }
}

// The body of an undoable command in the tests: adds a wall, answers the code in `context`.
GSErrCode AddWallBody(void* context) {
    host::Element e;
    e.rec = host::DefaultElement(API_WallID);
    host::AddElement(e);
    return *static_cast<GSErrCode*>(context);
}

class Undo : public HostTest {};

TEST_F(Undo, AnUndoableCommandIsOneStepThatUndoRestores) {
    Add(API_RoofID, "R1");
    GSErrCode answer = NoError;
    ASSERT_EQ(t.CallUndoableCommand("", AddWallBody, &answer), NoError);
    ASSERT_EQ(t.CallUndoableCommand("", AddWallBody, &answer), NoError);
    EXPECT_EQ(host::gSession.model.elements.size(), 3u);
    ASSERT_TRUE(host::UndoLastStep());
    EXPECT_EQ(host::gSession.model.elements.size(), 2u);
    ASSERT_TRUE(host::UndoLastStep());
    ASSERT_EQ(host::gSession.model.elements.size(), 1u);
    EXPECT_EQ(host::gSession.model.elements[0].elementId, "R1");
    EXPECT_FALSE(host::UndoLastStep());
}

TEST_F(Undo, AFailingBodyLeavesTheProjectAsItWas) {
    GSErrCode answer = APIERR_GENERAL;
    EXPECT_EQ(t.CallUndoableCommand("", AddWallBody, &answer), APIERR_GENERAL);
    EXPECT_TRUE(host::gSession.model.elements.empty());
    EXPECT_TRUE(host::gSession.undoSteps.empty());
}

TEST_F(Undo, AnOpenedAndClosedUndoSessionIsOneStepToo) {
    ASSERT_EQ(t.OpenUndoableSession(""), NoError);
    EXPECT_EQ(t.OpenUndoableSession(""), APIERR_NESTING);
    GSErrCode answer = NoError;
    ASSERT_EQ(t.CallUndoableCommand("", AddWallBody, &answer), NoError);  // inside the open step
    AddWallBody(&answer);
    ASSERT_EQ(t.CloseUndoableSession(), NoError);
    EXPECT_EQ(t.CloseUndoableSession(), APIERR_GENERAL);
    EXPECT_EQ(host::gSession.model.elements.size(), 2u);
    ASSERT_TRUE(host::UndoLastStep());
    EXPECT_TRUE(host::gSession.model.elements.empty());
}

class Resources : public HostTest {};

TEST_F(Resources, StringsAreReadOneBasedWithEscapesUndone) {
    host_test::FakeFork fork;
    fork.Add(ResType_Strings, 130, "Tevaro hiba\r\nRidge: error\\r\\n(Is TevaroTmp.lib OK?)\\r\\n\nback\\\\slash \\t tab\n");
    host::gSession.resources = &fork.fork;
    char buf[255];
    ASSERT_TRUE(t.RSGetIndString(buf, sizeof buf, 130, 1));
    EXPECT_STREQ(buf, "Tevaro hiba");  // a CR LF line end is not part of the text
    ASSERT_TRUE(t.RSGetIndString(buf, sizeof buf, 130, 2));
    EXPECT_STREQ(buf, "Ridge: error\r\n(Is TevaroTmp.lib OK?)\r\n");
    ASSERT_TRUE(t.RSGetIndString(buf, sizeof buf, 130, 3));
    EXPECT_STREQ(buf, "back\\slash \t tab");
    EXPECT_FALSE(t.RSGetIndString(buf, sizeof buf, 130, 4));
    EXPECT_FALSE(t.RSGetIndString(buf, sizeof buf, 130, 0));
    EXPECT_FALSE(t.RSGetIndString(buf, sizeof buf, 131, 1));
    char small[6];
    ASSERT_TRUE(t.RSGetIndString(small, sizeof small, 130, 1));
    EXPECT_STREQ(small, "Tevar");
}

TEST_F(Resources, TheBuiltInLibraryComesFromResource128OrIsEmpty) {
    host_test::FakeFork fork;
    host::gSession.resources = &fork.fork;
    EXPECT_EQ(t.Register_BuiltInLibrary(), NoError);
    EXPECT_TRUE(host::gSession.libraries.empty());
    fork.Add(ResType_LibPart, 128, R"({"parts":[{"unId":"{D88B1698-0142-4569-A5BB-E1AD93EE8909}-{00000000-0000-0000-0000-000000000001}"}]})");
    ASSERT_EQ(t.Register_BuiltInLibrary(), NoError);
    ASSERT_EQ(host::gSession.libraries.size(), 1u);
    EXPECT_TRUE(host::gSession.libraries[0].builtIn);
    EXPECT_NE(host::SearchLibPart("{D88B1698-0142-4569-A5BB-E1AD93EE8909}"), 0);
}

TEST_F(Resources, EveryTableEntryIsFilled) {
    EXPECT_EQ(t.size, sizeof(HostFunctionTable));
    // After the two header words the table is nothing but function pointers.
    const size_t header = offsetof(HostFunctionTable, Register_Menu);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&t);
    for (size_t at = header; at + sizeof(void*) <= sizeof t; at += sizeof(void*)) {
        void* fn = nullptr;
        std::memcpy(&fn, bytes + at, sizeof fn);
        EXPECT_NE(fn, nullptr) << "entry " << (at - header) / sizeof(void*) << " of the table is empty";
    }
}

TEST_F(Resources, ShownMessagesMatchReportsAndBothAlertForms) {
    EXPECT_TRUE(host::ShownTextIsMessage("No selection!", "No selection!"));
    EXPECT_TRUE(host::ShownTextIsMessage("\nDoTiles: x: -2130313215 APIERR_GENERAL", "DoTiles: x"));
    EXPECT_TRUE(host::ShownTextIsMessage("DoTiles: x: 2 Operating system error: No such file\n", "DoTiles: x"));
    EXPECT_FALSE(host::ShownTextIsMessage("DoTiles: xy", "DoTiles: x"));
    EXPECT_FALSE(host::ShownTextIsMessage("", "DoTiles: x"));
}

}  // namespace
