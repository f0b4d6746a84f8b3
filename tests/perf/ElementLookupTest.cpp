// Purpose: the host finds elements by GUID through its place table, and stays right when the
// element list changes under it: deletions that move elements, undo, a fresh project.
#include <gtest/gtest.h>

#include <vector>

#include "host/ElementDatabase.h"
#include "host/Host.h"

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

}  // namespace
