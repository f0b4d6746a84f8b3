// Purpose: the host finds elements by GUID through its index, and stays right when the element
// list changes under it: deletions that move elements, undo, a fresh project, a list replaced in
// place, a project whose GUIDs the host would give out again; attributes found by index.
#include <gtest/gtest.h>

#include <vector>

#include "host/Attributes.h"
#include "host/ElementDatabase.h"
#include "host/Host.h"
#include "host/HostApi.h"
#include "host/MemoryHandles.h"
#include "host/ModelFile.h"

namespace {

// Adds n walls and returns their GUIDs in order.
std::vector<API_Guid> AddWalls(int n) {
    std::vector<API_Guid> guids;
    for (int i = 0; i < n; ++i) {
        host::Element e;
        e.rec.header.typeID = API_WallID;
        e.elementId = "W" + std::to_string(i);
        guids.push_back(host::AddElement(e));
    }
    return guids;
}

TEST(ElementLookup, EveryElementIsFoundWhereItStandsAfterElementsBeforeItAreRemoved) {
    host::ResetSession();
    const std::vector<API_Guid> guids = AddWalls(50);
    for (int i = 0; i < 50; ++i) ASSERT_EQ(host::FindElement(guids[i])->elementId, "W" + std::to_string(i));
    // Every third element goes: the ones after each gap move down the list.
    std::vector<host::Element>& elements = host::gSession.model.elements;
    for (int i = 48; i >= 0; i -= 3) elements.erase(elements.begin() + i);
    for (int i = 0; i < 50; ++i) {
        host::Element* e = host::FindElement(guids[i]);
        if (i % 3 == 0 && i <= 48) {
            EXPECT_EQ(e, nullptr) << i;
        } else {
            ASSERT_NE(e, nullptr) << i;
            EXPECT_EQ(e->elementId, "W" + std::to_string(i));
            EXPECT_TRUE(e->rec.header.guid == guids[i]);
        }
    }
}

TEST(ElementLookup, UndoAndAFreshProjectAreSeen) {
    host::ResetSession();
    const std::vector<API_Guid> before = AddWalls(5);
    host::BeginUndoStep();
    std::vector<host::Element>& elements = host::gSession.model.elements;
    elements.erase(elements.begin());
    const std::vector<API_Guid> added = AddWalls(3);
    ASSERT_NE(host::FindElement(added[2]), nullptr);
    ASSERT_TRUE(host::UndoLastStep());
    EXPECT_EQ(host::FindElement(added[2]), nullptr);
    ASSERT_NE(host::FindElement(before[0]), nullptr);
    EXPECT_EQ(host::FindElement(before[0])->elementId, "W0");
    EXPECT_EQ(host::FindElement(before[4])->elementId, "W4");
    host::ResetSession();
    EXPECT_EQ(host::FindElement(before[4]), nullptr);
}

TEST(ElementLookup, NewElementsNeverTakeAGuidALoadedProjectAlreadyUses) {
    host::ResetSession();
    // The GUIDs the host's running number gives out next, already in the project.
    const API_Guid next = host::NewGuid();
    std::vector<API_Guid> taken;
    for (uint64_t k = 1; k <= 3; ++k) taken.push_back(API_Guid{next.hi, next.lo + k});
    for (size_t i = 0; i < taken.size(); ++i) {
        host::Element e;
        e.rec.header.typeID = API_WallID;
        e.rec.header.guid = taken[i];
        e.elementId = "L" + std::to_string(i);
        host::gSession.model.elements.push_back(e);
    }
    const std::vector<API_Guid> added = AddWalls(3);
    for (const API_Guid& g : added)
        for (const API_Guid& t : taken) EXPECT_FALSE(g == t);
    for (size_t i = 0; i < taken.size(); ++i) EXPECT_EQ(host::FindElement(taken[i])->elementId, "L" + std::to_string(i));
    for (size_t i = 0; i < added.size(); ++i) EXPECT_EQ(host::FindElement(added[i])->elementId, "W" + std::to_string(i));
}

TEST(ElementLookup, AListRefilledInPlaceAndABatchDeletionAreSeen) {
    host::ResetSession();
    const std::vector<API_Guid> first = AddWalls(40);
    ASSERT_NE(host::FindElement(first[39]), nullptr);
    // The same number of other elements copied into the same buffer.
    std::vector<host::Element> other(host::gSession.model.elements.size());
    for (size_t i = 0; i < other.size(); ++i) {
        other[i].rec.header.typeID = API_HatchID;
        other[i].rec.header.guid = host::NewGuid();
        other[i].elementId = "F" + std::to_string(i);
    }
    const host::Element* buffer = host::gSession.model.elements.data();
    std::copy(other.begin(), other.end(), host::gSession.model.elements.begin());
    ASSERT_EQ(host::gSession.model.elements.data(), buffer);
    EXPECT_EQ(host::FindElement(first[5]), nullptr);
    ASSERT_NE(host::FindElement(other[5].rec.header.guid), nullptr);
    EXPECT_EQ(host::FindElement(other[5].rec.header.guid)->elementId, "F5");
    // Every other element deleted in one call: the rest found where they now stand.
    GSHandle heads = host::NewHostHandle(int32_t(20 * sizeof(API_Elem_Head)));
    for (size_t i = 0; i < 20; ++i) reinterpret_cast<API_Elem_Head*>(*heads)[i].guid = other[2 * i].rec.header.guid;
    ASSERT_EQ(host::Api_Element_Delete(reinterpret_cast<API_Elem_Head**>(heads), 20), NoError);
    host::KillHandle(&heads);
    ASSERT_EQ(host::gSession.model.elements.size(), 20u);
    for (size_t i = 0; i < other.size(); ++i) {
        const host::Element* e = host::FindElement(other[i].rec.header.guid);
        if (i % 2 == 0) {
            EXPECT_EQ(e, nullptr) << i;
        } else {
            ASSERT_NE(e, nullptr) << i;
            EXPECT_EQ(e->elementId, "F" + std::to_string(i));
            EXPECT_EQ(e, &host::gSession.model.elements[i / 2]);
        }
    }
    host::ResetSession();
}

TEST(AttributeLookup, LongListsWithGapsAreFoundByIndexAfterEveryKindOfChange) {
    std::vector<host::Material> materials;
    for (int32_t i = 0; i < 100; ++i) materials.push_back(host::Material{3 * i + 1, "M" + std::to_string(i)});
    for (int32_t i = 0; i < 100; ++i) {
        ASSERT_NE(host::FindAttribute(materials, 3 * i + 1), nullptr);
        EXPECT_EQ(host::FindAttribute(materials, 3 * i + 1)->name, "M" + std::to_string(i));
        EXPECT_EQ(host::FindAttribute(materials, 3 * i + 2), nullptr);
    }
    EXPECT_EQ(host::HighestAttributeIndex(materials), 298);
    materials[10].index = 1000;  // renumbered in place
    EXPECT_EQ(host::FindAttribute(materials, 31), nullptr);
    ASSERT_NE(host::FindAttribute(materials, 1000), nullptr);
    EXPECT_EQ(host::FindAttribute(materials, 1000)->name, "M10");
    materials.push_back(host::Material{2000, "late"});  // the list grew
    EXPECT_EQ(host::FindAttribute(materials, 2000)->name, "late");
    EXPECT_EQ(host::HighestAttributeIndex(materials), 2000);
    const std::vector<host::Material> copy = materials;  // another list of the same kind
    EXPECT_EQ(host::FindAttribute(copy, 4)->name, "M1");
    EXPECT_EQ(host::FindAttribute(materials, 4), &materials[1]);
}

}  // namespace
