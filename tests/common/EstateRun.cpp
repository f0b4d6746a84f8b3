// Purpose: tiles a whole estate in-process and takes a comparable picture of the result.
#include "EstateRun.h"

#include <chrono>
#include <ctime>
#include <map>
#include <regex>
#include <sstream>

#include "Common_src/AddOnEntry.h"
#include "Common_src/AddOnState.h"
#include "host/AddOnLoader.h"
#include "host/DialogManager.h"
#include "host/ElementDatabase.h"
#include "host/Host.h"
#include "host/ModelFile.h"

namespace tevaro_test {
namespace {

constexpr int16_t kPlaceTilesMenu = 32500;
constexpr int16_t kFinalizeButton = 1;
// The main dialog's foil, valley, snow-guard mode, snow-guard and loss-multiplier pop-ups.
constexpr int16_t kDialogPopUps[] = {20, 23, 27, 29, 36};

host::LoadedAddOn gEstateAddOn;

// Processor time of this process, seconds.
double CpuNow() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

// Seconds since `start`.
double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Renames every GUID of a text to its order of first appearance, so two runs that made the same
// elements in the same order give the same text whatever the host's GUID counter stood at.
std::string RenumberGuids(const std::string& text) {
    static const std::regex guid(R"(\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\})");
    std::map<std::string, size_t> seen;
    std::string out;
    auto last = text.cbegin();
    for (std::sregex_iterator it(text.begin(), text.end(), guid), end; it != end; ++it) {
        out.append(last, text.cbegin() + it->position());
        const std::string g = it->str();
        // Library-part identifiers are fixed; only the host's generated element GUIDs are renamed.
        if (g.compare(1, 8, "7E7A90A0") == 0) {
            auto found = seen.emplace(g, seen.size()).first;
            out += "<guid " + std::to_string(found->second) + ">";
        } else {
            out += g;
        }
        last = text.cbegin() + it->position() + it->length();
    }
    out.append(last, text.cend());
    return out;
}

// The roof model as text: every plane's group, vertices, plane coordinates, statuses and kinds.
std::string PlanesText() {
    std::ostringstream o;
    o.precision(17);
    const RoofPlaneTable& t = gState.roofPlanes;
    for (uint32_t p = 0; p < t.planes.count; ++p) {
        const RoofPlane& plane = t.planes[p];
        o << "plane " << p << " group " << plane.group << " contours " << plane.contourCount << " area " << plane.area
          << "\n";
        for (uint32_t v = 0; v < plane.vertexCount; ++v) {
            o << "  " << plane.vertices[v].x << " " << plane.vertices[v].y << " " << plane.vertices[v].z << " | "
              << plane.planeCoords[v].x << " " << plane.planeCoords[v].y << " | " << plane.edgeStatus[v] << " "
              << plane.edgeKind[v] << "\n";
        }
    }
    return o.str();
}

}  // namespace

bool StartEstateSession(const std::string& modelText, std::string& error) {
    host::ResetSession();
    host::gSession.shellLaunch = false;
    host::Model model;
    if (!host::LoadModelText(modelText, "estate", model, error)) return false;
    return StartEstateSession(std::move(model), error);
}

bool StartEstateSession(host::Model&& model, std::string& error) {
    host::ResetSession();
    host::gSession.shellLaunch = false;
    host::gSession.model = std::move(model);
    host::ResolveLibPartIndices();
    return host::LoadAddOnInProcess(GetExportedFuncAddrs, SetImportedFuncAddrs, GetAddOnResourceFork,
                                    std::string(TEVARO_BUILD_DIR) + "/Tevaro_21_x64_hun.so", gEstateAddOn, error);
}

EstateRunResult TileEstate(bool snapshots, const std::function<void()>& afterRun) {
    EstateRunResult r;
    // The main dialog: the first real entry of every list that has no default, then OK.
    for (int16_t popUp : kDialogPopUps) {
        host::DialogAction pick;
        pick.kind = host::DialogAction::Pick;
        pick.item = popUp;
        pick.row = 2;
        host::QueueDialogAction(pick);
    }
    host::DialogAction ok;
    ok.kind = host::DialogAction::Ok;
    host::QueueDialogAction(ok);
    const double cpuStart = CpuNow();
    auto start = std::chrono::steady_clock::now();
    if (host::ChooseMenuItem(kPlaceTilesMenu) != NoError || host::OpenPaletteId() == 0) {
        r.error = "the tile command did not open the edge palette: " + host::gSession.lastMessage;
        for (const std::string& problem : host::TakeDialogErrors()) r.error += "; dialog: " + problem;
        return r;
    }
    r.topologySeconds = Since(start);
    double cpu = CpuNow() - cpuStart;
    r.planeCount = gState.roofPlanes.planes.count;
    if (afterRun) afterRun();
    if (snapshots) {
        r.planes = PlanesText();
        r.setters = RenumberGuids(host::ModelToText(host::gSession.model));
    }
    host::DialogAction finalize;
    finalize.kind = host::DialogAction::Click;
    finalize.item = kFinalizeButton;
    const double cpuFinalize = CpuNow();
    start = std::chrono::steady_clock::now();
    if (!host::ApplyToPalette(finalize, r.error)) return r;
    r.finalizeSeconds = Since(start);
    cpu += CpuNow() - cpuFinalize;
    r.cpuSeconds = cpu;
    if (gState.finalizationPending) {
        r.error = "the finalize left the run pending: " + host::gSession.lastMessage;
        return r;
    }
    if (snapshots) r.finalModel = RenumberGuids(host::ModelToText(host::gSession.model));
    r.ok = true;
    return r;
}

void EndEstateSession() {
    if (gEstateAddOn.running) host::UnloadAddOn(gEstateAddOn);
}

}  // namespace tevaro_test
