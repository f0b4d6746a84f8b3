// Purpose: the tevaro program: loads a model and the add-on into the host stand-in and replays
// what a user does; the command line (CLI11) with help for the program and for each command.
//
// A command is one row of kCommands: its name, what it does, its plain arguments, the common
// options it takes and its handler. The handler gets the arguments after the command's name and
// reads them itself (app/AppHost.h's ParseCommonOptions); CLI11 gives the help texts, --version,
// and checks the common options before the handler runs. Options a command reads on its own pass
// through to its handler unchecked.
#include <cstring>
#include <iostream>
#include <list>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "Common_src/Api_related/HostFunctionTable.h"
#include "app/Commands.h"

#ifndef TEVARO_VERSION
#define TEVARO_VERSION "dev"
#endif

namespace {

constexpr int kUsageExit = 2;  // a command line the program cannot run
constexpr int kFirstDeliverable = 18, kLastDeliverable = 21;

// The common options a command takes (bits).
enum CommonOption : unsigned {
    kOptAddOnFolder = 1u << 0,  // --addon-folder DIR
    kOptDeliverable = 1u << 1,  // --deliverable N
    kOptOut = 1u << 2,          // --out DIR
};
constexpr unsigned kOptHost = kOptAddOnFolder | kOptDeliverable;

// One plain argument of a command.
struct Positional {
    const char* name;
    const char* help;
    bool required;
};

// One command of the program.
struct CommandRow {
    const char* name;
    const char* summary;
    std::vector<Positional> arguments;
    unsigned options;
    int (*run)(int argc, char** argv);
};

const std::vector<CommandRow> kCommands = {
    {"demo", "the sample house tiled from start to end, written to DIR (default out/)", {}, kOptHost | kOptOut,
     RunDemoCommand},
    {"run", "replay a session script", {{"SESSION", "the session script", true}}, kOptHost | kOptOut,
     RunSessionCommand},
    {"shell", "type session lines one at a time (help lists them)", {{"MODEL", "a model file opened first", false}},
     kOptHost | kOptOut, RunShellCommand},
    {"catalogue", "load a catalogue file and print it as JSON",
     {{"FILE", "the catalogue (default: Tevaro.ini in the add-on folder)", false}}, kOptAddOnFolder,
     RunCatalogueCommand},
    {"serve", "the web workbench on http://127.0.0.1:N/ (--port N, default 8321)",
     {{"MODEL", "a model file opened first", false}}, kOptHost | kOptOut, RunServeCommand},
    {"import", "read a model or city model, heal and check it, write a model (--out MODEL)",
     {{"FILE", "the model file or city model", true}}, kOptHost | kOptOut, RunImportCommand},
    {"check", "the model check alone (exit 0 clean, 1 warnings, 2 errors)",
     {{"MODEL", "the model file", true}}, kOptHost, RunCheckCommand},
    {"import-ifc", "read the roofs and walls of an IFC file into a model (--out MODEL.json)",
     {{"FILE", "the IFC file", false}}, kOptOut, RunImportIfcCommand},
};

// The text of --version: the program, and the contract it speaks with the add-on.
std::string VersionText() {
    return std::string("tevaro ") + TEVARO_VERSION + " (deliverables Tevaro_" + std::to_string(kFirstDeliverable) +
           "..." + std::to_string(kLastDeliverable) + "_x64_hun, host function table version " +
           std::to_string(kHostTableVersion) + ", CLI11 " CLI11_VERSION ")";
}

// Declares one command's arguments and common options, so that its help lists them and CLI11
// checks them; the values themselves are read again by the command's handler.
void DeclareCommand(CLI::App& program, const CommandRow& row, std::list<std::string>& values) {
    CLI::App* sub = program.add_subcommand(row.name, row.summary);
    sub->allow_extras();  // a command's own further options reach its handler
    for (const Positional& p : row.arguments) {
        CLI::Option* o = sub->add_option(p.name, values.emplace_back(), p.help);
        if (p.required) o->required();
    }
    if (row.options & kOptAddOnFolder)
        sub->add_option("--addon-folder", values.emplace_back(), "the deliverables, Tevaro.ini and TevaroTmp.lib (default: beside the program)")
            ->check(CLI::ExistingDirectory);
    if (row.options & kOptDeliverable)
        sub->add_option("--deliverable", values.emplace_back(), "the host version of the deliverable to load (default 21)")
            ->check(CLI::Range(kFirstDeliverable, kLastDeliverable));
    if (row.options & kOptOut) sub->add_option("--out", values.emplace_back(), "the folder output files go to");
}

// The program's command line with every command of kCommands.
void DeclareProgram(CLI::App& program, std::list<std::string>& values) {
    program.set_version_flag("--version", VersionText());
    program.footer("Try tevaro COMMAND --help for a command's options; in a shell, type help for the session lines.");
    program.require_subcommand(1);
    for (const CommandRow& row : kCommands) DeclareCommand(program, row, values);
}

// The row of a command name, null when there is none.
const CommandRow* FindCommand(const std::string& name) {
    for (const CommandRow& row : kCommands)
        if (name == row.name) return &row;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App program("tevaro: the Tevaro roof-tiling add-on in a stand-in host", "tevaro");
    std::list<std::string> values;  // the declared values; each handler reads its own arguments
    DeclareProgram(program, values);
    if (argc < 2) {
        std::cout << program.help();
        return kUsageExit;
    }
    // `tevaro help [COMMAND]` is the same as `tevaro [COMMAND] --help`.
    if (std::strcmp(argv[1], "help") == 0) {
        const CommandRow* row = argc > 2 ? FindCommand(argv[2]) : nullptr;
        const std::string usagePrefix = std::string("tevaro ") + (row != nullptr ? row->name : "");
        std::cout << (row != nullptr ? program.get_subcommand(row->name)->help(usagePrefix) : program.help());
        return argc > 2 && row == nullptr ? kUsageExit : 0;
    }
    if (argv[1][0] != '-' && FindCommand(argv[1]) == nullptr) {
        std::cerr << "tevaro: unknown command \"" << argv[1] << "\" (try tevaro --help)\n";
        return kUsageExit;
    }
    try {
        program.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = program.exit(e);  // prints the help, the version or the error
        return code == 0 ? 0 : kUsageExit;
    }
    const CommandRow* row = FindCommand(argv[1]);
    return row->run(argc - 2, argv + 2);
}
