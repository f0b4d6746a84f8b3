// Purpose: running the built `tevaro` program from a test and reading what it wrote.
#pragma once

#include <filesystem>
#include <string>

namespace tevaro_test {

// Runs `tevaro ARGS` with its output (both streams) going to `output`; the exit code (-1 when it
// did not exit normally).
int RunProgram(const std::string& args, const std::filesystem::path& output);

// A whole file's text ("" when it cannot be read).
std::string ReadText(const std::filesystem::path& path);

}  // namespace tevaro_test
