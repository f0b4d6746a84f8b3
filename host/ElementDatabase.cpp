// Purpose: the element database entries of the function table: selection, get, defaults,
// create, change, parameter change, delete, element lists, groups, element types and IDs.
#include "host/ElementDatabase.h"
#include "host/Roof3D.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "host/HostApi.h"
#include "host/Libraries.h"
#include "host/MemoryHandles.h"
#include "host/ModelFile.h"
#include "host/ParamLists.h"

namespace host {
namespace {

// Element types the database holds.
bool IsKnownType(int32_t type) {
    return type == API_WallID || type == API_ObjectID || type == API_RoofID || type == API_HatchID ||
           type == API_HotspotID;
}

// Number of records of type T to read from a list: nItem, bounded by the handle's size when the
// list is a host handle (a plain pointer to a pointer is trusted).
template <typename T>
size_t RecordCount(const void* handle, int32_t nItem) {
    if (handle == nullptr || nItem <= 0) return 0;
    const auto h = static_cast<GSConstHandle>(handle);
    if (!IsLiveHandle(h)) return size_t(nItem);
    return std::min(HandleCount<T>(h), size_t(nItem));
}

// Copies every byte of `source` whose mask byte is non-zero into `target`.
void MaskedCopy(API_Element& target, const API_Element& source, const API_Element& mask) {
    auto* t = reinterpret_cast<unsigned char*>(&target);
    const auto* s = reinterpret_cast<const unsigned char*>(&source);
    const auto* m = reinterpret_cast<const unsigned char*>(&mask);
    for (size_t i = 0; i < sizeof(API_Element); ++i)
        if (m[i] != 0) t[i] = s[i];
}

// Applies a masked change to an element's record; identity and group stay the host's.
void ChangeRecord(Element& e, const API_Element& source, const API_Element& mask) {
    const API_Elem_Head keep = e.rec.header;
    MaskedCopy(e.rec, source, mask);
    e.rec.header.guid = keep.guid;
    e.rec.header.typeID = keep.typeID;
    e.rec.header.groupId = keep.groupId;
    // A chained roof keeps its three surface overrides alike, whichever one was changed.
    if (e.rec.header.typeID == API_RoofID) ChainRoofMaterials(e.rec.roof, mask.roof);
}

// Makes a 1-based coordinate handle of a closed polygon (entry 0 unused).
API_Coord** PolygonToHandle(const std::vector<API_Coord>& polygon) {
    GSHandle h = NewHostHandle(int32_t((polygon.size() + 1) * sizeof(API_Coord)));
    if (h == nullptr) return nullptr;
    API_Coord* c = reinterpret_cast<API_Coord*>(*h);
    for (size_t i = 0; i < polygon.size(); ++i) c[i + 1] = polygon[i];
    return reinterpret_cast<API_Coord**>(h);
}

// Reads a 1-based coordinate handle back into a polygon.
std::vector<API_Coord> PolygonFromHandle(API_Coord* const* h) {
    std::vector<API_Coord> out;
    const size_t n = HandleCount<API_Coord>(h);
    for (size_t i = 1; i < n; ++i) out.push_back((*h)[i]);
    return out;
}

// Sets a placed object's library part index from its unique identifier.
void ResolveLibInd(Element& e) {
    if (e.rec.header.typeID == API_ObjectID && !e.libPartUnId.empty())
        e.rec.object.libInd = LibPartIndexForUnId(e.libPartUnId);
}

// Takes the parameters, polygon and element ID of a memo into an element, as `mask` says.
void TakeMemo(Element& e, const API_ElementMemo& memo, uint64_t mask) {
    if ((mask & APIMemoMask_AddPars) && memo.params != nullptr) e.params = ParamsFromHandle(memo.params);
    if ((mask & APIMemoMask_Polygon) && memo.coords != nullptr) e.polygon = PolygonFromHandle(memo.coords);
    if (mask & APIMemoMask_ElemInfoString)
        e.elementId.assign(memo.elemInfoString, strnlen(memo.elemInfoString, sizeof memo.elemInfoString));
}

}  // namespace

namespace {


// Where each element stands in the element list, by GUID. The index belongs to
// one state of the list: its buffer, its length and its first and last GUID. The host's own calls
// keep it up to date as they add elements; anything else that changes the list (a deletion, undo,
// a loaded project, a test editing the list) leaves a state the index does not know, and the next
// lookup builds it again, once, in one pass.
struct ElementIndex {
    std::unordered_map<API_Guid, size_t, GuidHash> byGuid;
    const Element* data = nullptr;
    size_t size = 0;
    API_Guid first{}, last{};
    bool built = false;
};
ElementIndex gIndex;

// Notes the list's state the index now describes.
void NoteListState() {
    const std::vector<Element>& elements = gSession.model.elements;
    gIndex.data = elements.data();
    gIndex.size = elements.size();
    gIndex.first = elements.empty() ? APINULLGuid : elements.front().rec.header.guid;
    gIndex.last = elements.empty() ? APINULLGuid : elements.back().rec.header.guid;
}

// True when the element list is still in the state the index describes.
bool IndexMatchesList() {
    const std::vector<Element>& elements = gSession.model.elements;
    if (!gIndex.built || gIndex.data != elements.data() || gIndex.size != elements.size()) return false;
    // same buffer and length: the ends tell a list refilled in place from one kept
    return elements.empty() || (elements.front().rec.header.guid == gIndex.first && elements.back().rec.header.guid == gIndex.last);
}

// Builds the index of the whole element list in one pass.
void RebuildIndex() {
    const std::vector<Element>& elements = gSession.model.elements;
    gIndex.byGuid.clear();
    gIndex.byGuid.reserve(elements.size());
    for (size_t i = 0; i < elements.size(); ++i) {
        gIndex.byGuid.emplace(elements[i].rec.header.guid, i);  // the first of a GUID given twice wins
    }
    gIndex.built = true;
    NoteListState();
}

// The index, built again when the list changed behind its back.
ElementIndex& CurrentIndex() {
    if (!IndexMatchesList()) RebuildIndex();
    return gIndex;
}

// Appends an element to the list and to the index.
void AppendElement(Element element) {
    CurrentIndex();
    std::vector<Element>& elements = gSession.model.elements;
    elements.push_back(std::move(element));
    const size_t i = elements.size() - 1;
    gIndex.byGuid.emplace(elements[i].rec.header.guid, i);
    NoteListState();
}

// A GUID that no element of the project has (a project loaded from a file may hold GUIDs that the
// host's running number gives out again).
API_Guid UnusedGuid() {
    API_Guid g = NewGuid();
    while (FindElement(g) != nullptr) g = NewGuid();
    return g;
}

}  // namespace

Element* FindElement(const API_Guid& guid) {
    if (IsNullGuid(guid)) return nullptr;
    ElementIndex& index = CurrentIndex();
    auto found = index.byGuid.find(guid);
    if (found == index.byGuid.end()) return nullptr;
    std::vector<Element>& elements = gSession.model.elements;
    // An element's GUID or element ID changed in place: the index is built again.
    if (!(elements[found->second].rec.header.guid == guid)) {
        RebuildIndex();
        found = gIndex.byGuid.find(guid);
        if (found == gIndex.byGuid.end()) return nullptr;
    }
    return &elements[found->second];
}

bool ElementPosition(const Model& model, const API_Guid& guid, size_t& position) {
    if (&model == &gSession.model) {
        const Element* e = FindElement(guid);
        if (e == nullptr) return false;
        position = size_t(e - model.elements.data());
        return true;
    }
    for (size_t k = 0; k < model.elements.size(); ++k)
        if (model.elements[k].rec.header.guid == guid) {
            position = k;
            return true;
        }
    return false;
}

Element* FindElementByText(const std::string& idOrGuid) {
    API_Guid g;
    if (!idOrGuid.empty() && idOrGuid[0] == '{' && GuidFromString(idOrGuid, g)) return FindElement(g);
    // Looked up once per session line, never inside a loop over elements: a plain pass will do.
    for (Element& e : gSession.model.elements)
        if (e.elementId == idOrGuid) return &e;
    return nullptr;
}

API_Guid AddElement(Element element) {
    if (IsNullGuid(element.rec.header.guid)) element.rec.header.guid = UnusedGuid();
    ResolveLibInd(element);
    const API_Guid guid = element.rec.header.guid;
    AppendElement(std::move(element));
    return guid;
}

API_Element DefaultElement(API_ElemTypeID type) {
    auto it = gSession.elementDefaults.find(type);
    API_Element rec = it != gSession.elementDefaults.end() ? it->second : API_Element{};
    rec.header.typeID = type;
    rec.header.guid = APINULLGuid;
    rec.header.groupId = 0;
    rec.header.floorInd = gSession.model.currentStory;
    if (type == API_ObjectID) rec.object.libInd = 0;  // object defaults name no library part
    return rec;
}

void RunParameterScript(Element& object, const std::string& changed) {
    if (object.rec.header.typeID != API_ObjectID) return;
    const LibPart* part = LibPartByIndex(object.rec.object.libInd);
    if (part != nullptr && part->scripts.parameterScript != nullptr) part->scripts.parameterScript(object, changed);
}

void ResolveLibPartIndices() {
    for (Element& e : gSession.model.elements) ResolveLibInd(e);
}

// ---- Table entries -------------------------------------------------------------------------

GSErrCode Api_Selection_Get(API_SelectionInfo* info, API_Neig*** selNeigs, bool /*onlyEditable*/,
                            bool /*inclPartial*/) {
    if (GSErrCode f = TakeHostFault("Selection_Get")) return f;
    if (info == nullptr) return APIERR_BADPARS;
    // Every element of the stand-in is editable and wholly selected.
    std::vector<API_Guid> selected;
    for (const API_Guid& g : gSession.model.selection)
        if (FindElement(g) != nullptr) selected.push_back(g);
    *info = API_SelectionInfo{};
    info->typeID = selected.empty() ? API_SelEmpty : API_SelElems;
    info->sel_nElem = int32_t(selected.size());
    if (selNeigs != nullptr) {
        *selNeigs = nullptr;
        if (!selected.empty()) {
            GSHandle h = NewHostHandle(int32_t(selected.size() * sizeof(API_Neig)));
            for (size_t i = 0; i < selected.size(); ++i) reinterpret_cast<API_Neig*>(*h)[i].guid = selected[i];
            *selNeigs = reinterpret_cast<API_Neig**>(h);
        }
    }
    return NoError;
}

GSErrCode Api_Element_Select(API_Neig** selNeigs, int32_t nItem, bool add) {
    if (GSErrCode f = TakeHostFault("Element_Select")) return f;
    std::vector<API_Guid>& sel = gSession.model.selection;
    if (nItem <= 0 || selNeigs == nullptr) {
        sel.clear();
        return NoError;
    }
    if (!add) sel.clear();
    std::unordered_set<API_Guid, GuidHash> selected(sel.begin(), sel.end());
    const size_t n = RecordCount<API_Neig>(selNeigs, nItem);
    for (size_t i = 0; i < n; ++i) {
        const API_Guid g = (*selNeigs)[i].guid;
        if (FindElement(g) == nullptr) continue;  // only existing elements can be selected
        if (selected.insert(g).second) sel.push_back(g);
    }
    return NoError;
}

GSErrCode Api_Element_Get(API_Element* element) {
    if (GSErrCode f = TakeHostFault("Element_Get")) return f;
    if (element == nullptr) return APIERR_BADPARS;
    Element* e = FindElement(element->header.guid);
    if (e == nullptr) return APIERR_BADID;
    ResolveLibInd(*e);
    *element = e->rec;
    return NoError;
}

GSErrCode Api_Element_GetMemo(API_Guid guid, API_ElementMemo* memo, uint64_t mask) {
    if (GSErrCode f = TakeHostFault("Element_GetMemo")) return f;
    if (memo == nullptr) return APIERR_BADPARS;
    const Element* e = FindElement(guid);
    if (e == nullptr) return APIERR_BADID;
    *memo = API_ElementMemo{};
    if ((mask & APIMemoMask_AddPars) && !e->params.empty()) memo->params = ParamsToHandle(e->params);
    if ((mask & APIMemoMask_Polygon) && !e->polygon.empty()) memo->coords = PolygonToHandle(e->polygon);
    if (mask & APIMemoMask_ElemInfoString)
        std::strncpy(memo->elemInfoString, e->elementId.c_str(), sizeof memo->elemInfoString - 1);
    return NoError;
}

GSErrCode Api_Element_GetDefaults(API_Element* element, API_ElementMemo* memo) {
    if (GSErrCode f = TakeHostFault("Element_GetDefaults")) return f;
    if (element == nullptr) return APIERR_BADPARS;
    if (!IsKnownType(element->header.typeID)) return APIERR_BADID;
    *element = DefaultElement(element->header.typeID);
    if (memo != nullptr) *memo = API_ElementMemo{};
    return NoError;
}

GSErrCode Api_Element_Create(API_Element* element, API_ElementMemo* memo) {
    if (GSErrCode f = TakeHostFault("Element_Create")) return f;
    if (element == nullptr) return APIERR_BADPARS;
    if (!IsKnownType(element->header.typeID)) return APIERR_BADID;
    Element e;
    e.rec = *element;
    e.rec.header.groupId = 0;
    if (e.rec.header.typeID == API_ObjectID) {
        const LibPart* part = LibPartByIndex(e.rec.object.libInd);
        if (part == nullptr || !part->loaded) return APIERR_BADINDEX;
        e.libPartUnId = part->unId;
        e.params = part->params;  // without a parameter list in the memo the part's defaults hold
    }
    if (memo != nullptr) TakeMemo(e, *memo, APIMemoMask_All);
    e.rec.header.guid = UnusedGuid();
    element->header.guid = e.rec.header.guid;
    element->header.groupId = 0;
    AppendElement(std::move(e));
    return NoError;
}

GSErrCode Api_Element_Change(API_Element* element, const API_Element* mask, const API_ElementMemo* memo,
                             uint64_t memoMask) {
    if (GSErrCode f = TakeHostFault("Element_Change")) return f;
    if (element == nullptr) return APIERR_BADPARS;
    Element* e = FindElement(element->header.guid);
    if (e == nullptr) return APIERR_BADID;
    if (mask != nullptr) ChangeRecord(*e, *element, *mask);
    if (memo != nullptr && memoMask != 0) TakeMemo(*e, *memo, memoMask);
    if (memo != nullptr && (memoMask & APIMemoMask_AddPars) && memo->params != nullptr) RunParameterScript(*e, "");
    *element = e->rec;
    return NoError;
}

GSErrCode Api_Element_ChangeParameters(API_Elem_Head** elemHeads, int32_t nItem, const API_Element* defPars,
                                       const API_ElementMemo* memo, const API_Element* mask) {
    if (GSErrCode f = TakeHostFault("Element_ChangeParameters")) return f;
    const size_t n = RecordCount<API_Elem_Head>(elemHeads, nItem);
    if (n == 0) return APIERR_BADPARS;
    for (size_t i = 0; i < n; ++i) {
        const Element* e = FindElement((*elemHeads)[i].guid);
        if (e == nullptr) return APIERR_BADID;
        if (e->rec.header.typeID != API_ObjectID) return APIERR_BADID;
    }
    const std::vector<ParamValue> params =
        memo != nullptr && memo->params != nullptr ? ParamsFromHandle(memo->params) : std::vector<ParamValue>{};
    for (size_t i = 0; i < n; ++i) {
        Element* e = FindElement((*elemHeads)[i].guid);
        if (defPars != nullptr && mask != nullptr) ChangeRecord(*e, *defPars, *mask);
        if (memo != nullptr && memo->params != nullptr) e->params = params;
        RunParameterScript(*e, "");
    }
    return NoError;
}

GSErrCode Api_Element_Delete(API_Elem_Head** elemHeads, int32_t nItem) {
    if (GSErrCode f = TakeHostFault("Element_Delete")) return f;
    const size_t n = RecordCount<API_Elem_Head>(elemHeads, nItem);
    if (n == 0) return APIERR_BADPARS;
    std::unordered_set<API_Guid, GuidHash> doomed;
    for (size_t i = 0; i < n; ++i) {
        const API_Guid g = (*elemHeads)[i].guid;
        if (FindElement(g) == nullptr) return APIERR_BADID;  // nothing is deleted then
        doomed.insert(g);
    }
    auto isDoomed = [&](const API_Guid& g) { return doomed.count(g) != 0; };
    auto& elems = gSession.model.elements;
    elems.erase(std::remove_if(elems.begin(), elems.end(), [&](const Element& e) { return isDoomed(e.rec.header.guid); }),
                elems.end());
    auto& sel = gSession.model.selection;
    sel.erase(std::remove_if(sel.begin(), sel.end(), isDoomed), sel.end());
    return NoError;
}

GSErrCode Api_Element_GetElemList(API_ElemTypeID typeID, GSHandle* guids) {
    if (GSErrCode f = TakeHostFault("Element_GetElemList")) return f;
    if (guids == nullptr) return APIERR_BADPARS;
    std::vector<API_Guid> found;
    for (const Element& e : gSession.model.elements)
        if (e.rec.header.typeID == typeID) found.push_back(e.rec.header.guid);
    *guids = NewHostHandle(int32_t(found.size() * sizeof(API_Guid)));
    if (*guids == nullptr) return APIERR_MEMFULL;
    if (!found.empty()) std::memcpy(**guids, found.data(), found.size() * sizeof(API_Guid));
    return NoError;
}

GSErrCode Api_Element_Tool(API_Elem_Head** elemHeads, int32_t nItem, uint32_t code, void* /*par*/) {
    if (GSErrCode f = TakeHostFault("Element_Tool", code)) return f;
    Model& m = gSession.model;
    if (code == APITool_SuspendGroups) {
        m.groupsSuspended = !m.groupsSuspended;
        RecordCall("Element_Tool/SUSP", APINULLGuid, m.groupsSuspended ? 1 : 0);
        return NoError;
    }
    const size_t n = RecordCount<API_Elem_Head>(elemHeads, nItem);
    std::vector<Element*> listed;
    for (size_t i = 0; i < n; ++i) {
        Element* e = FindElement((*elemHeads)[i].guid);
        if (e == nullptr) return APIERR_BADID;
        listed.push_back(e);
    }
    if (code == APITool_Group) {
        if (listed.empty()) return APIERR_BADPARS;
        const uint32_t group = ++m.nextGroupId;
        for (Element* e : listed) e->rec.header.groupId = group;
        RecordCall("Element_Tool/GRUP", listed.front()->rec.header.guid, int64_t(listed.size()));
        return NoError;
    }
    if (code == APITool_Ungroup) {
        // Ungrouping an element dissolves the whole group it belongs to.
        std::unordered_set<uint32_t> groups;
        for (Element* e : listed)
            if (e->rec.header.groupId != 0) groups.insert(e->rec.header.groupId);
        for (Element& e : m.elements)
            if (groups.count(e.rec.header.groupId) != 0) e.rec.header.groupId = 0;
        RecordCall("Element_Tool/UGRP", APINULLGuid, int64_t(listed.size()));
        return NoError;
    }
    if (code == APITool_BringToFront) {
        for (Element* e : listed) RecordCall("Element_Tool/OFR0", e->rec.header.guid);
        return NoError;
    }
    return APIERR_BADPARS;
}

GSErrCode Api_DisposeElemMemoHdls(API_ElementMemo* memo) {
    if (memo == nullptr) return NoError;
    KillParamsHandle(&memo->params);
    GSHandle coords = reinterpret_cast<GSHandle>(memo->coords);
    KillHandle(&coords);
    memo->coords = nullptr;
    return NoError;
}

GSErrCode Api_DisposeAddParHdl(API_AddParType*** addPars) {
    KillParamsHandle(addPars);
    return NoError;
}

GSErrCode Api_Goodies(uint32_t code, void* par1, void* par2) {
    if (GSErrCode f = TakeHostFault("Goodies", code)) return f;
    if (code == APIAny_NeigIDToElemTypeID) {
        const auto* neig = static_cast<const API_Neig*>(par1);
        auto* type = static_cast<API_ElemTypeID*>(par2);
        if (neig == nullptr || type == nullptr) return APIERR_BADPARS;
        const Element* e = FindElement(neig->guid);
        if (e == nullptr) return APIERR_BADID;
        *type = e->rec.header.typeID;
        return NoError;
    }
    if (code == APIAny_RunGDLParScriptID) {
        const auto* head = static_cast<const API_Elem_Head*>(par1);
        if (head == nullptr) return APIERR_BADPARS;
        Element* e = FindElement(head->guid);
        if (e == nullptr) return APIERR_BADID;
        RecordCall("Goodies/RPAS", head->guid, int64_t(reinterpret_cast<intptr_t>(par2)));
        RunParameterScript(*e, "");
        return NoError;
    }
    return APIERR_BADPARS;
}

GSErrCode Api_Database(uint32_t code, void* par1, void* par2) {
    if (GSErrCode f = TakeHostFault("Database", code)) return f;
    if (code == APIDb_GetElementInfoStringID) {
        const auto* guid = static_cast<const API_Guid*>(par1);
        auto* text = static_cast<char*>(par2);
        if (guid == nullptr || text == nullptr) return APIERR_BADPARS;
        const Element* e = FindElement(*guid);
        if (e == nullptr) return APIERR_BADID;
        std::memset(text, 0, 256);
        std::strncpy(text, e->elementId.c_str(), 255);
        return NoError;
    }
    return APIERR_BADPARS;
}

}  // namespace host
