// Purpose: the element database as the program and tests see it: finding and adding elements,
// running a placed object's parameter script.
#pragma once

#include <string>

#include "host/Host.h"

namespace host {

Element* FindElement(const API_Guid& guid);
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
