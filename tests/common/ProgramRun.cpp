// Purpose: running the built `tevaro` program from a test and reading what it wrote.
#include "common/ProgramRun.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "common/AddOnFixture.h"

namespace tevaro_test {

int RunProgram(const std::string& args, const std::filesystem::path& output) {
    const std::string cmd = "\"" + BuildPath("tevaro") + "\" " + args + " > \"" + output.string() + "\" 2>&1";
    const int status = std::system(cmd.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace tevaro_test
