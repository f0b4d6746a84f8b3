// Purpose: healing in order: the table of steps, run one after another over the whole scene.
#include "import/Healing.h"

namespace import {
namespace {

struct HealStep {
    const char* name;
    void (*run)(Scene&, Report&);
};

// Clean rings first (so later steps see real corners), then flatten planes, then close gaps
// between planes and to walls, then merge what became one plane; a last flattening takes up
// what moving shared points did to a plane, keeping the shared points together.
const HealStep kHealSteps[] = {
    {"drop duplicate and collinear points", DropDuplicateAndCollinearPoints},
    {"split self-touching rings", SplitSelfTouchingRings},
    {"planarize", PlanarizeFaces},
    {"snap", SnapVertices},
    {"join near misses", JoinNearMisses},
    {"onto wall faces", MoveEdgesOntoWallFaces},
    {"trim crossing roofs", TrimCrossingRoofs},
    {"merge coplanar pieces", MergeCoplanarFaces},
    {"drop points left on straight runs", DropDuplicateAndCollinearPoints},
    {"flatten after the moves, shared points kept", SettleChangedPlanes},
};

}  // namespace

void HealScene(Scene& scene, Report& report) {
    for (const HealStep& step : kHealSteps) step.run(scene, report);
}

}  // namespace import
