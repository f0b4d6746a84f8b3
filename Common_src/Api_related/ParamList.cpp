// Purpose: the one way the add-on finds a parameter of a host parameter list by its name.
#include "Common_src/Api_related/ParamList.h"

#include <algorithm>
#include <cstring>

#include "Common_src/Api_related/HostMemory.h"

bool ParamNameIs(const API_AddParType& param, const char* name) {
    // the record's name ends at its terminator or at the end of its field
    const size_t held = size_t(std::find(param.name, param.name + API_NameLen, '\0') - param.name);
    return std::strlen(name) == held && std::memcmp(param.name, name, held) == 0;
}

int32_t ParamListCount(API_AddParType** params) { return HandleCount<API_AddParType>(params); }

int32_t ParamWalkLength(API_AddParType** params, int32_t walkCount) {
    if (walkCount <= 0) return 0;
    return std::min(walkCount, ParamListCount(params));
}

API_AddParType* FindParam(API_AddParType** params, const char* name, int32_t walkCount) {
    const int32_t n = ParamWalkLength(params, walkCount);
    for (int32_t i = 0; i < n; ++i)
        if (ParamNameIs((*params)[i], name)) return &(*params)[i];
    return nullptr;
}
