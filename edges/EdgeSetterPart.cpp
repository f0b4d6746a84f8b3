// Purpose: the edge-setter part's edge types and labels, and the registration of its scripts.
#include "edges/EdgeSetterPart.h"
#include "Common_src/ParamNames.h"

#include <cstdio>
#include <cstring>

#include "Common_src/CommandDispatch.h"
#include "polytopo/EdgeGroups.h"

const char* EdgeTypeLabel(int32_t type) {
    // the roofer's names are kept once, beside the edge codes
    static_assert(kEdgeTypeCount == kRooferTypeCount);
    return RooferName(type);
}

bool EdgeSetterValueText(const char* paramName, double value, char* text, int32_t textSize) {
    const bool typeParam = std::strcmp(paramName, kParamSelectedEdgeType) == 0 || std::strcmp(paramName, kParamEdgeStatus) == 0 ||
                           std::strcmp(paramName, kParamApiStatus) == 0;
    const int32_t type = int32_t(value);
    if (!typeParam || type < 1 || type > kEdgeTypeCount || textSize <= 0) return false;
    std::snprintf(text, size_t(textSize), "%s", EdgeTypeLabel(type));
    return true;
}

GSErrCode RegisterEdgeSetterScripts() {
    static const LibPartScriptHooks hooks = {EdgeSetterParameterScript, EdgeSetterDraw2D, EdgeSetterValueText};
    return ACAPI_Register_LibPartScripts(kEdgeSetterMainId, &hooks);
}
