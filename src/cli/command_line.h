// The entry both command-line programs share: --data-dir, the command table, the parsing, --help,
// the usage and the reporting of errors, always under the name zelvora-cli.
#pragma once

#include <span>
#include <string_view>

#include "command.h"

namespace zv::cli {

// A handler that runs the table's command of that name in this program instead of the table's own.
struct LocalHandler {
    std::string_view name;
    int (*run)(CliContext&);
};

// Runs the command argv names; returns the exit status (2 for a wrong command line).
int runCommandLine(int argc, char** argv, std::span<const Command> commands, std::span<const LocalHandler> local = {});

}  // namespace zv::cli
