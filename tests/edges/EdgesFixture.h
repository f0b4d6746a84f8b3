// Purpose: a host with the add-on loaded in-process (its built-in edge-setter library and
// scripts registered), and hand-built roof planes with known edge statuses and kinds.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Common_src/AddOnEntry.h"
#include "Common_src/AddOnState.h"
#include "host/AddOnLoader.h"
#include "host/ElementDatabase.h"
#include "host/Host.h"
#include "host/LibPartScripts.h"
#include "host/Libraries.h"
#include "host/MemoryHandles.h"
#include "host/ParamLists.h"
#include "roofgeom/RoofModel.h"

namespace edgestest {

constexpr const char* kSetterMain = "{D88B1698-0142-4569-A5BB-E1AD93EE8909}";

// One edge as the tests describe a plane: its status and kind.
struct EdgeCode {
    int16_t status;
    int16_t kind;
};

class EdgesTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::ResetSession();
        std::string error;
        ASSERT_TRUE(host::LoadAddOnInProcess(GetExportedFuncAddrs, SetImportedFuncAddrs, GetAddOnResourceFork,
                                             std::string(TEVARO_BUILD_DIR) + "/Tevaro_21_x64_hun.so", addOn_, error))
            << error;
    }

    void TearDown() override {
        host::UnloadAddOn(addOn_);
        host::DisarmHostFaults();
        host::DisarmAllocationFault();
    }

    // Appends a plane of `group`: `rings` are open contours (outer first, then holes), `codes`
    // one per edge of all contours in order; each contour's closing repeat gets status -1.
    static uint32_t AddPlane(uint32_t group, const std::vector<std::vector<Coord3>>& rings,
                             const std::vector<EdgeCode>& codes) {
        RoofPlane plane{};
        plane.inRun = 1;
        plane.group = group;
        uint32_t n = 0;
        for (const auto& ring : rings) n += uint32_t(ring.size() + 1);
        EXPECT_TRUE(HostArrayReserve(plane.vertices, n));
        EXPECT_TRUE(HostArrayReserve(plane.edgeStatus, n));
        EXPECT_TRUE(HostArrayReserve(plane.edgeKind, n));
        size_t code = 0;
        for (const auto& ring : rings) {
            for (size_t i = 0; i <= ring.size(); ++i) {
                const bool closing = i == ring.size();
                HostArrayAppend(plane.vertices, ring[i % ring.size()]);
                HostArrayAppend(plane.edgeStatus, closing ? int16_t(-1) : codes[code].status);
                HostArrayAppend(plane.edgeKind, closing ? int16_t(0) : codes[code].kind);
                HostArrayAppend(plane.planeCoords, Coord2{ring[i % ring.size()].x, ring[i % ring.size()].y});
                HostArrayAppend(plane.ridgeGuids, APINULLGuid);
                if (!closing) ++code;
            }
        }
        plane.vertexCount = n;
        plane.origin = Coord2{rings[0][0].x, rings[0][0].y};
        plane.baseLevel = rings[0][0].z;
        plane.contourCount = uint32_t(rings.size());
        EXPECT_TRUE(HostArrayAppend(gState.roofPlanes.planes, plane));
        if (group > gState.roofPlanes.nextGroupId) gState.roofPlanes.nextGroupId = group;
        return gState.roofPlanes.planes.count - 1;
    }

    // A gable roof 10 (x) by 8 (y), eaves at z, ridge along y = 4 two metres higher: two planes
    // sharing the ridge; statuses as the engine gives them.
    static void AddGable(uint32_t group, double x0 = 0, double z = 3) {
        const Coord3 a{x0, 0, z}, b{x0 + 10, 0, z}, c{x0 + 10, 4, z + 2}, d{x0, 4, z + 2};
        const Coord3 e{x0 + 10, 8, z}, f{x0, 8, z};
        // South plane: eave a-b, verge b-c, ridge c-d, verge d-a.
        AddPlane(group, {{a, b, c, d}}, {{11, 2}, {21, 3}, {31, 10}, {21, 3}});
        // North plane: ridge d-c, verge c-e, eave e-f, verge f-d.
        AddPlane(group, {{d, c, e, f}}, {{31, 10}, {21, 3}, {11, 2}, {21, 3}});
    }

    static RoofPlane& Plane(uint32_t i) { return gState.roofPlanes.planes[i]; }

    // A roof element in the model that every plane without a roof so far was read from.
    static API_Guid AttachRoof(const char* id) {
        host::Element roof;
        roof.rec.header.typeID = API_RoofID;
        roof.elementId = id;
        const API_Guid guid = host::AddElement(roof);
        for (uint32_t i = 0; i < gState.roofPlanes.planes.count; ++i)
            if (IsNullGuid(Plane(i).roofGuid)) Plane(i).roofGuid = guid;
        return guid;
    }

    // Every placed object of the library part with this main identifier.
    static std::vector<host::Element*> ObjectsOf(const char* mainId) {
        std::vector<host::Element*> found;
        for (host::Element& e : host::gSession.model.elements)
            if (e.rec.header.typeID == API_ObjectID && e.libPartUnId.compare(0, 38, mainId) == 0) found.push_back(&e);
        return found;
    }

    static std::vector<host::Element*> Setters() { return host::EdgeSetters(); }

    static double Number(const host::Element& e, const char* name) {
        return host::ParamNumber(e.params, name);
    }
    // Element [row][col] of an array parameter.
    static double Cell(const host::Element& e, const char* name, int row, int col = 0) {
        const host::ParamValue* p = host::FindParam(e.params, name);
        if (p == nullptr || !p->isArray) return -999;
        const size_t at = size_t(row) * size_t(p->dim2) + size_t(col);
        return at < p->numbers.size() ? p->numbers[at] : -999;
    }
    static int Rows(const host::Element& e, const char* name) {
        const host::ParamValue* p = host::FindParam(e.params, name);
        return p == nullptr ? -1 : p->dim1;
    }

    // True when some report line or alert of the session holds `text`.
    static bool Reported(const std::string& text) {
        for (const host::ReportLine& line : host::gSession.reportLines)
            if (line.text.find(text) != std::string::npos) return true;
        for (const host::Alert& alert : host::gSession.alerts)
            if (alert.largeText.find(text) != std::string::npos || alert.smallText.find(text) != std::string::npos)
                return true;
        return false;
    }

    host::LoadedAddOn addOn_;
};

}  // namespace edgestest
