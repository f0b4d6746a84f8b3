// Purpose: running the tevaro program from a test on a session written by the test, and reading
// what it wrote (files, CSV rows).
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "common/AddOnFixture.h"

namespace program_test {

namespace fs = std::filesystem;

// The text of a file ("" when it is missing).
inline std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A fresh folder of this test process (ctest runs the tests side by side).
inline fs::path FreshFolder(const std::string& name) {
    const fs::path folder = fs::temp_directory_path() / ("tevaro-orderlist-" + name + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// Writes `lines` as a session script into `folder` and runs it there (outputs land in the same
// folder); the program's exit status, its standard output in `out`. `options` go to `tevaro run`.
inline int RunSession(const fs::path& folder, const std::string& lines, std::string& out,
                      const std::string& options = "") {
    std::ofstream(folder / "test.session") << lines;
    const std::string command = "\"" + tevaro_test::BuildPath("tevaro") + "\" run \"" + (folder / "test.session").string() +
                                "\" " + options + " --out \"" + folder.string() + "\" > \"" + (folder / "stdout.txt").string() +
                                "\" 2> \"" + (folder / "stderr.txt").string() + "\"";
    const int status = std::system(command.c_str());
    out = ReadText(folder / "stdout.txt") + ReadText(folder / "stderr.txt");
    return status;
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
