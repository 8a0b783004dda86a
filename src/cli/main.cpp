// zelvora-cli: the handicapping core without a display. The service commands run in a program of
// their own (service_program.h), so the others start without loading the network and settings
// libraries.
#include "command_line.h"
#include "command_table.h"

int main(int argc, char** argv) { return zv::cli::runCommandLine(argc, argv, zv::cli::commandTable()); }
