// Purpose: what the tests that run the tevaro program share: a fresh folder of this test process,
// reading and writing whole files, and one run of the program with its exit code and output.
#pragma once

#include <filesystem>
#include <string>

namespace tevaro_test {

// A fresh, empty folder "tevaro-NAME-PID" in the system's temporary folder (ctest runs test
// programs side by side, so the process number keeps them apart).
std::filesystem::path FreshFolder(const std::string& name);

// A file "tevaro-NAME-PID" in the system's temporary folder holding `text`.
std::filesystem::path WriteTempFile(const std::string& name, const std::string& text);

// The whole text of a file ("" when it is missing).
std::string ReadFile(const std::filesystem::path& path);

// Writes `text` as the whole file.
void WriteFile(const std::filesystem::path& path, const std::string& text);

// One run of the program.
struct ProgramRun {
    int exitCode = -1;  // -1 when it did not end by itself
    std::string out;    // its standard output
    std::string err;    // its standard error
    std::string Both() const { return out + err; }
};

// Runs the built program with these arguments (already quoted where needed) from `folder`; its
// standard output and error are kept in stdout.txt and stderr.txt of that folder.
ProgramRun RunProgram(const std::string& args, const std::filesystem::path& folder);

// The same run; its exit code, and its standard output followed by its standard error in `both`.
int RunProgram(const std::string& args, const std::filesystem::path& folder, std::string& both);

// Runs the program from the current folder with both its streams written to the file `output`; the
// exit code.
int RunProgramInto(const std::string& args, const std::filesystem::path& output);

}  // namespace tevaro_test
