// Purpose: what the tests that run the tevaro program share: fresh folders, whole files, a run.
#include "ProgramRun.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "AddOnFixture.h"

namespace tevaro_test {

namespace fs = std::filesystem;

namespace {

// The name of a temporary file or folder of this test process.
fs::path TempPath(const std::string& name) {
    return fs::temp_directory_path() / ("tevaro-" + name + "-" + std::to_string(getpid()));
}

}  // namespace

fs::path FreshFolder(const std::string& name) {
    const fs::path folder = TempPath(name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

fs::path WriteTempFile(const std::string& name, const std::string& text) {
    const fs::path path = TempPath(name);
    WriteFile(path, text);
    return path;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

ProgramRun RunProgram(const std::string& args, const fs::path& folder) {
    const fs::path out = folder / "stdout.txt", err = folder / "stderr.txt";
    const std::string command = "cd \"" + folder.string() + "\" && \"" + BuildPath("tevaro") + "\" " + args + " > \"" +
                                out.string() + "\" 2> \"" + err.string() + "\"";
    const int status = std::system(command.c_str());
    ProgramRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    return run;
}

int RunProgram(const std::string& args, const fs::path& folder, std::string& both) {
    const ProgramRun run = RunProgram(args, folder);
    both = run.Both();
    return run.exitCode;
}

int RunProgramInto(const std::string& args, const fs::path& output) {
    const std::string command = "\"" + BuildPath("tevaro") + "\" " + args + " > \"" + output.string() + "\" 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace tevaro_test
