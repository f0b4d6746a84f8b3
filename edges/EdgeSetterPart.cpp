// Purpose: the edge-setter part's edge types and labels, and the registration of its scripts.
#include "edges/EdgeSetterPart.h"

#include "Common_src/CommandDispatch.h"

namespace {

// Labels of the edge types 1..14, in type order.
constexpr const char* kEdgeTypeLabels[kEdgeTypeCount] = {
    "gerinc (gerincelem nélkül)",
    "gerinc (gerincelemmel)",
    "félnyereg gerinc (gerincelem nélkül)",
    "félnyereg gerinc (gerincelemmel)",
    "élgerinc (gerincelem nélkül)",
    "élgerinc (gerincelemmel)",
    "oromszegély",
    "eresz",
    "vápa",
    "falcsatlakozás, kéményszegély",
    "pozitív törés",
    "negatív törés",
    "tetőablak",
    "szabadon álló",
};

}  // namespace

const char* EdgeTypeLabel(int32_t type) {
    if (type < 1 || type > kEdgeTypeCount) return "";
    return kEdgeTypeLabels[type - 1];
}

GSErrCode RegisterEdgeSetterScripts() {
    static const LibPartScriptHooks hooks = {EdgeSetterParameterScript, EdgeSetterDraw2D};
    return ACAPI_Register_LibPartScripts(kEdgeSetterMainId, &hooks);
}
