// Purpose: the handshake on the host's function table: is the table the host hands over long
// and new enough for what the add-on calls, and the report when it is not.
#pragma once

#include "HostFunctionTable.h"

// What the add-on makes of a host's table.
enum HostTableVerdict {
    HostTable_Usable,    // at least a whole version 1 table: the add-on loads
    HostTable_TooShort,  // ends before the last entry of the version 1 block
    HostTable_NoVersion, // version 0: not a table this contract knows
};

// Judges a table by the size and version the host wrote into it.
HostTableVerdict CheckHostTable(const HostFunctionTable& table);

// Copies the host's table into `copy`: the `size` bytes the host filled (never more than the add-on
// knows), every entry beyond them null, so that an entry the host does not have reads as missing.
void CopyHostTable(const HostFunctionTable& table, HostFunctionTable& copy);

// Reports a refused table in the host's report window and debug output, naming the table's size
// and version and the ones the add-on needs; only through the entries the short copy does reach.
void ReportRefusedHostTable(const HostFunctionTable& copy);
