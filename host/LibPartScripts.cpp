// Purpose: scripts of the add-on's own library parts (the edge setter): the table entry that
// registers them, running them on placed objects, and the edge-setter actions of the program.
#include "host/LibPartScripts.h"
#include "Common_src/ParamNames.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>

#include "host/Libraries.h"
#include "host/ParamLists.h"
#include "polytopo/EdgeGroups.h"

namespace host {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kPlanDrawingScale = 100;  // the stand-in's plan is drawn at 1:100
constexpr int kEdgeCoordColumns = 6;

// Hooks by main identifier; they stay while the add-on that gave them is loaded.
std::map<std::string, LibPartScriptHooks>& HookRegistry() {
    static std::map<std::string, LibPartScriptHooks> registry;
    return registry;
}

// The main identifier of the library part a placed object names.
std::string ObjectMainId(const Element& object) {
    std::string unId = object.libPartUnId;
    if (unId.empty()) {
        const LibPart* part = LibPartByIndex(object.rec.object.libInd);
        if (part != nullptr) unId = part->unId;
    }
    return unId.substr(0, kMainIdLength);
}

// The hooks registered for an object's part, or null.
const LibPartScriptHooks* HooksFor(const Element& object) {
    auto it = HookRegistry().find(ObjectMainId(object));
    return it == HookRegistry().end() ? nullptr : &it->second;
}

// Runs the registered parameter script on an object's parameters and keeps what it wrote.
bool RunHookedParameterScript(Element& object, const std::string& changed, bool settingsDialog, int32_t uiButton) {
    const LibPartScriptHooks* hooks = HooksFor(object);
    if (hooks == nullptr || hooks->parameterScript == nullptr) return false;
    API_AddParType** handle = ParamsToHandle(object.params);
    LibPartParamScriptEnv env;
    env.changedName = changed.c_str();
    env.settingsDialog = settingsDialog;
    env.uiButtonId = uiButton;
    const GSErrCode err = hooks->parameterScript(handle, &env);
    if (err == NoError && handle != nullptr) object.params = ParamsFromHandle(handle);
    KillParamsHandle(&handle);
    return err == NoError;
}

// Native parameter script of a hooked part: a change made in the model, not in the dialog.
void ParameterScriptTrampoline(Element& object, const std::string& changed) {
    RunHookedParameterScript(object, changed, false, 0);
}

// Collects a hooked part's drawing in plan coordinates.
struct PlanCollector {
    const Element* object = nullptr;
    std::vector<DrawPrimitive>* out = nullptr;
};

// A point of the object's own frame in the plan: mirrored, turned and moved as the object is.
API_Coord ToPlan(const Element& object, API_Coord local) {
    const API_ObjectType& o = object.rec.object;
    const double u = o.reflected ? -local.x : local.x;
    return API_Coord{o.pos.x + u * std::cos(o.angle) - local.y * std::sin(o.angle),
                     o.pos.y + u * std::sin(o.angle) + local.y * std::cos(o.angle)};
}

// An angle of the object's own frame in the plan.
double AngleToPlan(const Element& object, double angle) {
    const API_ObjectType& o = object.rec.object;
    return (o.reflected ? kPi - angle : angle) + o.angle;
}

// Adds one primitive to the collector's list.
void Emit(void* context, DrawPrimitive p) { static_cast<PlanCollector*>(context)->out->push_back(std::move(p)); }
// The object a collector draws.
const Element& ObjectOf(void* context) { return *static_cast<PlanCollector*>(context)->object; }

// Sink entry: a line.
void SinkLine(void* ctx, API_Coord a, API_Coord b, int16_t pen) {
    DrawPrimitive p;
    p.kind = DrawPrimitive::Line;
    p.points = {ToPlan(ObjectOf(ctx), a), ToPlan(ObjectOf(ctx), b)};
    p.pen = pen;
    Emit(ctx, std::move(p));
}

// Sink entry: an arc; mirroring reverses its sweep.
void SinkArc(void* ctx, API_Coord c, double r, double start, double end, int16_t pen) {
    DrawPrimitive p;
    p.kind = DrawPrimitive::Arc;
    p.points = {ToPlan(ObjectOf(ctx), c)};
    p.radius = r;
    double a = AngleToPlan(ObjectOf(ctx), start), b = AngleToPlan(ObjectOf(ctx), end);
    if (ObjectOf(ctx).rec.object.reflected) std::swap(a, b);  // mirroring reverses the sweep
    p.startAngle = a;
    p.endAngle = b;
    p.pen = pen;
    Emit(ctx, std::move(p));
}

// Sink entry: a full circle.
void SinkCircle(void* ctx, API_Coord c, double r, int16_t pen) { SinkArc(ctx, c, r, 0, 2 * kPi, pen); }

// Sink entry: a filled polygon (the stand-in's plan keeps only its outline and contour pen).
void SinkPolygon(void* ctx, const API_Coord* pts, int32_t n, int16_t contourPen, int32_t, int16_t, int16_t) {
    DrawPrimitive p;
    p.kind = DrawPrimitive::Polygon;
    for (int32_t i = 0; i < n; ++i) p.points.push_back(ToPlan(ObjectOf(ctx), pts[i]));
    p.pen = contourPen;
    Emit(ctx, std::move(p));
}

// Sink entry: a text; it keeps its turn in startAngle and its size (mm) in radius.
void SinkText(void* ctx, API_Coord at, double angle, double sizeMm, const char* text, int16_t pen) {
    DrawPrimitive p;
    p.kind = DrawPrimitive::Text;
    p.points = {ToPlan(ObjectOf(ctx), at)};
    p.startAngle = AngleToPlan(ObjectOf(ctx), angle);
    p.radius = sizeMm;
    p.text = text != nullptr ? text : "";
    p.pen = pen;
    Emit(ctx, std::move(p));
}

// Sink entry: a hotspot; editable ones name their parameter and role in the text
// ("edgeHotspotsX[3] moving").
void SinkHotspot(void* ctx, API_Coord at, int32_t role, const char* param, int32_t index) {
    DrawPrimitive p;
    p.kind = DrawPrimitive::Hotspot;
    p.points = {ToPlan(ObjectOf(ctx), at)};
    if (param != nullptr) {
        static const char* const kRoles[] = {"", "base", "moving", "reference"};
        p.text = std::string(param) + "[" + std::to_string(index) + "] " + kRoles[role >= 0 && role <= 3 ? role : 0];
    }
    Emit(ctx, std::move(p));
}

// Native plan drawing of a hooked part.
void Draw2DTrampoline(const Element& object, std::vector<DrawPrimitive>& out) {
    const LibPartScriptHooks* hooks = HooksFor(object);
    if (hooks == nullptr || hooks->draw2D == nullptr) return;
    PlanCollector collector{&object, &out};
    LibPartDrawSink sink;
    sink.context = &collector;
    sink.line = SinkLine;
    sink.arc = SinkArc;
    sink.circle = SinkCircle;
    sink.polygon = SinkPolygon;
    sink.text = SinkText;
    sink.hotspot = SinkHotspot;
    LibPartDrawEnv env;
    env.objectAngle = object.rec.object.angle;
    env.mirrored = object.rec.object.reflected;
    env.drawingScale = kPlanDrawingScale;
    API_AddParType** handle = ParamsToHandle(object.params);
    hooks->draw2D(handle, &env, &sink);
    KillParamsHandle(&handle);
}

// A simple numeric parameter of an object, made writable; null when the object lacks it.
double* NumberParam(Element& object, const char* name) {
    ParamValue* p = FindParam(object.params, name);
    if (p == nullptr || p->numbers.empty()) return nullptr;
    return &p->numbers[0];
}

// Element `row` (0-based) of a one-column numeric array parameter; null outside it.
double* ArrayCell(Element& object, const char* name, int row) {
    ParamValue* p = FindParam(object.params, name);
    if (p == nullptr || !p->isArray || row < 0 || size_t(row) >= p->numbers.size()) return nullptr;
    return &p->numbers[size_t(row)];
}

// The number of edges a setter holds ("nEdge", limited to the rows of "edgeCoords").
int SetterEdgeCount(const Element& setter) {
    const ParamValue* coords = FindParam(setter.params, kParamEdgeCoords);
    const int rows = coords != nullptr && coords->isArray ? coords->dim1 : 0;
    const int n = int(ParamNumber(setter.params, kParamEdgeCount));
    return n < rows ? n : rows;
}

}  // namespace

GSErrCode RegisterLibPartScripts(const char* mainId, const LibPartScriptHooks* hooks) {
    if (GSErrCode f = TakeHostFault("Register_LibPartScripts")) return f;
    if (mainId == nullptr || hooks == nullptr) return APIERR_BADPARS;
    const std::string main = std::string(mainId).substr(0, kMainIdLength);
    if (main.size() != kMainIdLength || main[0] != '{') return APIERR_BADPARS;
    HookRegistry()[main] = *hooks;
    NativeScripts scripts = RegisteredScriptsFor(main);
    scripts.parameterScript = hooks->parameterScript != nullptr ? ParameterScriptTrampoline : nullptr;
    scripts.draw2D = hooks->draw2D != nullptr ? Draw2DTrampoline : nullptr;
    RegisterNativeScripts(main, scripts);
    return NoError;
}

void ForgetLibPartScripts() {
    for (const auto& entry : HookRegistry()) RegisterNativeScripts(entry.first, NativeScripts{});
    HookRegistry().clear();
}

bool RunSettingsParameterScript(Element& object, const std::string& changed, int32_t uiButton) {
    return RunHookedParameterScript(object, changed, true, uiButton);
}

std::string LibPartValueText(const Element& object, const std::string& paramName, double value) {
    const LibPartScriptHooks* hooks = HooksFor(object);
    if (hooks == nullptr || hooks->valueText == nullptr) return "";
    char text[256] = {};
    return hooks->valueText(paramName.c_str(), value, text, int32_t(sizeof text)) ? std::string(text) : "";
}

bool IsEdgeSetter(const Element& object) {
    return object.rec.header.typeID == API_ObjectID && ObjectMainId(object) == kEdgeSetterMainId;
}

std::vector<Element*> EdgeSetters() {
    std::vector<Element*> out;
    for (Element& e : gSession.model.elements)
        if (IsEdgeSetter(e)) out.push_back(&e);
    return out;
}

Element* FindEdgeSetter(int group) {
    for (Element* e : EdgeSetters())
        if (int(ParamNumber(e->params, kParamGroupIndex)) == group) return e;
    return nullptr;
}

bool SetEdgeSetterEdgeType(Element& setter, int edge, int type, std::string& error) {
    const int n = SetterEdgeCount(setter);
    if (edge < 1 || edge > n) {
        error = "the edge setter has no edge " + std::to_string(edge) + " (it has " + std::to_string(n) + ")";
        return false;
    }
    if (type < 1 || type > kRooferTypeCount) {
        error = "edge type " + std::to_string(type) + " is not one of 1.." + std::to_string(kRooferTypeCount);
        return false;
    }
    double* selected = NumberParam(setter, kParamSelectedEdge);
    double* edgeStat = NumberParam(setter, kParamSelectedEdgeType);
    if (selected == nullptr || edgeStat == nullptr) {
        error = "the edge setter lacks nSelected or edgeStat";
        return false;
    }
    *selected = edge;
    if (!RunSettingsParameterScript(setter, kParamSelectedEdge)) {
        error = "the edge setter's parameter script is not available";
        return false;
    }
    edgeStat = NumberParam(setter, kParamSelectedEdgeType);  // the script rewrote the list
    *edgeStat = type;
    if (!RunSettingsParameterScript(setter, kParamSelectedEdgeType)) {
        error = "the edge setter's parameter script failed";
        return false;
    }
    return true;
}

bool DragEdgeSetterHotspot(Element& setter, int edge, double dx, double dy, std::string& error) {
    const int n = SetterEdgeCount(setter);
    if (edge < 1 || edge > n) {
        error = "the edge setter has no edge " + std::to_string(edge) + " (it has " + std::to_string(n) + ")";
        return false;
    }
    const struct {
        const char* name;
        double delta;
    } moves[] = {{kParamHotspotsY, dy}, {kParamHotspotsX, dx}};
    for (const auto& move : moves) {
        if (move.delta == 0) continue;
        double* cell = ArrayCell(setter, move.name, edge - 1);
        if (cell == nullptr) {
            error = std::string("the edge setter's ") + move.name + " has no entry " + std::to_string(edge);
            return false;
        }
        *cell += move.delta;
        if (!RunHookedParameterScript(setter, move.name, false, 0)) {
            error = "the edge setter's parameter script is not available";
            return false;
        }
    }
    return true;
}

std::string DescribeEdgeSetters() {
    std::ostringstream out;
    for (Element* setter : EdgeSetters()) {
        const int n = SetterEdgeCount(*setter);
        out << "Edge setter of group " << int(ParamNumber(setter->params, kParamGroupIndex)) << " ("
            << (setter->elementId.empty() ? "no ID" : setter->elementId) << "): " << n << " edges\n";
        const ParamValue* coords = FindParam(setter->params, kParamEdgeCoords);
        const ParamValue* types = FindParam(setter->params, kParamEdgeStatus);
        for (int i = 0; i < n; ++i) {
            const size_t at = size_t(i) * kEdgeCoordColumns;
            double length = 0;
            if (coords != nullptr && coords->dim2 == kEdgeCoordColumns && at + 5 < coords->numbers.size()) {
                const double dx = coords->numbers[at + 3] - coords->numbers[at];
                const double dy = coords->numbers[at + 4] - coords->numbers[at + 1];
                const double dz = coords->numbers[at + 5] - coords->numbers[at + 2];
                length = std::sqrt(dx * dx + dy * dy + dz * dz);
            }
            const int type = types != nullptr && size_t(i) < types->numbers.size() ? int(types->numbers[size_t(i)]) : 0;
            char line[96];
            std::snprintf(line, sizeof line, "  %2d. h=%.2f m  %2d ", i + 1, length, type);
            out << line << LibPartValueText(*setter, kParamEdgeStatus, type) << "\n";
        }
    }
    return out.str();
}

}  // namespace host
