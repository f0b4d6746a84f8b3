// Purpose: running the tevaro program from a test on a session written by the test, and reading
// what it wrote (files, CSV rows).
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/AddOnFixture.h"
#include "common/ProgramRun.h"

namespace program_test {

namespace fs = std::filesystem;

// The text of a file ("" when it is missing).
inline std::string ReadText(const fs::path& path) { return tevaro_test::ReadFile(path); }

// A fresh folder of this test process (ctest runs the tests side by side).
inline fs::path FreshFolder(const std::string& name) { return tevaro_test::FreshFolder("orderlist-" + name); }

// Writes `lines` as a session script into `folder` and runs it there (outputs land in the same
// folder); the program's exit code, its standard output and error in `out`. `options` go to `tevaro run`.
inline int RunSession(const fs::path& folder, const std::string& lines, std::string& out,
                      const std::string& options = "") {
    tevaro_test::WriteFile(folder / "test.session", lines);
    return tevaro_test::RunProgram(
        "run \"" + (folder / "test.session").string() + "\" " + options + " --out \"" + folder.string() + "\"", folder, out);
}

// The fields of one CSV line (quoted fields unquoted).
inline std::vector<std::string> CsvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') fields.back() += '"', ++i;
        else if (c == '"') quoted = !quoted;
        else if (c == ',' && !quoted) fields.emplace_back();
        else fields.back() += c;
    }
    return fields;
}

// The rows of a CSV text (header first).
inline std::vector<std::vector<std::string>> CsvRows(const std::string& csv) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(csv);
    for (std::string line; std::getline(in, line);) rows.push_back(CsvFields(line));
    return rows;
}

// The TOTAL rows' quantities by "item" or "item [code]".
inline std::map<std::string, double> Totals(const std::string& csv) {
    std::map<std::string, double> totals;
    for (const auto& r : CsvRows(csv))
        if (r.size() >= 5 && r[0] == "TOTAL") totals[r[1] + (r[2].empty() ? "" : " [" + r[2] + "]")] = std::stod(r[3]);
    return totals;
}

}  // namespace program_test
