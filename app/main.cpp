// Purpose: the tevaro program: loads a model and the add-on into the host stand-in and replays
// what a user does; dispatches to the sub-commands.
#include <cstring>
#include <iostream>
#include <string>

#include "app/Commands.h"

namespace {

// The program's usage text.
void PrintHelp() {
    std::cout << "tevaro: the Tevaro roof-tiling add-on in a stand-in host\n\n"
                 "  tevaro demo [--out DIR]            the sample house tiled from start to end\n"
                 "  tevaro run SESSION [--out DIR]     replay a session script\n"
                 "  tevaro shell [MODEL]               type session lines one at a time\n"
                 "  tevaro catalogue [FILE]            load a catalogue file and print it as JSON\n"
                 "  tevaro --help                      this text\n\n"
                 "Common options:\n"
                 "  --addon-folder DIR   the deliverables, Tevaro.ini and TevaroTmp.lib (default: the program's folder)\n"
                 "  --deliverable N      18, 19, 20 or 21 (default 21)\n\n"
                 "In a shell, type help for the session lines.\n";
}

}  // namespace

// Stands in for the catalogue command while its own file is not part of the build.
__attribute__((weak)) int RunCatalogueCommand(int, char**) {
    std::cerr << "tevaro catalogue: not part of this build yet\n";
    return 2;
}

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
        std::strcmp(argv[1], "help") == 0) {
        PrintHelp();
        return argc < 2 ? 2 : 0;
    }
    const std::string command = argv[1];
    if (command == "demo") return RunDemoCommand(argc - 2, argv + 2);
    if (command == "run") return RunSessionCommand(argc - 2, argv + 2);
    if (command == "shell") return RunShellCommand(argc - 2, argv + 2);
    if (command == "catalogue") return RunCatalogueCommand(argc - 2, argv + 2);
    if (command == "import-ifc") { int RunImportIfcCommand(int, char**); return RunImportIfcCommand(argc - 2, argv + 2); }
    std::cerr << "tevaro: unknown command \"" << command << "\" (try tevaro --help)\n";
    return 2;
}
