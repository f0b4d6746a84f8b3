// Purpose: a host with the add-on loaded in-process, a small object library, and hand-built roof
// planes, for the tile-surface, ridge and modification tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Common_src/AddOnState.h"
#include "Common_src/CommandDispatch.h"
#include "dialogs/TileSettings.h"
#include "common/AddOnFixture.h"
#include "host/ElementDatabase.h"
#include "host/Host.h"
#include "host/Libraries.h"
#include "host/MemoryHandles.h"
#include "host/ParamLists.h"
#include "roofgeom/RoofModel.h"
#include "polytopo/EdgeCodes.h"

namespace placement_test {

constexpr const char* kLibraryLocation = "TevaroTmp.lib";

// The parameter list of the test tile-surface part; `withWingtile` false leaves "wingtile" out.
inline std::string TileSurfacePartJson(bool withWingtile) {
    std::string params =
        R"({"name":"alpha","type":"angle","value":0},)"
        R"({"name":"fam","type":"text","value":""},)"
        R"({"name":"color","type":"text","value":""},)"
        R"({"name":"folia","type":"text","value":""},)"
        R"({"name":"vapatipus","type":"text","value":""},)"
        R"({"name":"mat_pan","type":"text","value":""},)"
        R"({"name":"hofogas","type":"text","value":""},)"
        R"({"name":"hofogo","type":"text","value":""},)"
        R"({"name":"vesztesegszorzo","type":"real","value":0},)"
        R"({"name":"num","type":"integer","value":0},)"
        R"({"name":"tile_x","type":"length","value":0},)"
        R"({"name":"tile_y","type":"length","value":0},)"
        R"({"name":"surf","type":"real","value":0},)"
        R"({"name":"opt2d","type":"text","value":""},)"
        R"({"name":"auto_acc","type":"boolean","value":0},)"
        R"({"name":"csrogz","type":"boolean","value":0},)"
        R"({"name":"rogkar","type":"boolean","value":0},)";
    if (withWingtile) params += R"({"name":"wingtile","type":"boolean","value":0},)";
    params +=
        R"({"name":"pen1","type":"pen","value":1},)"
        R"({"name":"typ","type":"text","value":""},)"
        R"({"name":"nodes","type":"real","dims":[1,2],"value":[0,0]},)"
        R"({"name":"stat","type":"real","dims":[1,1],"value":[0]},)"
        R"({"name":"modByAPI","type":"boolean","value":0},)"
        R"({"name":"keep_me","type":"real","value":7.5})";
    return R"({"unId":"{E84F9BFB-7C26-403E-B010-A033FEEE27E0}-{11111111-1111-1111-1111-111111111111}",)"
           R"("type":"object","name":"Tevaro_cserep","params":[)" +
           params + "]}";
}

inline std::string RidgePartJson() {
    return R"({"unId":"{9B413C5B-C63B-4027-BE0A-00222534F9FF}-{22222222-2222-2222-2222-222222222222}",)"
           R"("type":"object","name":"Tevaro_kup","params":[)"
           R"({"name":"alpha","type":"angle","value":0},)"
           R"({"name":"gcstyp","type":"text","value":""},)"
           R"({"name":"fam","type":"text","value":""},)"
           R"({"name":"gcolor","type":"text","value":""},)"
           R"({"name":"vesztesegszorzo","type":"real","value":0},)"
           R"({"name":"opt2d","type":"text","value":""},)"
           R"({"name":"stat1","type":"integer","value":-5},)"
           R"({"name":"stat2","type":"integer","value":-5},)"
           R"({"name":"pen1","type":"pen","value":1},)"
           R"({"name":"ZZYZX","type":"length","value":0},)"
           R"({"name":"typ","type":"text","value":""},)"
           R"({"name":"modByAPI","type":"boolean","value":0}]})";
}

// A chair: an object of some other library.
inline std::string ChairPartJson() {
    return R"({"unId":"{0C0C0C0C-0000-4000-8000-00000000C4A1}-{00000000-0000-0000-0000-000000000000}",)"
           R"("type":"object","name":"Chair","params":[{"name":"fam","type":"text","value":"CHAIR"}]})";
}

class PlacementTest : public ::testing::Test {
protected:
    void SetUp() override {
        tevaro_test::InstallHostOnly();
        std::snprintf(gState.libraryLocation, sizeof gState.libraryLocation, "%s", kLibraryLocation);
        gState.currentStory = 0;
        FillSettings();
    }

    void TearDown() override {
        FreeRoofPlanes();
        host::DisarmHostFaults();
        host::DisarmAllocationFault();
    }

    // Makes the object library active, with or without "wingtile" on the tile-surface part.
    void LoadLibrary(bool withWingtile = true) {
        const std::string text = R"({"name":"TevaroTmp","parts":[)" + TileSurfacePartJson(withWingtile) + "," +
                                 RidgePartJson() + "," + ChairPartJson() + "]}";
        std::string error;
        ASSERT_EQ(host::AddLibraryText(text, kLibraryLocation, false, &error), NoError) << error;
    }

    // Settings as a dialog's OK leaves them.
    static void FillSettings() {
        TileSettings& t = gTileSettings;
        t = TileSettings{};
        std::snprintf(t.fam, sizeof t.fam, "T10");
        std::snprintf(t.color, sizeof t.color, "RED");
        std::snprintf(t.folia, sizeof t.folia, "F2");
        std::snprintf(t.vapatipus, sizeof t.vapatipus, "V1");
        std::snprintf(t.mat_pan, sizeof t.mat_pan, "VR");
        std::snprintf(t.hofogas, sizeof t.hofogas, "H1");
        std::snprintf(t.hofogo, sizeof t.hofogo, "HF3");
        std::snprintf(t.vesztesegszorzo, sizeof t.vesztesegszorzo, "1.05");
        std::snprintf(t.opt2d, sizeof t.opt2d, "O2");
        std::snprintf(t.typ, sizeof t.typ, "L1");
        std::snprintf(t.gcstyp, sizeof t.gcstyp, "G7");
        t.wingtile = 1;
        t.auto_acc = 0;
        t.csrogz = 1;
        t.rogkar = 0;
        t.pen1 = 17;
        t.tile_x = 0.3;
        t.tile_y = 0.45;
        t.layer = 4;
    }

    // A roof element in the host's model (the planes below refer to it).
    static API_Guid AddRoof(const char* id) {
        host::Element roof;
        roof.rec.header.typeID = API_RoofID;
        roof.elementId = id;
        return host::AddElement(roof);
    }

    // Appends a plane: `ring` is one open contour, `statuses` one per edge; the closing vertex gets -1.
    static uint32_t AddPlane(const API_Guid& roof, const std::vector<Coord3>& ring, const std::vector<int16_t>& statuses,
                             uint8_t flipped = 1) {
        RoofPlane plane{};
        plane.roofGuid = roof;
        plane.inRun = 1;
        plane.vertexCount = uint32_t(ring.size() + 1);
        const uint32_t n = plane.vertexCount;
        EXPECT_TRUE(HostArrayReserve(plane.vertices, n));
        EXPECT_TRUE(HostArrayReserve(plane.edgeStatus, n));
        EXPECT_TRUE(HostArrayReserve(plane.planeCoords, n));
        EXPECT_TRUE(HostArrayReserve(plane.ridgeGuids, n));
        EXPECT_TRUE(HostArrayReserve(plane.edgeKind, n));
        plane.vertices.count = plane.edgeStatus.count = plane.planeCoords.count = plane.ridgeGuids.count =
            plane.edgeKind.count = n;
        for (uint32_t i = 0; i < n; ++i) {
            const Coord3& p = ring[i % ring.size()];
            plane.vertices[i] = p;
            plane.edgeStatus[i] = i + 1 < n ? statuses[i] : int16_t(-1);
            plane.planeCoords[i] = Coord2{p.x - ring[0].x + 0.25, p.y - ring[0].y + 0.5};
            plane.ridgeGuids[i] = APINULLGuid;
            plane.edgeKind[i] = 0;
        }
        plane.slope = 0.7;
        plane.azimuth = 1.25;
        plane.flipped = flipped;
        plane.origin = Coord2{ring[0].x, ring[0].y};
        plane.baseLevel = ring[0].z + 0.001;
        plane.area = 42.5;
        plane.contourCount = 1;
        plane.ridgeLevel = -0.001;
        EXPECT_TRUE(HostArrayAppend(gState.roofPlanes.planes, plane));
        return gState.roofPlanes.planes.count - 1;
    }

    static RoofPlane& Plane(uint32_t i) { return gState.roofPlanes.planes[i]; }

    // Every placed object whose library part has this main identifier, in creation order.
    static std::vector<host::Element*> ObjectsOf(const char* mainId) {
        std::vector<host::Element*> found;
        for (host::Element& e : host::gSession.model.elements) {
            if (e.rec.header.typeID == API_ObjectID && e.libPartUnId.compare(0, 38, mainId) == 0) found.push_back(&e);
        }
        return found;
    }

    static const host::ParamValue* Param(const host::Element& e, const char* name) {
        return host::FindParam(e.params, name);
    }
    static double Number(const host::Element& e, const char* name) {
        const host::ParamValue* p = Param(e, name);
        return p == nullptr || p->numbers.empty() ? -999.0 : p->numbers[0];
    }
    static std::string Text(const host::Element& e, const char* name) {
        const host::ParamValue* p = Param(e, name);
        return p == nullptr || p->texts.empty() ? std::string("<none>") : host::Utf16ToUtf8(p->texts[0]);
    }

    static size_t CallCount(const std::string& op) {
        size_t n = 0;
        for (const host::CallRecord& c : host::gSession.calls) n += c.op == op ? 1 : 0;
        return n;
    }

    static bool AnyReportMentions(const std::string& text) {
        for (const host::ReportLine& line : host::gSession.reportLines) {
            if (line.text.find(text) != std::string::npos) return true;
        }
        for (const host::Alert& alert : host::gSession.alerts) {
            if (alert.largeText.find(text) != std::string::npos || alert.smallText.find(text) != std::string::npos ||
                alert.title.find(text) != std::string::npos) {
                return true;
            }
        }
        return false;
    }

    static bool NothingReported() { return host::gSession.reportLines.empty() && host::gSession.alerts.empty(); }
};

}  // namespace placement_test
