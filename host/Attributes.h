// Purpose: attributes of the project: layers, materials, building materials, composites.
#pragma once

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "host/Model.h"

namespace host {

// Short attribute lists are searched straight through; longer ones through an index.
constexpr size_t kAttributeScanLimit = 16;

// The index of one attribute list: where each attribute index stands, and the highest index. It
// describes the list of one buffer and length; another list, or one that changed length, is
// indexed again on the next lookup (one index per attribute kind).
template <typename Attr>
struct AttributeIndex {
    const Attr* data = nullptr;
    size_t size = 0;
    std::unordered_map<int32_t, size_t> at;
    int32_t highest = 0;
};

// The index of `list`, built again when it describes another list.
template <typename Attr>
AttributeIndex<Attr>& IndexOfAttributes(const std::vector<Attr>& list, bool force = false) {
    static AttributeIndex<Attr> index;
    if (!force && index.data == list.data() && index.size == list.size()) return index;
    index.at.clear();
    index.highest = 0;
    for (size_t k = 0; k < list.size(); ++k) {
        index.at.emplace(int32_t(list[k].index), k);  // the first of an index given twice wins
        index.highest = std::max(index.highest, int32_t(list[k].index));
    }
    index.data = list.data();
    index.size = list.size();
    return index;
}

// The attribute with this index in one of the model's attribute lists; null when none has it.
template <typename Attr>
const Attr* FindAttribute(const std::vector<Attr>& list, int32_t index) {
    if (list.size() <= kAttributeScanLimit) {
        for (const Attr& a : list)
            if (int32_t(a.index) == index) return &a;
        return nullptr;
    }
    for (bool force : {false, true}) {
        const AttributeIndex<Attr>& known = IndexOfAttributes(list, force);
        auto found = known.at.find(index);
        if (found == known.at.end()) return nullptr;
        // an attribute renumbered in place since the index was made is looked up again
        if (int32_t(list[found->second].index) == index) return &list[found->second];
    }
    return nullptr;
}

// The highest index in use of one attribute list (attribute indices may have gaps).
template <typename Attr>
int32_t HighestAttributeIndex(const std::vector<Attr>& list) {
    if (list.size() <= kAttributeScanLimit) {
        int32_t highest = 0;
        for (const Attr& a : list) highest = std::max(highest, int32_t(a.index));
        return highest;
    }
    return IndexOfAttributes(list).highest;
}

GSErrCode AttributeGet(const Model& model, API_Attribute* attribute);
GSErrCode AttributeGetNum(const Model& model, API_AttrTypeID typeID, int32_t* count);
GSErrCode AttributeGetDef(const Model& model, API_AttrTypeID typeID, int32_t index, API_AttributeDef* defs);
GSErrCode DisposeAttrDefs(API_AttributeDef* defs);

}  // namespace host
