// Purpose: the edges of the placed edge setters listed with number, type, length and end points.
#include "app/EdgeList.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <sstream>

#include "app/SessionLines.h"
#include "edges/EdgeSetterPart.h"
#include "host/LibPartScripts.h"
#include "host/ParamLists.h"

namespace app {
namespace {

constexpr size_t kCoordColumns = 6;  // "edgeCoords" rows: start x y z, end x y z in the setter's frame

// A point of the setter's own frame in the project: mirrored, turned, moved and lifted as the object is.
API_Coord3D ToProject(const host::Element& setter, double x, double y, double z) {
    const API_ObjectType& o = setter.rec.object;
    const double u = o.reflected ? -x : x;
    return API_Coord3D{o.pos.x + u * std::cos(o.angle) - y * std::sin(o.angle),
                       o.pos.y + u * std::sin(o.angle) + y * std::cos(o.angle), z + o.level};
}

// The edges of one setter.
void AddSetterEdges(const host::Element& setter, std::vector<ListedEdge>& out) {
    const host::ParamValue* coords = host::FindParam(setter.params, "edgeCoords");
    const host::ParamValue* types = host::FindParam(setter.params, "iEdgeStatus");
    if (coords == nullptr || coords->dim2 != int(kCoordColumns)) return;
    const int rows = coords->dim1;
    const int n = std::min(int(host::ParamNumber(setter.params, "nEdge")), rows);
    for (int i = 0; i < n; ++i) {
        const size_t at = size_t(i) * kCoordColumns;
        if (at + kCoordColumns > coords->numbers.size()) break;
        const double* c = &coords->numbers[at];
        ListedEdge e;
        e.group = int(host::ParamNumber(setter.params, "dummyIndex"));
        e.setterId = setter.elementId;
        e.number = i + 1;
        e.type = types != nullptr && size_t(i) < types->numbers.size() ? int(types->numbers[size_t(i)]) : 0;
        e.label = EdgeTypeLabel(e.type);
        e.start = ToProject(setter, c[0], c[1], c[2]);
        e.end = ToProject(setter, c[3], c[4], c[5]);
        e.length = std::sqrt((c[3] - c[0]) * (c[3] - c[0]) + (c[4] - c[1]) * (c[4] - c[1]) + (c[5] - c[2]) * (c[5] - c[2]));
        out.push_back(e);
    }
}

// A point written as "(x; y; z)" in metres with centimetres shown.
std::string PointText(const API_Coord3D& p) {
    char text[96];
    std::snprintf(text, sizeof text, "(%.2f; %.2f; %.2f)", p.x, p.y, p.z);
    return text;
}

}  // namespace

std::vector<ListedEdge> ListEdges(int group) {
    std::vector<ListedEdge> edges;
    for (host::Element* setter : host::EdgeSetters())
        if (group == 0 || int(host::ParamNumber(setter->params, "dummyIndex")) == group) AddSetterEdges(*setter, edges);
    return edges;
}

std::string EdgeListText(const std::vector<ListedEdge>& edges) {
    std::ostringstream out;
    int shownGroup = -1;
    for (const ListedEdge& e : edges) {
        if (e.group != shownGroup) {
            out << "Edge setter of group " << e.group << " (" << (e.setterId.empty() ? "no ID" : e.setterId) << ")\n";
            shownGroup = e.group;
        }
        char line[80];
        std::snprintf(line, sizeof line, "  %2d. type %2d  %7.2f m  ", e.number, e.type, e.length);
        out << line << PointText(e.start) << " - " << PointText(e.end) << "  " << e.label << "\n";
    }
    return out.str();
}

bool RunEdgesLine(SessionRunner& runner, const std::string& line, std::string& error) {
    std::istringstream in(line);
    std::string word, groupText, extra;
    in >> word >> groupText >> extra;
    long group = 0;
    if (!groupText.empty()) {
        char* end = nullptr;
        group = std::strtol(groupText.c_str(), &end, 10);
        // a group is a whole positive number and nothing follows it
        if (*end != 0 || group <= 0 || !extra.empty()) {
            error = "edges takes nothing or a group number";
            return false;
        }
    }
    const std::vector<ListedEdge> edges = ListEdges(int(group));
    if (edges.empty()) {
        error = group == 0 ? "no edge setter is placed (run the tiling command first)" : "no edge setter of group " + groupText;
        return false;
    }
    if (runner.out != nullptr) *runner.out << EdgeListText(edges) << std::flush;
    return true;
}

}  // namespace app
