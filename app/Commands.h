// Purpose: the sub-commands of the tevaro program; each takes the arguments after its name.
#pragma once

int RunDemoCommand(int argc, char** argv);
int RunSessionCommand(int argc, char** argv);
int RunShellCommand(int argc, char** argv);
int RunCatalogueCommand(int argc, char** argv);
int RunServeCommand(int argc, char** argv);
int RunImportCommand(int argc, char** argv);
int RunCheckCommand(int argc, char** argv);
int RunImportIfcCommand(int argc, char** argv);
