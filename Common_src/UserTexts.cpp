// Purpose: looks up the add-on's later user texts in string resource 140.
#include "Common_src/UserTexts.h"

#include <cstdio>

#include "Common_src/Api_related/HostCalls.h"

namespace {

constexpr int kUserTextSize = 512;  // the longest row with room for its arguments' placeholders

}  // namespace

std::string GetUserText(int32_t row) {
    char text[kUserTextSize] = {};
    if (!RSGetIndString(text, kUserTextSize, kUserTextResId, row)) {
        std::snprintf(text, sizeof text, "Error getting resource string: resInd:%i, strInd:%i!", int(kUserTextResId),
                      int(row));
    }
    return text;
}
