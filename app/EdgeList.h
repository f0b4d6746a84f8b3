// Purpose: the edges the open edge palette offers, listed by setter and number with their type,
// 3D length and end points in the project's coordinates (the `edges [GROUP]` session line and the
// workbench's palette on the plan).
#pragma once

#include <string>
#include <vector>

#include "Common_src/Api_related/HostTypes.h"

namespace app {

struct SessionRunner;

// One edge of an edge setter, as a user picks it on the plan.
struct ListedEdge {
    int group = 0;            // the setter's plane group ("dummyIndex"), as `edge GROUP ...` names it
    std::string setterId;     // the setter's element ID
    int number = 0;           // 1-based, as `edge GROUP EDGE TYPE` and the palette number it
    int type = 0;             // 1..14
    std::string label;        // the type's name as the setter shows it
    double length = 0;        // 3D length, metres
    API_Coord3D start, end;   // in the project's coordinates
};

// Every edge of every edge setter (group 0), or of the setter of one group, in setter then edge order.
std::vector<ListedEdge> ListEdges(int group = 0);

// The text listing of ListEdges: one heading per setter, one line per edge.
std::string EdgeListText(const std::vector<ListedEdge>& edges);

// The session line `edges [GROUP]`: prints the listing to the runner's output. False with `error`
// for a malformed line or a group that has no setter.
bool RunEdgesLine(SessionRunner& runner, const std::string& line, std::string& error);

}  // namespace app
