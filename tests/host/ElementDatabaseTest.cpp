// Purpose: tests of the element database entries: masked change, parameters through the memo,
// selection rules, create / delete, element lists, groups, types and IDs, host-call faults.
#include <cstring>

#include "HostTestSupport.h"
#include "host/Libraries.h"

namespace {

using host_test::HostTest;

class ElementDatabase : public HostTest {};

TEST_F(ElementDatabase, MaskedChangeCopiesOnlyTheMaskedBytes) {
    const API_Guid g = Add(API_RoofID, "R1");
    API_Element e{};
    e.header.guid = g;
    ASSERT_EQ(t.Element_Get(&e), NoError);
    API_Element wanted = e;
    wanted.roof.thickness = 0.55;
    wanted.roof.overrideTopMaterial = true;
    wanted.roof.topMat = 7;
    wanted.header.layer = 9;  // changed in the record but not in the mask: must stay
    API_Element mask;
    ACAPI_ELEMENT_MASK_CLEAR(mask);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.thickness);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.overrideTopMaterial);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.topMat);
    ASSERT_EQ(t.Element_Change(&wanted, &mask, nullptr, 0), NoError);
    const host::Element* stored = host::FindElement(g);
    EXPECT_DOUBLE_EQ(stored->rec.roof.thickness, 0.55);
    EXPECT_TRUE(stored->rec.roof.overrideTopMaterial);
    EXPECT_EQ(stored->rec.roof.topMat, 7);
    EXPECT_EQ(stored->rec.header.layer, 1);
    EXPECT_EQ(wanted.header.layer, 1);  // the caller's record is given back as stored
}

TEST_F(ElementDatabase, AFullMaskCannotChangeIdentityTypeOrGroup) {
    const API_Guid g = Add(API_WallID, "W1");
    host::FindElement(g)->rec.header.groupId = 4;
    API_Element e = host::FindElement(g)->rec;
    e.header.typeID = API_RoofID;
    e.header.groupId = 0;
    e.wall.height = 5;
    API_Element mask;
    ACAPI_ELEMENT_MASK_SETFULL(mask);
    ASSERT_EQ(t.Element_Change(&e, &mask, nullptr, 0), NoError);
    const host::Element* stored = host::FindElement(g);
    EXPECT_EQ(stored->rec.header.typeID, API_WallID);
    EXPECT_EQ(stored->rec.header.groupId, 4u);
    EXPECT_DOUBLE_EQ(stored->rec.wall.height, 5);
}

TEST_F(ElementDatabase, ParametersRoundTripThroughTheMemo) {
    host::Element obj;
    obj.rec = host::DefaultElement(API_ObjectID);
    obj.elementId = "Tevaro_000";
    obj.params.push_back(host_test::Real("alpha", 0.6));
    obj.params.push_back(host_test::Text("fam", u"Hódfarkú ő"));
    host::ParamValue nodes;
    nodes.name = "nodes";
    nodes.isArray = true;
    nodes.dim1 = 3;
    nodes.dim2 = 2;
    nodes.numbers = {1, 2, 3, 4, 5, 6};
    obj.params.push_back(nodes);
    host::ParamValue codes;
    codes.name = "cod_acc";
    codes.type = APIParT_CString;
    codes.isArray = true;
    codes.dim1 = 3;
    codes.dim2 = 1;
    codes.texts = {u"K1", u"", u"Ű2"};
    obj.params.push_back(codes);
    const API_Guid g = host::AddElement(obj);

    API_ElementMemo memo;
    ASSERT_EQ(t.Element_GetMemo(g, &memo, APIMemoMask_All), NoError);
    ASSERT_NE(memo.params, nullptr);
    EXPECT_STREQ(memo.elemInfoString, "Tevaro_000");
    ASSERT_EQ(host::GetHandleSize(reinterpret_cast<GSHandle>(memo.params)), int32_t(4 * sizeof(API_AddParType)));
    const API_AddParType* p = *memo.params;
    EXPECT_DOUBLE_EQ(p[0].real, 0.6);
    EXPECT_TRUE(std::u16string(p[1].uStr) == u"Hódfarkú ő");
    EXPECT_EQ(p[2].typeMod, API_ParArray);
    EXPECT_EQ(p[2].dim1, 3);
    EXPECT_EQ(p[2].dim2, 2);
    EXPECT_EQ(host::GetHandleSize(p[2].array), int32_t(6 * sizeof(double)));
    EXPECT_DOUBLE_EQ(reinterpret_cast<const double*>(*p[2].array)[5], 6);
    // Packed texts: "K1\0\0Ű2\0".
    EXPECT_EQ(host::GetHandleSize(p[3].array), int32_t(7 * sizeof(char16_t)));

    // The add-on grows "nodes" to 4 x 2 and writes it back: the stored list follows.
    API_AddParType& n = (*memo.params)[2];
    ASSERT_NE(host::ReallocHandle(n.array, 8 * sizeof(double), ALLOCATE_CLEAR, 0), nullptr);
    n.dim1 = 4;
    reinterpret_cast<double*>(*n.array)[7] = 8;
    API_Element e = host::FindElement(g)->rec;
    ASSERT_EQ(t.Element_Change(&e, nullptr, &memo, APIMemoMask_AddPars), NoError);
    const host::ParamValue* stored = host::FindParam(host::FindElement(g)->params, "nodes");
    ASSERT_EQ(stored->numbers.size(), 8u);
    EXPECT_DOUBLE_EQ(stored->numbers[7], 8);
    EXPECT_EQ(host::FindParam(host::FindElement(g)->params, "cod_acc")->texts[2], u"Ű2");
    EXPECT_EQ(host::FindElement(g)->elementId, "Tevaro_000");  // not in the memo mask: kept

    const size_t live = host::LiveHandleCount();
    ASSERT_EQ(t.DisposeElemMemoHdls(&memo), NoError);
    EXPECT_EQ(memo.params, nullptr);
    EXPECT_EQ(host::LiveHandleCount(), live - 3);  // the list and both array handles
}

TEST_F(ElementDatabase, ArrayValuesBeyondTheHandleReadAsZero) {
    host::ParamValue arr;
    arr.name = "acces";
    arr.isArray = true;
    arr.dim1 = 1;
    arr.dim2 = 6;
    arr.numbers = {1, 2, 3, 4, 5, 6};
    API_AddParType** h = host::ParamsToHandle({arr});
    (*h)[0].dim1 = 2;  // claims 12 values, holds 6
    const std::vector<host::ParamValue> back = host::ParamsFromHandle(h);
    ASSERT_EQ(back[0].numbers.size(), 12u);
    EXPECT_DOUBLE_EQ(back[0].numbers[5], 6);
    EXPECT_DOUBLE_EQ(back[0].numbers[11], 0);
    host::KillParamsHandle(&h);
}

TEST_F(ElementDatabase, CreateTakesThePartsDefaultsTheMemoAndGivesAGuid) {
    ASSERT_EQ(host::AddLibraryText(R"({"parts":[{"unId":"{E84F9BFB-7C26-403E-B010-A033FEEE27E0}-{5D0C7A12-3B4E-4F60-9A71-0C2E55D1A001}",
        "name":"Tevaro_cserep","params":[{"name":"alpha","type":"angle","value":0.25},{"name":"fam","type":"text","value":"X"}]}]})",
                                   "lib", false),
              NoError);
    API_Element e{};
    e.header.typeID = API_ObjectID;
    API_ElementMemo memo;
    ASSERT_EQ(t.Element_GetDefaults(&e, &memo), NoError);
    EXPECT_EQ(e.object.libInd, 0);
    EXPECT_EQ(t.Element_Create(&e, &memo), APIERR_BADINDEX);  // object defaults name no part

    API_LibPart lp{};
    std::strcpy(lp.ownUnID, "{E84F9BFB-7C26-403E-B010-A033FEEE27E0}-{00000000-0000-0000-0000-000000000000}");
    ASSERT_EQ(t.LibPart_Search(&lp, false, false), NoError);
    e.object.libInd = lp.index;
    std::strcpy(memo.elemInfoString, "Tevaro_007");
    ASSERT_EQ(t.Element_Create(&e, &memo), NoError);
    ASSERT_FALSE(IsNullGuid(e.header.guid));
    const host::Element* made = host::FindElement(e.header.guid);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->elementId, "Tevaro_007");
    EXPECT_DOUBLE_EQ(host::ParamNumber(made->params, "alpha"), 0.25);
    EXPECT_EQ(made->libPartUnId.substr(0, 38), "{E84F9BFB-7C26-403E-B010-A033FEEE27E0}");

    API_Element second = e;
    ASSERT_EQ(t.Element_Create(&second, nullptr), NoError);
    EXPECT_NE(second.header.guid, e.header.guid);
}

TEST_F(ElementDatabase, SelectionKeepsOrderAndAnEmptySelectionIsNoError) {
    const API_Guid r1 = Add(API_RoofID, "R1"), w1 = Add(API_WallID, "W1"), r2 = Add(API_RoofID, "R2");
    API_SelectionInfo info;
    API_Neig** neigs = reinterpret_cast<API_Neig**>(1);
    ASSERT_EQ(t.Selection_Get(&info, &neigs, true, false), NoError);
    EXPECT_EQ(info.typeID, API_SelEmpty);
    EXPECT_EQ(info.sel_nElem, 0);
    EXPECT_EQ(neigs, nullptr);

    host::gSession.model.selection = {r2, w1, r1};
    ASSERT_EQ(t.Selection_Get(&info, &neigs, true, false), NoError);
    EXPECT_EQ(info.typeID, API_SelElems);
    ASSERT_EQ(info.sel_nElem, 3);
    EXPECT_EQ((*neigs)[0].guid, r2);
    EXPECT_EQ((*neigs)[1].guid, w1);
    EXPECT_EQ((*neigs)[2].guid, r1);

    // Select: nItem 0 clears; add keeps the old ones and skips repeats.
    ASSERT_EQ(t.Element_Select(nullptr, 0, false), NoError);
    EXPECT_TRUE(host::gSession.model.selection.empty());
    ASSERT_EQ(t.Element_Select(neigs, 1, true), NoError);
    ASSERT_EQ(t.Element_Select(neigs, 3, true), NoError);
    EXPECT_EQ(host::gSession.model.selection, (std::vector<API_Guid>{r2, w1, r1}));
    Kill(neigs);
}

TEST_F(ElementDatabase, DeleteIsAllOrNothingAndLeavesTheSelection) {
    const API_Guid a = Add(API_ObjectID, "A"), b = Add(API_ObjectID, "B");
    host::gSession.model.selection = {a, b};
    API_Elem_Head** bad = Heads({a, host::NewGuid()});
    EXPECT_EQ(t.Element_Delete(bad, 2), APIERR_BADID);
    EXPECT_NE(host::FindElement(a), nullptr);
    API_Elem_Head** good = Heads({a});
    ASSERT_EQ(t.Element_Delete(good, 1), NoError);
    EXPECT_EQ(host::FindElement(a), nullptr);
    EXPECT_EQ(host::gSession.model.selection, std::vector<API_Guid>{b});
    Kill(bad);
    Kill(good);
}

TEST_F(ElementDatabase, ElementListsTypesAndIds) {
    Add(API_RoofID, "R1");
    const API_Guid o1 = Add(API_ObjectID, "O1");
    const API_Guid o2 = Add(API_ObjectID, "O2");
    GSHandle list = nullptr;
    ASSERT_EQ(t.Element_GetElemList(API_ObjectID, &list), NoError);
    ASSERT_EQ(host::GetHandleSize(list), int32_t(2 * sizeof(API_Guid)));
    EXPECT_EQ(reinterpret_cast<API_Guid*>(*list)[0], o1);
    EXPECT_EQ(reinterpret_cast<API_Guid*>(*list)[1], o2);
    host::KillHandle(&list);
    ASSERT_EQ(t.Element_GetElemList(API_HatchID, &list), NoError);
    EXPECT_EQ(host::GetHandleSize(list), 0);
    host::KillHandle(&list);

    API_Neig neig;
    neig.guid = o2;
    API_ElemTypeID type = API_ZombieElemID;
    ASSERT_EQ(t.Goodies(APIAny_NeigIDToElemTypeID, &neig, &type), NoError);
    EXPECT_EQ(type, API_ObjectID);
    neig.guid = host::NewGuid();
    EXPECT_EQ(t.Goodies(APIAny_NeigIDToElemTypeID, &neig, &type), APIERR_BADID);

    char id[256];
    ASSERT_EQ(t.Database(APIDb_GetElementInfoStringID, const_cast<API_Guid*>(&o1), id), NoError);
    EXPECT_STREQ(id, "O1");
}

TEST_F(ElementDatabase, GroupsUngroupAndSuspension) {
    const API_Guid r = Add(API_RoofID, "R"), a = Add(API_ObjectID, "A"), b = Add(API_ObjectID, "B");
    API_Elem_Head** all = Heads({r, a, b});
    ASSERT_EQ(t.Element_Tool(all, 3, APITool_Group, nullptr), NoError);
    const uint32_t g = host::FindElement(r)->rec.header.groupId;
    EXPECT_NE(g, 0u);
    EXPECT_EQ(host::FindElement(b)->rec.header.groupId, g);
    API_Elem_Head** roofOnly = Heads({r});
    ASSERT_EQ(t.Element_Tool(roofOnly, 1, APITool_Ungroup, nullptr), NoError);
    EXPECT_EQ(host::FindElement(a)->rec.header.groupId, 0u);  // the whole group is dissolved

    bool on = true;
    ASSERT_EQ(t.Environment(APIEnv_IsSuspendGroupOnID, &on, nullptr), NoError);
    EXPECT_FALSE(on);
    ASSERT_EQ(t.Element_Tool(nullptr, 0, APITool_SuspendGroups, nullptr), NoError);
    ASSERT_EQ(t.Environment(APIEnv_IsSuspendGroupOnID, &on, nullptr), NoError);
    EXPECT_TRUE(on);
    Kill(all);
    Kill(roofOnly);
}

TEST_F(ElementDatabase, StoriesComeWithTheCurrentOneAndALevelList) {
    host::gSession.model.stories = {host::Story{-1, -3.0, "P"}, host::Story{0, 0.0, "F"}, host::Story{1, 3.2, "E"}};
    host::gSession.model.currentStory = 1;
    API_StoryInfo info;
    ASSERT_EQ(t.Environment(APIEnv_GetStorySettingsID, &info, nullptr), NoError);
    EXPECT_EQ(info.firstStory, -1);
    EXPECT_EQ(info.lastStory, 1);
    EXPECT_EQ(info.actStory, 1);
    ASSERT_EQ(host::GetHandleSize(info.data), int32_t(3 * sizeof(API_StoryType)));
    EXPECT_DOUBLE_EQ(reinterpret_cast<API_StoryType*>(*info.data)[2].level, 3.2);
    host::KillHandle(&info.data);
}

TEST_F(ElementDatabase, HostCallFaultsHitTheNthCallOfThatOperationOnly) {
    const API_Guid g = Add(API_RoofID, "R");
    host::ArmHostFault("Element_Get", APIERR_DELETED, 2);
    host::ArmHostFault("Environment/GSTO", APIERR_GENERAL);
    API_Element e{};
    e.header.guid = g;
    EXPECT_EQ(t.Element_Get(&e), NoError);
    EXPECT_EQ(t.Element_Get(&e), APIERR_DELETED);
    EXPECT_EQ(t.Element_Get(&e), NoError);
    bool on = false;
    EXPECT_EQ(t.Environment(APIEnv_IsSuspendGroupOnID, &on, nullptr), NoError);  // another code: untouched
    API_StoryInfo info;
    EXPECT_EQ(t.Environment(APIEnv_GetStorySettingsID, &info, nullptr), APIERR_GENERAL);
    ASSERT_EQ(t.Environment(APIEnv_GetStorySettingsID, &info, nullptr), NoError);
    host::KillHandle(&info.data);
}

// Counts the parameter-script runs of the test part.
int gScriptRuns = 0;
void CountingScript(host::Element& object, const std::string&) {
    ++gScriptRuns;
    host::FindParam(object.params, "num")->numbers[0] += 100;  // the script may rewrite values
}

TEST_F(ElementDatabase, ChangeParametersReplacesTheListAndRunsTheScript) {
    host::NativeScripts scripts;
    scripts.parameterScript = CountingScript;
    host::RegisterNativeScripts("{0C0C0C0C-0000-4000-8000-00000000C4A1}", scripts);
    ASSERT_EQ(host::AddLibraryText(R"({"parts":[{"unId":"{0C0C0C0C-0000-4000-8000-00000000C4A1}-{00000000-0000-0000-0000-000000000001}",
        "params":[{"name":"num","type":"integer","value":1}]}]})", "lib", false), NoError);
    host::Element obj;
    obj.rec = host::DefaultElement(API_ObjectID);
    obj.libPartUnId = "{0C0C0C0C-0000-4000-8000-00000000C4A1}-{00000000-0000-0000-0000-000000000001}";
    obj.params = {host_test::Real("num", 1)};
    const API_Guid g = host::AddElement(obj);
    gScriptRuns = 0;

    API_ElementMemo memo{};
    memo.params = host::ParamsToHandle({host_test::Real("num", 5)});
    API_Elem_Head** heads = Heads({g});
    API_Element mask;
    ACAPI_ELEMENT_MASK_CLEAR(mask);
    ASSERT_EQ(t.Element_ChangeParameters(heads, 1, nullptr, &memo, &mask), NoError);
    EXPECT_EQ(gScriptRuns, 1);
    EXPECT_DOUBLE_EQ(host::ParamNumber(host::FindElement(g)->params, "num"), 105);

    API_Elem_Head head;
    head.guid = g;
    ASSERT_EQ(t.Goodies(APIAny_RunGDLParScriptID, &head, reinterpret_cast<void*>(intptr_t(0x10000000))), NoError);
    EXPECT_EQ(gScriptRuns, 2);
    ASSERT_FALSE(host::gSession.calls.empty());
    EXPECT_EQ(host::gSession.calls.back().op, "Goodies/RPAS");
    EXPECT_EQ(host::gSession.calls.back().value, 0x10000000);
    host::RegisterNativeScripts("{0C0C0C0C-0000-4000-8000-00000000C4A1}", host::NativeScripts{});
    t.DisposeElemMemoHdls(&memo);
    Kill(heads);
}

}  // namespace
