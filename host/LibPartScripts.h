// Purpose: scripts of the add-on's own library parts (the edge setter): the table entry that
// registers them, running them on placed objects, and the edge-setter actions of the program
// (setting an edge type as the settings dialog does, dragging a palette hotspot, listing).
#pragma once

#include <string>
#include <vector>

#include "Common_src/LibPartIds.h"
#include "host/Host.h"

namespace host {

// The table entry Register_LibPartScripts: keeps the add-on's hooks for parts of this main
// identifier and makes them the parts' native parameter script and plan drawing.
GSErrCode RegisterLibPartScripts(const char* mainId, const LibPartScriptHooks* hooks);
// Forgets every registered hook (a fresh host process).
void ForgetLibPartScripts();

// Runs an object's registered parameter script as its settings dialog does: `changed` names the
// parameter the user edited, `uiButton` a dialog button pressed (0 none). False when the object's
// part has no registered script or the script failed.
bool RunSettingsParameterScript(Element& object, const std::string& changed, int32_t uiButton = 0);

// The text a registered part shows for a value of one of its parameters ("" when none).
std::string LibPartValueText(const Element& object, const std::string& paramName, double value);

// ---- Edge setters ---------------------------------------------------------------------------


bool IsEdgeSetter(const Element& object);
// The edge setter the add-on placed for plane group `group` ("dummyIndex"); null when none.
Element* FindEdgeSetter(int group);
// Every edge setter of the model, in model order.
std::vector<Element*> EdgeSetters();

// Sets edge `edge` (1-based) to type `type` (1..14) through the part's parameter script, as the
// settings dialog does: the edge is selected, then its type is edited. False with `error`.
bool SetEdgeSetterEdgeType(Element& setter, int edge, int type, std::string& error);

// Drags edge `edge`'s palette hotspot by (dx, dy) model units: dy moves the hotspot that opens the
// palette, dx the one that runs along it; the parameter script runs after each. False with `error`.
bool DragEdgeSetterHotspot(Element& setter, int edge, double dx, double dy, std::string& error);

// Text listing of every edge setter: its group, element ID, and per edge the number, the 3D
// length and the type's label.
std::string DescribeEdgeSetters();

}  // namespace host
