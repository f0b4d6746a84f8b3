// Purpose: the model check in the program: the load options (--no-heal, --units), the reader
// that heals and checks every model the host loads and prints a one-line summary, the `check`
// session line and `tevaro check MODEL`.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "import/Check.h"
#include "import/Readers.h"

namespace app {

// Takes --no-heal, --units cm|mm|m, --select ID... and --bbox X0 Y0 X1 Y1 out of `args`; false
// with `error` for a bad value.
bool TakeLoadOptions(std::vector<std::string>& args, std::string& error);

// The load options and read options in force.
import::LoadOptions& CurrentLoadOptions();
import::ReadOptions& CurrentReadOptions();

// Makes the host's model loading read every format, heal and check; the one-line summary of
// each load goes to `out` (may be null).
void InstallModelReader(std::ostream* out);
void RemoveModelReader();

// The report of the last load (healing changes and the check's notes).
const import::Report& LastLoadReport();

// One note as a user reads it: kind, element, plane, position and the text.
std::string NoteText(const import::Note& note);
// The one-line summary of a report.
std::string SummaryText(const import::Report& report, const std::string& sourceName, size_t roofs, size_t walls);

// The session line `check`: the last load's changes and a fresh check of the model as it is now.
bool RunCheckLine(std::ostream* out, std::string& error);

}  // namespace app
