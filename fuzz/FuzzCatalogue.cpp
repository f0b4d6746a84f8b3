// Purpose: libFuzzer target for the catalogue loader: any bytes given as the text of "Tevaro.ini".
#include <cstddef>
#include <cstdint>

#include "Common_src/AddOnEntry.h"
#include "catalogue/Catalogue.h"
#include "host/AddOnLoader.h"
#include "host/Host.h"

namespace {

// A host whose function table the linked add-on holds, so the loader's alerts have somewhere to go.
bool InstallHostOnce() {
    host::ResetSession();
    host::gSession.resources = GetAddOnResourceFork();
    host::InstallFunctionTable(SetImportedFuncAddrs);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool installed = InstallHostOnce();
    (void)installed;
    host::gSession.alerts.clear();
    LoadCatalogueText(reinterpret_cast<const char*>(data), size);
    // Every stored text must stay terminated inside its field, whatever the file held.
    for (const TileFamily& family : gCatalogue.families) {
        if (family.name[kCatNameLen - 1] != 0 || family.code[kCatCodeLen - 1] != 0) __builtin_trap();
        if (family.typeCount < 0 || family.typeCount > kMaxTypesPerFamily) __builtin_trap();
    }
    ClearCatalogue();
    return 0;
}
