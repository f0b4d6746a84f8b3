// Purpose: the add-on's copy of the host's function table.
#include "Common_src/Api_related/HostCalls.h"

HostFunctionTable gHost = {};
bool gHostTableReceived = false;
