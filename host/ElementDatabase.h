// Purpose: the element database as the program and tests see it: finding and adding elements,
// running a placed object's parameter script.
#pragma once

#include <string>

#include "host/Host.h"

namespace host {

// Hash of a GUID for the host's tables (the host's own GUIDs differ in their low half).
struct GuidHash {
    size_t operator()(const API_Guid& g) const { return size_t(g.hi * 0x9E3779B97F4A7C15ull ^ g.lo); }
};

// The session's element with this GUID, in constant time (the host keeps an index of its list).
Element* FindElement(const API_Guid& guid);
// Where the element with this GUID stands in `model`'s list; the session's model is looked up in
// its index, any other model (an undo step, a model loaded aside) by a pass over it.
bool ElementPosition(const Model& model, const API_Guid& guid, size_t& position);
// By element ID text or by GUID text ("{...}"); nullptr when no element has it.
Element* FindElementByText(const std::string& idOrGuid);
// Adds an element to the project (a GUID is given when it has none); returns its GUID.
API_Guid AddElement(Element element);
// The host's default record of an element type (story: the current one).
API_Element DefaultElement(API_ElemTypeID type);
// Runs the parameter script of a placed object's library part, when it has one.
void RunParameterScript(Element& object, const std::string& changed);
// Sets every placed object's library part index from its library part's unique identifier.
void ResolveLibPartIndices();

}  // namespace host
