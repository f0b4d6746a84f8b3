// Purpose: the file checks of the input limits: only regular files of a bounded size are read.
#include "host/InputLimits.h"

#include <fstream>
#include <sys/stat.h>

namespace host {

bool ReadRegularFile(const std::string& path, uint64_t maxBytes, std::string& text, std::string& error) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return (error = path + ": cannot open the file (it does not exist)", false);
    if (S_ISDIR(info.st_mode)) return (error = path + ": is a folder, not a file", false);
    if (!S_ISREG(info.st_mode)) return (error = path + ": is not a regular file (a device or a pipe)", false);
    if (uint64_t(info.st_size) > maxBytes)
        return (error = path + ": the file is too large (" + std::to_string(info.st_size) + " bytes, at most " +
                        std::to_string(maxBytes) + ")",
                false);
    std::ifstream in(path, std::ios::binary);
    if (!in) return (error = path + ": cannot open the file (no permission to read it)", false);
    text.assign(size_t(info.st_size), '\0');
    in.read(text.data(), std::streamsize(text.size()));
    // a file that shrank while it was read, or a read error
    if (in.bad() || size_t(in.gcount()) != text.size()) return (error = path + ": cannot read the file", false);
    // A file that grew while it was read keeps its first bytes only: refuse rather than cut it.
    if (in.peek() != std::char_traits<char>::eof()) return (error = path + ": the file changed while it was read", false);
    return true;
}

std::string BinaryContentProblem(const std::string& text) {
    const size_t zero = text.find('\0');
    if (zero == std::string::npos) return "";
    return "holds a zero byte at offset " + std::to_string(zero) + ": not a text file";
}

}  // namespace host
